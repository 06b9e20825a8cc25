// SPDX-License-Identifier: GPL-3.0-or-later
// Materials, gauges and the wire of the winding (sources in coilsheet.h).
#include "coil/coilsheet.h"

#include "coil/sheetmath.h"

#include <cmath>
#include <iterator>
#include <numbers>

double ResistivityOhmMetre(Conductor c)
{
    // Silver-plated copper carries its current in the copper (coilsheet.h).
    return c == Conductor::Aluminium ? 2.8264e-8 : 1.7241e-8;
}

double DensityKgPerM3(Conductor c)
{
    return c == Conductor::Aluminium ? 2703 : 8890;
}

double RelativePermittivity(Former f)
{
    switch (f) {
    case Former::Polystyrene:
        return 2.55;
    case Former::Pvc:
        return 3.0;
    case Former::Ptfe:
        return 2.1;
    case Former::Glass:
        return 4.8;
    case Former::Ceramic:
        return 6.0;
    case Former::Air:
        break;
    }
    return 1;
}

std::optional<double> AwgDiameterMm(int gauge)
{
    if (gauge < kAwgFirst || gauge > kAwgLast)
        return std::nullopt;
    return 0.127 * std::pow(92.0, (36.0 - gauge) / 39.0);
}

std::optional<double> SwgDiameterMm(int gauge)
{
    // Inches, from 7/0 (gauge −6) to 50.
    static constexpr double kPollici[] = {
        0.500,  0.464,  0.432,  0.400,  0.372,  0.348,  0.324,  0.300,  0.276,  0.252,  0.232,  0.212,
        0.192,  0.176,  0.160,  0.144,  0.128,  0.116,  0.104,  0.092,  0.080,  0.072,  0.064,  0.056,
        0.048,  0.040,  0.036,  0.032,  0.028,  0.024,  0.022,  0.020,  0.018,  0.0164, 0.0148, 0.0136,
        0.0124, 0.0116, 0.0108, 0.0100, 0.0092, 0.0084, 0.0076, 0.0068, 0.0060, 0.0052, 0.0048, 0.0044,
        0.0040, 0.0036, 0.0032, 0.0028, 0.0024, 0.0020, 0.0016, 0.0012, 0.0010};
    static_assert(std::size(kPollici) == kSwgLast - kSwgFirst + 1);
    if (gauge < kSwgFirst || gauge > kSwgLast)
        return std::nullopt;
    return kPollici[gauge - kSwgFirst] * 25.4;
}

bool WireFitsPitch(const CoilSpec &c)
{
    if (!ValidCoil(c))
        return false;
    // A close-wound coil has d = ℓ / N exactly; ℓ / N may round a hair below.
    return c.wireMm <= c.lengthMm / c.turns * (1 + 1e-9);
}

std::optional<double> HelixWireLengthM(const CoilSpec &c)
{
    if (!ValidCoil(c))
        return std::nullopt;
    const double giro = std::numbers::pi * HelixDiameterMm(c) * c.turns;
    return Finite(std::hypot(giro, c.lengthMm) / 1000);
}

std::optional<double> WireMassG(const CoilSpec &c)
{
    const std::optional<double> metri = HelixWireLengthM(c);
    if (!metri)
        return std::nullopt;
    // kg/m³ · m³ = kg; the section in m², the mass in g.
    const double sezione = std::numbers::pi / 4 * c.wireMm * c.wireMm * 1e-6;
    return Finite(DensityKgPerM3(c.conductor) * sezione * *metri * 1000);
}

std::optional<double> DcResistanceOhm(const CoilSpec &c)
{
    const std::optional<double> metri = HelixWireLengthM(c);
    if (!metri)
        return std::nullopt;
    const double sezione = std::numbers::pi / 4 * c.wireMm * c.wireMm * 1e-6;
    return Finite(ResistivityOhmMetre(c.conductor) * *metri / sezione);
}

std::optional<double> SkinDepthMm(Conductor c, double mhz)
{
    if (!PositiveFinite(mhz))
        return std::nullopt;
    constexpr double mu0 = 4e-7 * std::numbers::pi;
    return Finite(std::sqrt(ResistivityOhmMetre(c) / (std::numbers::pi * mhz * 1e6 * mu0)) * 1000);
}
