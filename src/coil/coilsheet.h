// SPDX-License-Identifier: GPL-3.0-or-later
// TEMPORARY placeholder of the coil sheet's physics, only so that the sheet
// window compiles and shows figures; the real unit replaces this file.
#pragma once

#include <optional>

enum class Conductor { Copper, SilverPlatedCopper, Aluminium };
enum class Former { Air, Polystyrene, Pvc, Ptfe, Glass, Ceramic };
double ResistivityOhmMetre(Conductor c);
double DensityKgPerM3(Conductor c);
double RelativePermittivity(Former f);
std::optional<double> AwgDiameterMm(int gauge); // -3 (0000) .. 56
std::optional<double> SwgDiameterMm(int gauge); // -6 (7/0) .. 50
struct CoilSpec
{
    double diameterMm = 0, lengthMm = 0, turns = 0, wireMm = 0;
    Conductor conductor = Conductor::Copper;
    Former former = Former::Air;
};
bool WireFitsPitch(const CoilSpec &c); // wireMm < ℓ/N
std::optional<double> RoundWireInductanceMicroH(const CoilSpec &c);
std::optional<double> HelixWireLengthM(const CoilSpec &c);
std::optional<double> WireMassG(const CoilSpec &c);
std::optional<double> DcResistanceOhm(const CoilSpec &c);
std::optional<double> SkinDepthMm(Conductor c, double mhz);
std::optional<double> AcResistanceOhm(const CoilSpec &c, double mhz);
std::optional<double> UnloadedQ(const CoilSpec &c, double mhz);
std::optional<double> ApparentInductanceMicroH(const CoilSpec &c, double mhz);
std::optional<double> MedhurstSelfCapacitancePf(const CoilSpec &c);
std::optional<double> KnightSelfCapacitancePf(const CoilSpec &c);
std::optional<double> HelicalSelfResonanceMhz(const CoilSpec &c);
std::optional<double> FiguresHoldUpToMhz(const CoilSpec &c);
