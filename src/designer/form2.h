// SPDX-License-Identifier: GPL-3.0-or-later
// Program 2, the interactive coil designer: former diameter, coil length,
// turns and two capacitances are stepped by buttons, and after each step the
// spacing, inductance, both resonant frequencies, the wire to cut and, for
// large formers, the equal square loop are shown again. A spacing lock keeps
// the spacing when the turns change; square coils keep length and diameter
// equal.
#pragma once

#include "designer/variante.h"
#include "toolkit/formbase.h"

#include <array>
#include <memory>

class QLineEdit;
class SchedaBobina;
class QWidget;

namespace Ui {
class Form2;
}

class Form2 : public FormBase
{
    Q_OBJECT
public:
    Form2();
    ~Form2() override;

    QString HelpPage() const override;

protected:
    void SetupWindow(QWidget *window) override;
    void ReleaseWindow() override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Ricalcola();
    void ImpostaCampi();
    // Reads the five fields as a coil (diameter, length, turns, the two
    // capacitances): a field that cannot be one empties the results and the
    // sheet, and is refused.
    std::array<double, 5> Convalida();
    void Svuota();
    // The results of the five fields as the members hold them, each shown as
    // soon as it is known.
    void Risultati();

    // One step of a field: made only while the value is strictly inside its
    // bound (above it for a decrease, below it for an increase), so one step
    // may cross the bound. Returns whether the step was made.
    bool Passo(QLineEdit *campo, double passo, double limite);
    // What follows a step of the diameter, the length or the turns.
    void DopoDiametro();
    void DopoLunghezza();
    void DopoSpire();
    bool Agganciato() const;

    void CmdCalc_Click();
    void Cmdmeno1_Click();
    void Cmdpiu1_Click();
    void meno05_Click();
    void piu05_Click();
    void meno10a_Click();
    void meno10b_Click();
    void meno10c_Click();
    void meno10d_Click();
    void meno10e_Click();
    void piu10a_Click();
    void piu10b_Click();
    void piu10c_Click();
    void piu10d_Click();
    void piu10e_Click();
    void DiamSup_Click();
    void LunBob_Click();
    void Spire_Click();
    void Cap1_Click();
    void Cap2_Click();
    void Aggancia_Click();
    void CmdBlock_Click();
    void Cmdesci_Click();
    void CmdScheda_Click();
    // Gives the coil sheet, if it was ever opened, the coil the fields hold and
    // the two frequencies; or no coil, and why.
    void SpingiScheda() noexcept;
    void SpingiScheda(const QString &nessunaBobina) noexcept;

    std::unique_ptr<Ui::Form2> ui;
    // The field a mouse button went down in, until it comes up again.
    QWidget *m_premuto = nullptr;

    // The five inputs as the last recalculation read them, and the spacing it
    // found: the spacing lock multiplies the new turns by it.
    Variante Diametro;
    Variante NumSpire;
    Variante Lunghezza;
    Variante Capacita1;
    Variante Capacita2;
    Variante Spaziatura;

    // The coil sheet of this window, made on first opening.
    std::unique_ptr<SchedaBobina> m_scheda;
};
