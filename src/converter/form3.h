// SPDX-License-Identifier: GPL-3.0-or-later
// Program 3, the diameter converter: the window object of Form3. From a known
// coil (diameter, turns, length) it computes the inductance and searches the
// turns and length that give the same inductance on a former of another
// diameter, keeping the spacing; two scroll bars then fine-tune the new turns
// and length by half a turn and half a millimetre.
#pragma once

#include "converter/conversione.h"
#include "numbers/quantity.h"
#include "toolkit/formbase.h"

class QLabel;
class QLineEdit;
#include <array>
#include <memory>

class SchedaBobina;

namespace Ui {
class Form3;
}

class Form3 : public FormBase
{
    Q_OBJECT
public:
    Form3();
    ~Form3() override;

    QString HelpPage() const override;

    // The window state the conversions leave behind; index 1 is the departure
    // coil, 2 the new one (index 0 is not used).
    const std::array<Quantity, 3> &Induttanze() const { return IND; }
    // How many passes the last search took.
    int PassiUltimaRicerca() const { return m_passi; }

protected:
    void SetupWindow(QWidget *window) override;
    void ReleaseWindow() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll1_KeyPress(int KeyAscii);
    void VScroll2_KeyPress(int KeyAscii);
    // The new column from the bars, as the coil they hold.
    void RicalcolaScroll();
    void DimenticaNota();
    void DimenticaConversione();
    // The departure coil and the new diameter as a click reads them, and the
    // spacing they give.
    struct Letti
    {
        Quantity spire, diametro, nuovoDiametro, lunghezza, spaziatura;
    };
    // Reads the four fields a conversion takes; a field that cannot be a coil,
    // or a spacing that rounds to 0, is refused.
    Letti Leggi() const;
    // Writes the departure column, the length as read, its spacing and
    // inductance, and gives that inductance.
    Quantity Partenza(const Letti &letti);
    // The search for the new coil, ending with the new column from the bars.
    void Cerca(const Letti &letti);
    void SvuotaNuovi();
    QString Causa(const QLineEdit *campo) const;
    void CmdScheda_Click();
    // Gives the coil sheet, if it was ever opened, the new coil the bars hold;
    // or no coil, and why.
    void SpingiScheda() noexcept;
    void SpingiScheda(const QString &nessunaBobina) noexcept;

    // Diameters (mm) and inductances (µH): [1] departure, [2] new. They outlive
    // the window, so the bars of a reopened window use the last conversion
    // while its new diameter is the one in the box.
    std::array<Quantity, 3> DIA{};
    std::array<Quantity, 3> IND{};
    // Until a search starts on the new diameter in the box there is none for
    // the bars to work with, and moving them does nothing.
    bool m_hasConversion = false;
    // True while the search runs: the bars it writes wait for the coil it reaches.
    bool m_searching = false;
    int m_passi = 0;
    // The new coil on show, turns and length in mm: the one the bars hold,
    // while the new column shows it.
    std::array<double, 2> m_nuovaBobina{};
    bool m_colonna = false;

    std::unique_ptr<Ui::Form3> ui;
    // The coil sheet of this window, made on first opening.
    std::unique_ptr<SchedaBobina> m_scheda;
};
