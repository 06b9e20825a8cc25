// SPDX-License-Identifier: GPL-3.0-or-later
// The self-capacitance of a single-layer coil and what it does to the
// frequencies the windows show: the resonance with the tuning capacitor once
// the coil's own capacitance is added to it, the coil's own resonance, and the
// notes (tooltips) that say so in Italian.
//
// Source: R. G. Medhurst, "H.F. resistance and self-capacitance of
// single-layer solenoids", Wireless Engineer 24, February 1947, pp. 35-43, and
// March 1947, pp. 80-92. Medhurst measured coils and gave the self-capacitance
// as
//
//   C = H · D            C in pF, D the coil diameter in cm,
//
// with H (pF per cm of diameter) a function of the shape ℓ/D alone, in a table
// from ℓ/D = 0.1 to ℓ/D = 50, values to two figures, here as transcribed from
// the paper by M. S. Rzeszotarski (Tesla Coil Mailing List, November 1997).
// Medhurst claimed about 5 % for his data. His coils were wound on solid
// polystyrene rods; turns and pitch do not enter, only diameter and length.
//
//   ℓ/D  0.10 0.15 0.20 0.25 0.30 0.35 0.40 0.45 0.50 0.60 0.70 0.80 0.90 1.0
//   H    0.96 0.79 0.70 0.64 0.60 0.57 0.54 0.52 0.50 0.48 0.47 0.46 0.46 0.46
//   ℓ/D  1.5  2.0  2.5  3.0  3.5  4.0  4.5  5.0  6    7    8    9    10
//   H    0.47 0.50 0.56 0.61 0.67 0.72 0.77 0.81 0.92 1.01 1.12 1.22 1.32
//   ℓ/D  15   20   25   30   40   50
//   H    1.86 2.36 2.9  3.4  4.6  5.8
//
// The program interpolates this table linearly in ℓ/D and does not use the
// handbook fit H = 0.1126 · ℓ/D + 0.08 + 0.27 / √(ℓ/D): measured against the
// table above, the fit is off by −1.6 % at ℓ/D 0.1, +3.6 % at 0.5 and −7.7 %
// at 3.5 (−5 to −7.7 % from 2.5 to 6), more than the 5 % Medhurst gave for
// his own measurements, and no published accuracy for the fit was found.
// The table is dense: on a curve shaped like the fit, straight lines between
// the table's ratios are off by at most 1.4 % (midway between 0.1 and 0.15)
// and by less than 0.7 % from ℓ/D 0.15 up. Outside 0.1 ≤ ℓ/D ≤ 50 nothing was
// measured, so nothing is given (no extrapolation).
//
// The coil's own resonance is not the lumped √(25330 / (L · C)): near it the
// coil behaves as a helical transmission line, and its first resonance is the
// half-wave resonance of that line, fs = vf · c / (2 ℓw), ℓw the wire of the
// helix and vf Knight's velocity factor (D. W. Knight, "The self-resonance and
// self-capacitance of solenoid coils", 2016; coilsheet.h). Against Pettit's
// measured air coils the lumped estimate read 15 to 40 % low, the helical
// method 1 to 12 % high (the help's accuracy page has the table).
//
// The notes know D, ℓ and N but not the wire: they take a thin wire on the
// former's diameter, in air. A wire of d raises the helix to D + d and lowers
// fs by about d / D (0.5 mm on 40 mm: 1.7 %); a solid polystyrene former lowers
// fs by 10 to 15 % at ℓ/D 1 to 2.
//
// The warning's threshold: the apparent inductance of the helical line is
// L · tan(x) / x, x = π f / (2 fs). At f = fs/3 it is 10 % above L, and a tuned
// circuit computed with L resonates 5 % (√1.1) away from where the note puts
// it: as far off as Medhurst's own 5 % for the self-capacitance. From a third of
// the self-resonance up the note warns.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The range of Medhurst's table, ℓ/D.
inline constexpr double kMedhurstMinRatio = 0.1;
inline constexpr double kMedhurstMaxRatio = 50;

// From this fraction of the coil's own resonance up, the note warns that the
// coil is no longer a plain inductance (see above).
inline constexpr double kSelfResonanceFraction = 1.0 / 3;

// Medhurst's H in pF per cm of diameter for the shape ℓ/D, interpolated in his
// table; empty outside 0.1 ≤ ℓ/D ≤ 50 or for a ratio that is not a number.
std::optional<double> MedhurstH(double lengthOverDiameter);

// The self-capacitance in pF of a coil of diameter D and winding length ℓ in
// mm: H(ℓ/D) · D / 10. Empty unless both are positive and finite and ℓ/D lies
// in the table.
std::optional<double> SelfCapacitancePf(double diameterMm, double lengthMm);

// The resonant frequency in MHz of L µH with the tuning capacitor C pF and the
// coil's own capacitance across it: √(25330 / (L · (C + Cself))), 25330 being
// 10⁶ / 4π². Empty unless L and C are positive and finite and Cself exists.
std::optional<double> ResonanceWithSelfCapacitanceMhz(double microH, double tuningPf, double diameterMm,
                                                      double lengthMm);

// The coil's own resonance in MHz by the helical-line method, N turns of thin
// wire on diameter D and length ℓ in mm, in air. Empty unless all three are
// positive and finite and ℓ/D lies between 0.1 and 50.
std::optional<double> SelfResonanceMhz(double diameterMm, double lengthMm, double turns);

// The tooltip note for a coil of L µH and N turns tuned by C pF, one line each
// (19 turns on D = ℓ = 100 mm, 24.897 µH, 5.4 pF):
//   Capacità propria della bobina (Medhurst): 4,6 pF
//   Con la capacità propria (5,4 + 4,6 pF): 10,087 MHz
//   Risonanza propria della bobina: 20,5 MHz
// and, when the frequency reaches kSelfResonanceFraction of the coil's own
// resonance, a warning line. Numbers carry the locale's separators. Empty when
// anything cannot be computed.
QString SelfCapacitanceNote(double microH, double tuningPf, double diameterMm, double lengthMm, double turns,
                            const QLocale &locale = QLocale());

// The one line for the inductance's note, "Capacità propria (Medhurst): 4,6 pF",
// or empty when the self-capacitance cannot be computed.
QString SelfCapacitanceLine(double diameterMm, double lengthMm, const QLocale &locale = QLocale());
