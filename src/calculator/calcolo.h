// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's seven computations, as pure functions of the mode, the
// standard-capacitor table and the texts of the six input boxes. A call gives
// what the window must show, or the message to show instead, or raises the
// run-time error of a numeric fault.
#pragma once

#include "numbers/quantity.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The standard capacitor values (E12 series from 1.2 to 10 000 pF) in single
// precision, indices 1 to 48; 0, 49 and 50 stay 0.
using TabellaValoriC = std::array<float, 51>;

void CaricaValoriC(TabellaValoriC &ValoriC);

// The texts of Text1 (L, µH), Text2 (C, pF), Text3 (f, MHz), Text4 (D, mm),
// Text5 (N turns) and Text6 (length, mm), as the user left them, and the
// captions beside them, which a refusal names.
struct TestiIngresso
{
    QString Text1, Text2, Text3, Text4, Text5, Text6;
    std::array<QString, 6> didascalie;

    // The text of TextN, N from 1 to 6.
    const QString &Testo(int campo) const;
};

// The coil behind a result of modes 4 to 6: former diameter and winding length
// in mm, the turns (typed in mode 4, computed in modes 5 and 6), and the
// inductance in µH that the result stands for (computed in mode 4, asked for
// in modes 5 and 6). The window describes the result's accuracy from it.
struct BobinaCalcolata
{
    double D = 0;
    double lunghezza = 0;
    double N = 0;
    double induttanza = 0;
    bool spireCalcolate = false;
    // Mode 6 only: the capacitance in pF that tunes the coil to the frequency.
    double capacita = 0;
};

struct EsitoCalcolo
{
    // A message replaces the computation: no result stands beside the inputs.
    // A refused field is named after "Mettere i valori" (or "Mettere il valore").
    bool messaggio = false;
    QString testoMessaggio;
    bool critico = false;

    // The result box, and in mode 7 the three labels over the schematic.
    QString SEO;
    bool passaBasso = false;
    QString LblC1, LblC2, LblFT;

    // Modes 4 to 6 only.
    std::optional<BobinaCalcolata> bobina;
};

// The pi low-pass filter of mode 7, in quantities.
struct PassaBasso
{
    Quantity fc;       // design cut-off, MHz
    Quantity Ccalcolo; // computed capacitance, pF
    Quantity C;        // standard capacitance, pF
    Quantity L;        // series inductance, µH
    Quantity fcut;     // cut-off with the standard capacitor, MHz
};

// The first standard value above C, or C itself when C is not above 1.2 pF.
Quantity ValoreStandard(Quantity C, const TabellaValoriC &ValoriC);
PassaBasso CalcolaPassaBasso(Quantity f, const TabellaValoriC &ValoriC);

// The boxes a mode reads (N of TextN), in the order it reads them.
QList<int> CampiDelModo(std::int16_t Modo);

// The computation of the mode. A numeric fault raises its run-time error,
// naming every input of the mode and what it holds.
EsitoCalcolo EseguiCalcolo(std::int16_t Modo, const TabellaValoriC &ValoriC, const TestiIngresso &testi,
                           const QLocale &locale = QLocale());
