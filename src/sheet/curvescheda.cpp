// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/curvescheda.h"

#include "coil/sheetmath.h"

#include <algorithm>
#include <cmath>

namespace {

// A figure the chart can draw: on its logarithmic axes only a positive one.
std::optional<double> Disegnabile(std::optional<double> valore)
{
    return valore ? Finite(*valore) : std::nullopt;
}

} // namespace

CurveScheda CalcolaCurve(const CoilSpec &c, const QList<double> &frequenzeMhz, int punti)
{
    CurveScheda curve;
    for (const double mhz : frequenzeMhz)
        if (PositiveFinite(mhz))
            curve.marcatoriMhz << mhz;
    // Computed once here: every point below needs to know where the coil stops being an inductor.
    curve.risonanzaMhz = Disegnabile(HelicalSelfResonanceMhz(c));
    curve.limiteMhz = Disegnabile(FiguresHoldUpToMhz(c));

    // The ends fall on the steps of ten to a decade (1, 1.26, 1.58, 2, 2.5 ...), so that the axis stands
    // still while a window's coil moves a little, and the chart only redraws its curves.
    const auto giu = [](double mhz) { return std::pow(10.0, std::floor(10 * std::log10(mhz)) / 10); };
    const auto su = [](double mhz) { return std::pow(10.0, std::ceil(10 * std::log10(mhz)) / 10); };
    const auto [minimo, massimo] =
        std::minmax_element(curve.marcatoriMhz.cbegin(), curve.marcatoriMhz.cend());
    const bool frequenze = !curve.marcatoriMhz.isEmpty();
    double da = std::min(0.1, frequenze ? *minimo / 10 : 0.1);
    double a = 0;
    if (curve.risonanzaMhz) {
        da = std::min(da, *curve.risonanzaMhz / 10);
        // A quarter past the resonance shows what lies beyond it, and no mark falls off the end.
        a = 1.25 * std::max(*curve.risonanzaMhz, frequenze ? *massimo : 0.0);
    } else {
        a = std::max(100 * da, frequenze ? 10 * *massimo : 0.0);
    }
    curve.daMhz = std::min(da, giu(da));
    curve.aMhz = std::max(a, su(a));

    // Evenly spaced on the logarithmic axis, both ends included.
    const int n = std::max(2, punti);
    const double passo = std::log(curve.aMhz / curve.daMhz) / (n - 1);
    curve.punti.reserve(n);
    for (int i = 0; i < n; ++i) {
        PuntoCurva punto;
        punto.mhz = i == n - 1 ? curve.aMhz : curve.daMhz * std::exp(passo * i);
        if (!curve.risonanzaMhz || punto.mhz < *curve.risonanzaMhz) {
            punto.q = Disegnabile(UnloadedQ(c, punto.mhz));
            punto.rOhm = Disegnabile(AcResistanceOhm(c, punto.mhz));
            punto.lMicroH = Disegnabile(ApparentInductanceMicroH(c, punto.mhz));
        }
        curve.punti << punto;
    }
    return curve;
}
