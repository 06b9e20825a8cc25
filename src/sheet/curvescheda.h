// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet's chart across frequency, without a window: the unloaded Q,
// the RF resistance and the apparent inductance of a coil sampled on a
// logarithmic scale from well below the frequencies on show to past the
// coil's self-resonance, with the frequencies to mark and the two limits the
// chart shades (where the figures stop holding, and the self-resonance).
#pragma once

#include "coil/coilsheet.h"

#include <QList>

#include <optional>

// The points a chart is drawn with: enough for a smooth curve across four or
// five decades, few enough to redraw at every step of the designer.
inline constexpr int kPuntiCurve = 120;

// One frequency of the chart and the figures there; each is empty where the
// coil's physics gives none (the chart leaves a gap) and above the
// self-resonance, where the coil no longer behaves as an inductor.
struct PuntoCurva
{
    double mhz = 0;
    std::optional<double> q;
    std::optional<double> rOhm;
    std::optional<double> lMicroH;
};

struct CurveScheda
{
    QList<PuntoCurva> punti; // log-spaced, from daMhz to aMhz
    double daMhz = 0;        // the frequency axis's ends, in MHz
    double aMhz = 0;
    QList<double> marcatoriMhz;         // the frequencies on show, to mark
    std::optional<double> limiteMhz;    // the figures hold up to here (FiguresHoldUpToMhz)
    std::optional<double> risonanzaMhz; // the self-resonance (HelicalSelfResonanceMhz)
};

// The chart of coil `c` with the frequencies on show (the typed one, or the
// window's; those not above zero are left out). The axis runs from a decade
// below the lowest frequency, and at least from 0.1 MHz (and a decade below
// the self-resonance), to a quarter past the self-resonance and past the
// highest frequency; where the self-resonance is unknown, to a decade above
// the highest frequency and at least two decades above the start. Both ends
// are widened to the next step of ten to a decade (1, 1.26, 1.58, 2 ...).
// The self-resonance is computed once for all the points.
CurveScheda CalcolaCurve(const CoilSpec &c, const QList<double> &frequenzeMhz, int punti = kPuntiCurve);
