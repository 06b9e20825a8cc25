// SPDX-License-Identifier: GPL-3.0-or-later
#include "coil/currentsheet.h"

#include "coil/sheetmath.h"

#include <cmath>
#include <numbers>

std::optional<double> NagaokaCoefficient(double diameter, double length)
{
    const double ratio = length / diameter;
    // Beyond these shapes 1 − k² and K − E lose their digits and the
    // coefficient goes wrong by whole percent: nothing rather than a wrong note.
    // A size not positive and finite gives no ratio in between, but for two
    // negative ones.
    if (!(diameter > 0) || !(ratio >= 1e-5) || !(ratio <= 1e6))
        return std::nullopt;
    // k² = D² / (D² + ℓ²) = 1 / (1 + (ℓ/D)²); k′² = (ℓ/D)² / (1 + (ℓ/D)²).
    const double k2 = 1.0 / (1.0 + ratio * ratio);
    const double k = std::sqrt(k2);
    const double kp2 = 1.0 - k2;
    const double kp = std::sqrt(kp2);
    const double K = std::comp_ellint_1(k);
    const double E = std::comp_ellint_2(k);
    // Within the shapes above k and k′ are above zero and the coefficient is finite and positive.
    return 4.0 / (3.0 * std::numbers::pi * kp) * ((kp2 / k2) * (K - E) + E - k);
}

std::optional<double> CurrentSheetInductance(double diameterMm, double lengthMm, double turns)
{
    const std::optional<double> kn = NagaokaCoefficient(diameterMm, lengthMm);
    if (!kn || !(turns > 0))
        return std::nullopt;
    // μ0 = 4π·10⁻⁷ H/m; with D and ℓ in mm and L in µH the constants fold into 10⁻⁴ π².
    constexpr double pi2 = std::numbers::pi * std::numbers::pi;
    const double value = 1e-4 * pi2 * turns * turns * diameterMm * diameterMm / lengthMm * *kn;
    // Infinite turns give no figure, nor too few to tell from none.
    return Finite(value);
}
