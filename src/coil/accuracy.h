// SPDX-License-Identifier: GPL-3.0-or-later
// How far the classic single-layer formula of the three programs is from the
// inductance of the real coil, and the note each window shows beside a figure
// that comes from that formula.
//
// The classic formula, 0.001 · D² · N² / (ℓ + 0.45 · D) µH with D and ℓ in mm,
// is Wheeler's with rounded constants. Measured against the current-sheet
// inductance of the same coil (currentsheet.h) it reads low for short coils
// and one to two percent high from ℓ/D = 0.4 upwards; the difference depends
// on ℓ/D alone.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Below this ratio ℓ/D the classic formula loses accuracy quickly.
inline constexpr double kShortCoilRatio = 0.4;

// The classic formula in double precision, µH; empty unless D, ℓ and N are
// positive and finite.
std::optional<double> ClassicInductance(double diameterMm, double lengthMm, double turns);

// By how many percent the classic formula reads above (positive) or below
// (negative) the current-sheet inductance of a coil of diameter D and length ℓ
// (any one unit); empty unless both are positive and finite.
std::optional<double> ClassicDeviationPercent(double diameter, double length);

// What the figure on show is.
enum class ShownFigure {
    // The inductance the classic formula gives for the coil (calculator mode 4,
    // designer, converter).
    Inductance,
    // The inductance asked for, from which the classic formula found the turns
    // (calculator modes 5 and 6).
    RequestedInductance,
};

// The note for a figure of shownMicroH µH standing for N turns on diameter D
// and length ℓ in mm: the current-sheet inductance of that coil, how far the
// figure is from it in percent, the coil itself, and a warning when ℓ/D is
// below kShortCoilRatio. Numbers carry the locale's separators. The note is
// empty (nothing rather than something wrong) unless every value is positive
// and finite.
QString AccuracyNote(double shownMicroH, double diameterMm, double lengthMm, double turns,
                     const QLocale &locale = QLocale(), ShownFigure figure = ShownFigure::Inductance);
