// SPDX-License-Identifier: GPL-3.0-or-later
// Program 1, the calculator window: seven mode buttons choose the calculation,
// the boxes it needs appear, and "Calcola" writes the result into SEO (and, for
// the low-pass filter, the component values over the schematic).
#pragma once

#include "calculator/calcolo.h"
#include "toolkit/formbase.h"

#include <QWidget>

#include <cstdint>
#include <initializer_list>
#include <memory>

class QPushButton;

namespace Ui {
class Form1;
}

class Form1 : public FormBase
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    QString HelpPage() const override;

    // The selected calculation, 0 until a mode button is first pressed. It lives
    // in the window object, so it outlives the controls: a reopened window
    // computes in the last mode chosen although no button is highlighted.
    std::int16_t Modo = 0;
    // The standard capacitor values, filled at every load.
    TabellaValoriC ValoriC{};

protected:
    void SetupWindow(QWidget *window) override;
    void ReleaseWindow() override;
    void Form_Load() override;

private:
    void AzzeraSelezione();
    // The common part of the mode buttons: highlight the button, store the mode,
    // show the inputs of the mode in the given order, name the result's unit and
    // show the drawing.
    void ScegliModo(QPushButton *button, std::int16_t modo, std::initializer_list<QWidget *> ingressi,
                    const QString &risultato, QWidget *figura);
    // The result box's accessible name follows the caption of Risultato.
    void NominaRisultato();
    // Empties the result box and hides the filter's values.
    void SvuotaRisultato();
    void DimenticaNota();

    void Cmd1_Click();
    void Cmd2_Click();
    void Cmd3_Click();
    void Cmd4_Click();
    void Cmd5_Click();
    void Cmd6_Click();
    void Cmd7_Click();
    void CmdKalc_Click();
    void Command1_Click();

    std::unique_ptr<Ui::Form1> ui;
};
