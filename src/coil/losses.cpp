// SPDX-License-Identifier: GPL-3.0-or-later
// Round-wire inductance, losses, Q and the apparent inductance (sources in
// coilsheet.h).
#include "coil/coilsheet.h"

#include "coil/currentsheet.h"
#include "coil/sheetmath.h"

#include <algorithm>
#include <complex>
#include <iterator>
#include <numbers>

namespace {

constexpr double kMu0 = 4e-7 * std::numbers::pi;

// Medhurst's proximity factor, R of the coil over R of the same wire straight.
// Rows ℓ/D, columns d/p from 1 (touching turns) to 0 (turns far apart). At
// ℓ/D = 10, d/p = 0.7 the published transcriptions differ (2.27 and 2.37);
// 2.37 is taken, the one that keeps the column rising with ℓ/D as all others do.
constexpr double kRighe[] = {0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10}; // and the infinite coil
constexpr double kMedhurst[12][11] = {
    {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02, 1},
    {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02, 1},
    {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03, 1},
    {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03, 1},
    {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03, 1},
    {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03, 1},
    {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04, 1},
    {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04, 1},
    {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04, 1},
    {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04, 1},
    {3.23, 2.93, 2.65, 2.37, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04, 1},
    {3.41, 3.11, 2.815, 2.51, 2.22, 1.93, 1.65, 1.395, 1.19, 1.05, 1},
};

// One row at d/p, linear between the columns 0.1 apart.
double riga(int r, double dp)
{
    const double colonna = (1 - dp) * 10;
    const int c = std::clamp(static_cast<int>(colonna), 0, 9);
    return kMedhurst[r][c] + (colonna - c) * (kMedhurst[r][c + 1] - kMedhurst[r][c]);
}

double proximity(double lOverD, double dp)
{
    if (lOverD >= 10) // linear in D/ℓ from 10 to the infinite coil
        return riga(11, dp) + (riga(10, dp) - riga(11, dp)) * (10 / lOverD);
    const int r =
        static_cast<int>(std::upper_bound(std::begin(kRighe), std::end(kRighe), lOverD) - std::begin(kRighe))
        - 1;
    const double t = (lOverD - kRighe[r]) / (kRighe[r + 1] - kRighe[r]);
    return riga(r, dp) + t * (riga(r + 1, dp) - riga(r, dp));
}

// R/Rdc of a straight round wire of radius r = x skin depths: Re[(kr/2) J0(kr)/J1(kr)]
// with kr = (1 − j) x. With t = −(kr)²/4 = j x²/2 the Bessel series give
// (kr/2) J0/J1 = Σ tᵏ/(k!)² / Σ tᵏ/(k! (k+1)!). Up to x = 20 the series keep
// ten digits; beyond, the asymptotic x/2 + 1/4 + 3/(32x) is as close.
double skinRatio(double x)
{
    if (x > 20)
        return x / 2 + 0.25 + 3 / (32 * x);
    const std::complex<double> t(0, x * x / 2);
    std::complex<double> termine(1), s0(1), s1(1);
    for (int k = 1;; ++k) {
        termine *= t / (double(k) * k); // tᵏ/(k!)²
        const std::complex<double> a0 = s0 + termine, a1 = s1 + termine / double(k + 1);
        if (a0 == s0 && a1 == s1) // past their peak the terms no longer reach a double's last digit
            return (s0 / s1).real();
        s0 = a0;
        s1 = a1;
    }
}

} // namespace

std::optional<double> RoundWireInductanceMicroH(const CoilSpec &c)
{
    if (!ValidCoil(c) || c.turns < 1 || !WireFitsPitch(c))
        return std::nullopt;
    const double dw = HelixDiameterMm(c), n = c.turns;
    const std::optional<double> sheet = CurrentSheetInductance(dw, c.lengthMm, n);
    if (!sheet)
        return std::nullopt;
    // Touching turns: p = d, even when ℓ / N rounds a hair below d.
    const double p = std::max(c.lengthMm / n, c.wireMm);
    const double g = 1.25 - std::log(2 * p / c.wireMm);
    // μ0 · N · (Dw/2) · (G + H) in µH, Dw in mm.
    const double correzione = kMu0 * n * dw / 2 * 1e-3 * (g + *RosaMutualH(n)) * 1e6;
    return Finite(*sheet - correzione);
}

std::optional<double> RosaMutualH(double n)
{
    if (!(n >= 1) || !std::isfinite(n))
        return std::nullopt;
    const double c9 = -std::log(2 * std::numbers::pi) + 1.5 + 0.33084236 + 1.0 / 120 - 1.0 / 504 + 0.0011925;
    return std::log(2 * std::numbers::pi) - 1.5 - std::log(n) / (6 * n) - 0.33084236 / n
        - 1 / (120 * std::pow(n, 3)) + 1 / (504 * std::pow(n, 5)) - 0.0011925 / std::pow(n, 7)
        + c9 / std::pow(n, 9);
}

std::optional<double> AcResistanceOhm(const CoilSpec &c, double mhz)
{
    const std::optional<double> dc = DcResistanceOhm(c);
    const std::optional<double> delta = SkinDepthMm(c.conductor, mhz);
    if (!dc || !delta || !WireFitsPitch(c) || c.wireMm < 3 * *delta)
        return std::nullopt;
    const double dp = std::min(1.0, c.wireMm * c.turns / c.lengthMm);
    return Finite(*dc * skinRatio(c.wireMm / 2 / *delta) * proximity(c.lengthMm / HelixDiameterMm(c), dp));
}

std::optional<double> MedhurstProximityFactor(double lOverD, double dOverP)
{
    if (!PositiveFinite(lOverD) || !(dOverP >= 0 && dOverP <= 1))
        return std::nullopt;
    return proximity(lOverD, dOverP);
}

std::optional<double> ApparentInductanceMicroH(const CoilSpec &c, double mhz)
{
    const std::optional<double> l = RoundWireInductanceMicroH(c);
    const std::optional<double> fs = HelicalSelfResonanceMhz(c);
    if (!l || !fs || !PositiveFinite(mhz) || mhz >= *fs)
        return std::nullopt;
    const double x = std::numbers::pi * mhz / (2 * *fs);
    return Finite(*l * std::tan(x) / x);
}

std::optional<double> UnloadedQ(const CoilSpec &c, double mhz)
{
    const std::optional<double> l = RoundWireInductanceMicroH(c);
    const std::optional<double> apparente = ApparentInductanceMicroH(c, mhz);
    const std::optional<double> r = AcResistanceOhm(c, mhz);
    if (!l || !apparente || !r)
        return std::nullopt;
    // Q = ωL / R, lowered in the proportion L / L' (µH · MHz: the 10⁻⁶ cancel).
    return Finite(2 * std::numbers::pi * mhz * *l / *r * (*l / *apparente));
}
