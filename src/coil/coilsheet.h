// SPDX-License-Identifier: GPL-3.0-or-later
// The coil sheet's physics: what a single-layer coil of round wire is made of
// and how it behaves beside its inductance: wire, losses, Q, self-capacitance
// and self-resonance. Pure functions; every one returns nothing (never NaN,
// never a throw) for input that is not positive and finite, outside the range
// where its source holds, or where it cannot be computed.
//
// The coil: D the former's diameter (the windows' diameter), the wire's centres
// on the helix diameter Dw = D + d, winding length ℓ, N turns, bare wire d,
// pitch p = ℓ / N. The sources, their ranges and uncertainties are given with
// each group below; the wire and loss formulas are in wire.cpp and losses.cpp,
// the self-capacitance and self-resonance in selfresonance.cpp.
#pragma once

#include <QString>

#include <optional>

enum class Conductor { Copper, SilverPlatedCopper, Aluminium };
enum class Former { Air, Polystyrene, Pvc, Ptfe, Glass, Ceramic };

// --- Materials --------------------------------------------------------------
// Resistivity at 20 °C in Ω·m. Copper: annealed copper standard, 1/58 Ω·mm²/m
// = 1.7241·10⁻⁸ (IEC 60028, "International standard of resistance for copper",
// 1925). Silver-plated copper: the copper's, because the plating of commercial
// wire (ASTM B298, "Silver-coated soft or annealed copper wire") is one to a
// few micrometres thick, thinner than the skin depth below a few hundred MHz
// (silver's 6.4 µm at 100 MHz), so the current flows mostly in the copper.
// Aluminium: 2.8264·10⁻⁸ (IEC 60889, "Hard-drawn aluminium wire for overhead
// line conductors", 1987). Wire of a real batch varies by about 2 %.
double ResistivityOhmMetre(Conductor c);
// Density in kg/m³: copper 8890 (IEC 60028), aluminium 2703 (IEC 60889).
double DensityKgPerM3(Conductor c);
// Relative permittivity at radio frequencies (1 to 100 MHz), from A. von
// Hippel, "Dielectric Materials and Applications", 1954: polystyrene 2.55,
// PVC 3.0 (rigid; plasticised grades run higher), PTFE 2.1, glass 4.8
// (borosilicate; soda glass 6 to 7), ceramic 6.0 (steatite). Grades differ by
// ±10 % and more. Air 1 (1.0006).
double RelativePermittivity(Former f);

// --- Wire gauges -------------------------------------------------------------
// The gauges each table holds, the thickest first.
constexpr int kAwgFirst = -3, kAwgLast = 56, kSwgFirst = -6, kSwgLast = 50;
// Bare wire diameter in mm of an AWG gauge: 0.127 mm · 92^((36 − n)/39), n from
// −3 (0000) to 56, the ASTM B258 definition of the gauge.
std::optional<double> AwgDiameterMm(int gauge);
// Bare wire diameter in mm of an SWG gauge, −6 (7/0) to 50, from the British
// Imperial Standard Wire Gauge (Board of Trade, Order in Council of 23 August
// 1883, in inches; 0 is 1/0, −1 is 2/0, ...).
std::optional<double> SwgDiameterMm(int gauge);

struct CoilSpec
{
    double diameterMm = 0, lengthMm = 0, turns = 0, wireMm = 0;
    Conductor conductor = Conductor::Copper;
    Former former = Former::Air;
};

// Whether the wire fits the pitch: d ≤ ℓ / N. Touching turns (d = p, a
// close-wound coil) fit; the comparison allows for the rounding of ℓ / N.
bool WireFitsPitch(const CoilSpec &c);

// --- Inductance of round wire --------------------------------------------------
// The current-sheet inductance on the helix diameter Dw (currentsheet.h) less
// Rosa's round-wire correction (E. B. Rosa, "The self and mutual inductances of
// linear conductors", Bulletin of the Bureau of Standards 4, 1908; F. W.
// Grover, "Inductance Calculations", 1946, chapter 16):
//   L = Ls(Dw) − μ0 · N · (Dw/2) · (G + H)
//   G = 5/4 − ln(2p/d)          the turn's own inductance, round wire against
//                               a strip of the sheet (uniform current: the
//                               low-frequency figure a bridge measures)
//   H = ln 2π − 3/2 − ln N/(6N) − 0.33084236/N − 1/(120 N³) + 1/(504 N⁵)
//       − 0.0011925/N⁷ + c9/N⁹  Rosa's mutual correction, as a series in 1/N
//                               that matches his sum (D. W. Knight, "Solenoid
//                               inductance calculation", g3ynh.info, 2016),
//                               with c9 making H(1) = 0.
// Holds for d ≤ p and N ≥ 1 (empty otherwise). On the help's example (20
// turns of 1 mm wire touching, on 20 mm) it agrees with the coil summed turn
// by turn as coaxial round loops (Maxwell's mutual inductance, Grover 1946)
// to 0.1 %, as on the designer's coil (0.2 % at 3 mm pitch for 1 mm wire);
// with thick wire on a thin former (d/D 1/6, 5 turns) they part by 0.6 %.
// Rosa's correction leaves out the helix's pitch and the current's crowding
// at high frequency.
std::optional<double> RoundWireInductanceMicroH(const CoilSpec &c);
// Rosa's H for N turns, the series above (empty below one turn).
std::optional<double> RosaMutualH(double n);

