// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet: a modeless window beside the designer or the converter that
// follows the coil of its window and tells whether it can be wound and how it
// behaves: wire, mass, resistances, own capacitance and resonance, and at the
// working frequencies skin depth, losses, Q and apparent inductance, with a
// chart of Q, losses and apparent inductance across frequency below. The
// wire, the conductor, the former and a typed frequency are remembered
// between runs. The sheet is copied as text or printed, chart and all, on one page.
#pragma once

#include "numbers/campo.h"
#include "sheet/schedacalcolo.h"
#include "toolkit/formbase.h"

#include <memory>

class GraficoScheda;
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

    // Shows the sheet. A sheet that was not open opens where the user last put
    // it beside this window, or else beside the window `accanto`; where neither
    // side of it has room but the screen has for both, the window steps aside
    // once. Only a screen too narrow for both leaves the sheet over its window.
    void Apri(QWidget *accanto);

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Aggiorna();
    LetturaCampo LeggiFrequenza() const;
    // The setting that keeps where the user put this window's sheet.
    QString ChiavePosizione() const;
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
    // What the sheet shows: its figures, at these frequencies, and the warnings.
    Scheda m_scheda;
    QList<double> m_frequenze;
    QStringList m_avvisi;
    // True while the sheet is placed by the program: not the user's place.
    bool m_collocando = false;
    // The unit the wire field holds now, to carry its figure over when the unit changes.
    int m_calibro = 0;
};

// Prints a sheet on one page of the printer: title and date, the coil, the
// rows and the warnings, then the chart as it stands when there is one, scaled
// down when they would not fit. False when the printer cannot be opened.
bool StampaScheda(QPrinter &printer, const QString &titolo, const QString &bobina,
                  const QList<RigaScheda> &righe, const QStringList &avvisi, const QDateTime &quando,
                  const QLocale &locale = QLocale(), GraficoScheda *grafico = nullptr);
