// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet: a modeless window beside the designer or the converter that
// follows the coil of its window and tells whether it can be wound and how it
// behaves: wire, mass, resistances, own capacitance and resonance, and at the
// working frequencies skin depth, losses, Q and apparent inductance. The
// wire, the conductor, the former and a typed frequency are remembered
// between runs. The sheet is copied as text or printed on one page.
#pragma once

#include "sheet/schedacalcolo.h"
#include "toolkit/formbase.h"

#include <memory>

class QLabel;
class QPrinter;

namespace Ui {
class SchedaBobina;
}

class SchedaBobina : public FormBase
{
    Q_OBJECT
public:
    // `origine` names the window in the title, `fonteFrequenze` says what an
    // empty frequency field stands for in that window.
    SchedaBobina(const QString &origine, const QString &paginaGuida, const QString &fonteFrequenze);
    ~SchedaBobina() override;

    QString HelpPage() const override;

    // Shows the sheet; a sheet that was not open opens beside the window
    // `accanto`, where the screen has room, so that both stay in sight.
    void Apri(const QWidget *accanto);

    // The coil of the window, after each of its computations; the open sheet
    // shows it at once, a closed one when it opens.
    void Segui(const BobinaSeguita &bobina);

    // The sheet as it stands, as text (what Copia puts on the clipboard).
    QString Testo() const;
    // Prints the sheet as it stands on one page of the printer, with the date.
    bool Stampa(QPrinter &printer) const;

protected:
    void SetupWindow(QWidget *window) override;
    void ReleaseWindow() override;
    void Form_Load() override;

private:
    void Aggiorna();
    void Salva();
    void Calibro_Change();
    void CmdCopia_Click();
    void CmdStampa_Click();
    void CmdChiudi_Click();
    QList<QLabel *> Valori() const;
    QLabel *Didascalia(const QLabel *valore) const;
    QList<RigaScheda> Righe() const;

    std::unique_ptr<Ui::SchedaBobina> ui;
    QString m_origine;
    QString m_pagina;
    QString m_fonte;
    BobinaSeguita m_bobina;
    QStringList m_avvisi;
    // The unit the wire field holds now, to carry its figure over when the unit changes.
    int m_calibro = 0;
};

// Prints a sheet on one page of the printer: title and date, the coil, the
// rows and the warnings, scaled down when they would not fit. False when the
// printer cannot be opened.
bool StampaScheda(QPrinter &printer, const QString &titolo, const QString &bobina,
                  const QList<RigaScheda> &righe, const QStringList &avvisi, const QDateTime &quando,
                  const QLocale &locale = QLocale());