// --- Wire ----------------------------------------------------------------------
// The wire in the winding (leads excluded), m: the helix √((π Dw N)² + ℓ²).
std::optional<double> HelixWireLengthM(const CoilSpec &c);
// Its mass in g, bare copper or aluminium (enamel adds 1 to 5 %).
std::optional<double> WireMassG(const CoilSpec &c);
// Its resistance at 20 °C in Ω: ρ · length / (π d²/4).
std::optional<double> DcResistanceOhm(const CoilSpec &c);

// --- Losses and Q ----------------------------------------------------------------
// The skin depth in mm, δ = √(ρ / (π f μ0)) (non-magnetic metal).
std::optional<double> SkinDepthMm(Conductor c, double mhz);
// The coil's resistance at f in Ω: the straight wire's, from the exact Bessel
// solution for a round conductor (S. Ramo, J. R. Whinnery, T. Van Duzer,
// "Fields and Waves in Communication Electronics", 1965: R/Rdc = Re[(kr/2)
// J0(kr)/J1(kr)], k = (1 − j)/δ), times Medhurst's proximity factor for the
// turns (R. G. Medhurst, "H.F. resistance and self-capacitance of single-layer
// solenoids", Wireless Engineer 24, 1947, table of R_coil/R_straight against ℓ/D
// and d/p, as transcribed by S. Y. Stroobandt, "RF inductance calculator",
// hamwaves.com, 2007-2020). Medhurst's factor is measured and better than any
// continuous fit found (Knight's fits reproduce it, not improve on it), so the
// program interpolates his table: linear in d/p, in ℓ/D up to 10 and in D/ℓ
// from 10 to the infinitely long coil. It holds where the current flows in a
// skin: empty when the wire is thinner than three skin depths. Medhurst gave
// about 5 % for his measurements; the wire's surface adds more on old wire.
std::optional<double> AcResistanceOhm(const CoilSpec &c, double mhz);
// Medhurst's proximity factor alone, R of the coil over R of its wire straight,
// for the shape ℓ/D (on the helix diameter) and d/p from 0 to 1; empty outside.
std::optional<double> MedhurstProximityFactor(double lOverD, double dOverP);
// The unloaded Q at f: 2πf · L / R, with L the round-wire inductance, lowered
// as the coil nears its self-resonance in the proportion its apparent
// inductance rises (F. E. Terman, "Radio Engineers' Handbook", 1943, the
// effective Q of a coil with distributed capacitance). About ±10 % below
// FiguresHoldUpToMhz: measured Q of good air coils lies within 10 to 20 %
// below Medhurst's figure (leads, solder, the former's loss).
std::optional<double> UnloadedQ(const CoilSpec &c, double mhz);
// The apparent inductance at f, the round-wire L of a short-circuited helical
// line: L · tan(x)/x, x = π f / (2 fs) (D. W. Knight, "The self-resonance and
// self-capacitance of solenoid coils", 2016). Chosen over the lumped
// L / (1 − (f/fs)²) because the helical line is the model that gives fs here;
// the two part by 4.7 % at fs/2. Empty from fs up.
std::optional<double> ApparentInductanceMicroH(const CoilSpec &c, double mhz);

// --- Self-capacitance and self-resonance -------------------------------------------
// Medhurst's self-capacitance (selfcapacitance.h) on the helix diameter: his
// coils were wound on solid polystyrene rods; air-wound coils have less.
std::optional<double> MedhurstSelfCapacitancePf(const CoilSpec &c);
// Knight's self-capacitance with the former (D. W. Knight, "The
// self-resonance and self-capacitance of solenoid coils", 2016, section 5):
//   C = (4 ε0 εx / π) · ℓ · [1 + kc (1 + εi/εx) / 2] / cos²ψ
//   kc = 0.717439 (Dw/ℓ) + 0.933048 (Dw/ℓ)^1.5 + 0.106 (Dw/ℓ)²,
//   sin ψ = p / (π Dw)
// with εx = 1 outside and εi the former's, taken as a solid rod (a tube lies
// between it and air). Fitted by Knight to Medhurst's and air-cored data from
// ℓ/D 0.1 to 50, within about 5 % of them.
std::optional<double> KnightSelfCapacitancePf(const CoilSpec &c);
// The first self-resonance in MHz, Knight's helical-line method (same paper,
// section 11): fs = vf · c / (2 ℓw), ℓw the helix's wire, vf the velocity
// factor of the helix at its half-wave resonance, from Ollendorff's sheath
// helix with Knight's long-coil correction, solved as his VFnom. Valid for
// ℓ/D from 0.1 to 50 (the data he fitted reach 0.5 to 40; outside 0.1...50
// empty). Knight found it within about 5 % of measured air coils; the
// program's own check against Pettit's coils is in the help.
std::optional<double> HelicalSelfResonanceMhz(const CoilSpec &c);
// The frequency above which the per-frequency figures (AC resistance, Q,
// apparent inductance) no longer hold: 0.6 fs. There the apparent inductance
// L · tan(x)/x passes on the uncertainty of fs one to one (its logarithmic
// slope against fs, 2x/sin 2x − 1, reaches 1 at x = 0.948, f = 0.604 fs);
// above, a 10 % error of fs becomes a larger error of every figure that
// depends on f. Empty when fs is unknown.
std::optional<double> FiguresHoldUpToMhz(const CoilSpec &c);

// The figures of the sheet, for their tooltips.
enum class SheetFigure {
    CurrentSheetInductance,
    RoundWireInductance,
    ApparentInductance,
    WireLength,
    WireMass,
    DcResistance,
    SkinDepth,
    AcResistance,
    Q,
    MedhurstCapacitance,
    KnightCapacitance,
    SelfResonance,
    FiguresLimit,
};
// One short Italian sentence: the figure's source and its uncertainty.
QString SourceNote(SheetFigure f);
