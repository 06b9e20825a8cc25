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
// The coil's resistance at f in Ω, for any wire and any number of turns, in
// the form S. Butterworth gave it ("On the alternating current resistance of
// solenoidal coils", Proc. Roy. Soc. A 107, 1925), as F. E. Terman sets it out
// ("Radio Engineers' Handbook", 1943, the resistance of single-layer
// solenoids):
//   R / Rdc = F(x) · [1 + (Ψ − 1) · u(N)/u(∞) · 2 G(x)/F(x)],  x = d/(√2 δ)
// - F, the straight wire's skin effect, and G, its loss in the field of its
//   neighbours: the exact Bessel solutions for a round wire (below), at every
//   thickness, from DC (F = 1, G = 0) to wire hundreds of skin depths thick.
// - Ψ, Medhurst's proximity factor, R of the coil over R of the same wire
//   straight, as he measured it on coils of many turns of thick wire (R. G.
//   Medhurst, "H.F. resistance and self-capacitance of single-layer
//   solenoids", Wireless Engineer 24, 1947; his table as S. Y. Stroobandt,
//   "RF inductance calculator", hamwaves.com, 2007-2020, transcribes it),
//   interpolated linearly in d/p, in ℓ/D up to 10 and in D/ℓ from 10 to the
//   infinitely long coil. At ℓ/D = 10, d/p = 0.7 the transcriptions differ
//   (2.27 and 2.37); 2.37 keeps the column rising with ℓ/D as all others do.
// - 2G/F takes Medhurst's excess down as the wire thins against the skin
//   depth: it is 1 for thick wire, 0.37 at d/δ = 3, 0.71 at 6, 0.81 at 10,
//   0.90 at 20, and vanishes towards DC, where no current crowds.
// - u(N)/u(∞), Butterworth's sum over the turns (each in the field of all the
//   others), Terman's table of u against the number of turns: 0 for a single
//   ring, which has no neighbour, 0.30 for two turns, 0.46 for three, 0.72 for
//   eight, 0.9 from about thirty, 1 for many.
// Continuous in every size: nothing jumps where thick wire hands over to thin,
// or one turn to two. Medhurst gave about 5 % for his thick-wire factor; the
// frequency and turn scalings are Butterworth's uniform-field theory, which
// agrees with exact solutions for turns spaced two wires apart or more (G. S.
// Smith, IEEE Trans. Antennas Propag., 1972) and overstates two or three
// close-wound turns (by up to 40 % of the resistance at d/p 0.9). Above the
// self-resonance the coil is no inductor: empty there.
std::optional<double> AcResistanceOhm(const CoilSpec &c, double mhz);
// Butterworth's functions of a round wire, x = d/(√2 δ): F = R/Rdc of the wire
// alone, Re[(q/2) J0(q)/J1(q)] with q = x e^{−jπ/4}; G = (x/4) Re[J2(z) J1*(z)
// e^{−3jπ/4}] / |J0(z)|² with z = x e^{3jπ/4}. The power series to r = 20 δ,
// past it F ≈ x/(2√2) + 1/4 + 3/(16√2 x), G ≈ (√2 x − 1)/8 − 1/(32√2 x).
struct ButterworthFunctions
{
    double f = 0, g = 0;
};
ButterworthFunctions Butterworth(double x);
// Butterworth's u for N turns in a row, each in the field of the others as
// straight parallel wires: (1/N) Σk (Σj≠k 1/(k − j))², 0 for one turn,
// linear between whole numbers; π²/3 for many.
double ButterworthTurnsU(double turns);
inline constexpr double kTurnsUMany = 3.289868133696453; // π²/3
// Medhurst's proximity factor alone, R of the coil over R of its wire straight,
// for the shape ℓ/D (on the helix diameter) and d/p from 0 to 1; empty outside.
std::optional<double> MedhurstProximityFactor(double lOverD, double dOverP);
// The unloaded Q at f: 2πf · L / R, with L the round-wire inductance, lowered
// as the coil nears its self-resonance in the proportion its apparent
// inductance rises (F. E. Terman, "Radio Engineers' Handbook", 1943, the
// effective Q of a coil with distributed capacitance). Where the self-resonance
// is not known (ℓ/D outside 0.1 to 50), without that lowering, which is small
// well below it. As good as the resistance: the help's table sets it beside
// published measurements.
std::optional<double> UnloadedQ(const CoilSpec &c, double mhz);
// Whether the coil's Q is given without the self-resonance's lowering.
bool QWithoutSelfResonance(const CoilSpec &c);
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
    QWithoutSelfResonance,
};
// One short Italian sentence: the figure's source and its uncertainty.
QString SourceNote(SheetFigure f);
