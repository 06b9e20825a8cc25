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
#include <vector>

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

} // namespace

ButterworthFunctions Butterworth(double x)
{
    if (!(x >= 0) || !std::isfinite(x))
        return {};
    // Past x = 20√2 (r = 20 δ) the series lose digits to cancellation; the
    // asymptotic forms agree there with them to a few parts in a million.
    if (x > 20 * std::numbers::sqrt2) {
        const double s = std::numbers::sqrt2 * x;
        return {x / (2 * std::numbers::sqrt2) + 0.25 + 3 / (16 * s), (s - 1) / 8 - 1 / (32 * s)};
    }
    // Jn(z) = (z/2)ⁿ Σ tᵏ/(k! (k+n)!) with z = x e^{3jπ/4} and t = −(z/2)² = j x²/4.
    const std::complex<double> t(0, x * x / 4), z = std::polar(x, 3 * std::numbers::pi / 4);
    std::complex<double> termine(1), s0(1), s1(1), s2(0.5);
    for (int k = 1;; ++k) {
        termine *= t / (double(k) * k); // tᵏ/(k!)²
        const std::complex<double> a0 = s0 + termine, a1 = s1 + termine / double(k + 1),
                                   a2 = s2 + termine / (double(k + 1) * (k + 2));
        if (a0 == s0 && a1 == s1
            && a2 == s2) // past their peak the terms no longer reach a double's last digit
            break;
        s0 = a0;
        s1 = a1;
        s2 = a2;
    }
    const std::complex<double> j0 = s0, j1 = z / 2.0 * s1, j2 = z * z / 4.0 * s2;
    const double f = (s0 / s1).real(); // (q/2) J0(q)/J1(q), q = x e^{−jπ/4}
    const double g =
        x / 4 * (j2 * std::conj(j1) * std::polar(1.0, -3 * std::numbers::pi / 4)).real() / std::norm(j0);
    return {f, g};
}

double ButterworthTurnsU(double turns)
{
    if (!(turns > 1) || !std::isfinite(turns))
        return 0;
    // Σ over the other turns of 1/(k − j) is H(N − k) − H(k − 1), H the harmonic numbers.
    const auto u = [](int n) {
        std::vector<double> armonici(std::size_t(n), 0.0);
        for (int i = 1; i < n; ++i)
            armonici[std::size_t(i)] = armonici[std::size_t(i - 1)] + 1.0 / i;
        double somma = 0;
        for (int k = 1; k <= n; ++k) {
            const double campo = armonici[std::size_t(n - k)] - armonici[std::size_t(k - 1)];
            somma += campo * campo;
        }
        return somma / n;
    };
    // A fraction of a turn: between the whole numbers on either side. From
    // 10 000 turns on, u stays within 0.3 % of its limit: held there.
    const double spire = std::min(turns, 10000.0);
    const int n = static_cast<int>(spire);
    const double frazione = spire - n;
    return frazione == 0 ? u(n) : u(n) + frazione * (u(n + 1) - u(n));
}

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
    if (!dc || !delta || !WireFitsPitch(c))
        return std::nullopt;
    // Above its self-resonance the coil is no inductor, and has no series resistance to give.
    if (const std::optional<double> fs = HelicalSelfResonanceMhz(c); fs && mhz >= *fs)
        return std::nullopt;
    const ButterworthFunctions fg = Butterworth(c.wireMm / (std::numbers::sqrt2 * *delta));
    const double dp = std::min(1.0, c.wireMm * c.turns / c.lengthMm);
    // Medhurst's excess over the straight wire, for as many neighbours as the
    // coil has, and as far as the wire is thick enough for it.
    const double eccesso = (proximity(c.lengthMm / HelixDiameterMm(c), dp) - 1) * ButterworthTurnsU(c.turns)
        / kTurnsUMany * (fg.f > 0 ? 2 * fg.g / fg.f : 0);
    return Finite(*dc * fg.f * (1 + eccesso));
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
    const std::optional<double> r = AcResistanceOhm(c, mhz);
    if (!l || !r)
        return std::nullopt;
    // Q = ωL / R (µH · MHz: the 10⁻⁶ cancel), lowered in the proportion L / L'
    // where the self-resonance is known.
    const double q = 2 * std::numbers::pi * mhz * *l / *r;
    if (!HelicalSelfResonanceMhz(c))
        return Finite(q);
    const std::optional<double> apparente = ApparentInductanceMicroH(c, mhz);
    return apparente ? Finite(q * (*l / *apparente)) : std::nullopt;
}

bool QWithoutSelfResonance(const CoilSpec &c)
{
    return RoundWireInductanceMicroH(c) && !HelicalSelfResonanceMhz(c);
}
