// SPDX-License-Identifier: GPL-3.0-or-later
// TEMPORARY placeholder: rough throwaway figures, replaced by the real unit.
#include "coil/coilsheet.h"

#include "coil/currentsheet.h"
#include "coil/selfcapacitance.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
bool Valid(const CoilSpec &c)
{
    return c.diameterMm > 0 && c.lengthMm > 0 && c.turns > 0 && c.wireMm > 0 && std::isfinite(c.diameterMm)
        && std::isfinite(c.lengthMm) && std::isfinite(c.turns) && std::isfinite(c.wireMm);
}
} // namespace

double ResistivityOhmMetre(Conductor c) { return c == Conductor::Aluminium ? 2.65e-8 : c == Conductor::Copper ? 1.72e-8 : 1.59e-8; }
double DensityKgPerM3(Conductor c) { return c == Conductor::Aluminium ? 2700 : 8960; }
double RelativePermittivity(Former f)
{
    constexpr double e[] = {1, 2.6, 3.2, 2.1, 5, 6};
    return e[int(f)];
}
std::optional<double> AwgDiameterMm(int g)
{
    if (g < -3 || g > 56)
        return {};
    return 0.127 * std::pow(92.0, (36.0 - g) / 39.0);
}
std::optional<double> SwgDiameterMm(int g)
{
    if (g < -6 || g > 50)
        return {};
    return 0.127 * std::pow(92.0, (36.0 - g) / 39.0);
}
bool WireFitsPitch(const CoilSpec &c) { return c.turns > 0 && c.wireMm < c.lengthMm / c.turns; }
std::optional<double> RoundWireInductanceMicroH(const CoilSpec &c)
{
    return Valid(c) ? CurrentSheetInductance(c.diameterMm, c.lengthMm, c.turns) : std::nullopt;
}
std::optional<double> HelixWireLengthM(const CoilSpec &c)
{
    if (!Valid(c))
        return {};
    return c.turns * std::hypot(kPi * c.diameterMm, c.lengthMm / c.turns) / 1000;
}
std::optional<double> WireMassG(const CoilSpec &c)
{
    const auto l = HelixWireLengthM(c);
    if (!l)
        return {};
    return *l * kPi * std::pow(c.wireMm / 2000, 2) * DensityKgPerM3(c.conductor) * 1000;
}
std::optional<double> DcResistanceOhm(const CoilSpec &c)
{
    const auto l = HelixWireLengthM(c);
    if (!l)
        return {};
    return ResistivityOhmMetre(c.conductor) * *l / (kPi * std::pow(c.wireMm / 2000, 2));
}
std::optional<double> SkinDepthMm(Conductor c, double mhz)
{
    if (!(mhz > 0))
        return {};
    return 1000 * std::sqrt(ResistivityOhmMetre(c) / (kPi * mhz * 1e6 * 4e-7 * kPi));
}
std::optional<double> AcResistanceOhm(const CoilSpec &c, double mhz)
{
    const auto r = DcResistanceOhm(c);
    const auto d = SkinDepthMm(c.conductor, mhz);
    if (!r || !d)
        return {};
    return *d < c.wireMm / 2 ? *r * c.wireMm / (4 * *d) : *r;
}
std::optional<double> UnloadedQ(const CoilSpec &c, double mhz)
{
    const auto r = AcResistanceOhm(c, mhz);
    const auto l = RoundWireInductanceMicroH(c);
    if (!r || !l)
        return {};
    return 2 * kPi * mhz * *l / *r;
}
std::optional<double> MedhurstSelfCapacitancePf(const CoilSpec &c)
{
    return Valid(c) ? SelfCapacitancePf(c.diameterMm, c.lengthMm) : std::nullopt;
}
std::optional<double> KnightSelfCapacitancePf(const CoilSpec &c)
{
    const auto m = MedhurstSelfCapacitancePf(c);
    return m ? std::optional(*m * 1.1) : std::nullopt;
}
std::optional<double> HelicalSelfResonanceMhz(const CoilSpec &c)
{
    const auto l = RoundWireInductanceMicroH(c);
    const auto k = KnightSelfCapacitancePf(c);
    if (!l || !k)
        return {};
    return 1e3 / (2 * kPi * std::sqrt(*l * *k));
}
std::optional<double> ApparentInductanceMicroH(const CoilSpec &c, double mhz)
{
    const auto l = RoundWireInductanceMicroH(c);
    const auto f = HelicalSelfResonanceMhz(c);
    if (!l || !f || !(mhz > 0) || mhz >= *f)
        return {};
    return *l / (1 - std::pow(mhz / *f, 2));
}
std::optional<double> FiguresHoldUpToMhz(const CoilSpec &c)
{
    const auto f = HelicalSelfResonanceMhz(c);
    return f ? std::optional(*f / 2) : std::nullopt;
}
