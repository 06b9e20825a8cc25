// SPDX-License-Identifier: GPL-3.0-or-later
// The coil's physics beside the classic formula, against published tables and measurements.
#include "coil/accuracy.h"
#include "coil/coilsheet.h"
#include "coil/currentsheet.h"
#include "coil/selfcapacitance.h"
#include "common/columns.h"
#include <cmath>

namespace {
const double kNaN = qQNaN();
const QLocale kEn(QLocale::English, QLocale::UnitedStates), kIt(QLocale::Italian, QLocale::Italy);
bool near(std::optional<double> v, double expected, double tolerance) // NaN expects nothing
{
    return v ? std::abs(*v - expected) <= tolerance : std::isnan(expected);
}
// A row of a table: a name, a coil (D, ℓ, N, wire; 0 none) and three figures.
struct Row
{
    const char *name;
    double d = 0, l = 0, n = 0, wire = 0, a = 0, b = 0, c = 0;
};
} // namespace

class TestCoil : public QObject
{
    Q_OBJECT
private slots:
    void inductance_data();
    void inductance();
    void accuracyNote();
    void rosaH();
    void selfCapacitance_data();
    void selfCapacitance();
    void wire_data();
    void wire();
    void butterworth_data();
    void butterworth();
    void acResistance_data();
    void acResistance();
    void selfResonance_data();
    void selfResonance();
    void refused_data();
    void refused();
};

// Nagaoka's kN as Rosa and Grover (1912) publish it, the classic formula's deviation as the help gives it:
// ℓ/D in a, kN in b, the deviation in % in c, for a coil of 10 turns on a former of 3 mm (the shape decides).
const Row kShapes[] = {{"l/D 0.1", 3, 0.3, 10, 0, 0.1, 0.2033, -9.4},
                       {"l/D 0.25", 3, 0.75, 10, 0, 0.25, 0.3654, -1.0},
                       {"l/D 0.5", 3, 1.5, 10, 0, 0.5, 0.5255, 1.5},
                       {"l/D 1", 3, 3, 10, 0, 1, 0.6884, 1.5},
                       {"l/D 10", 3, 30, 10, 0, 10, 0.9588, 1.1}};
void TestCoil::inductance_data()
{
    rows(kShapes);
}
void TestCoil::inductance()
{
    QFETCH(int, i);
    const Row &r = kShapes[i];
    QVERIFY(near(NagaokaCoefficient(r.d, r.l), r.b, 5e-5)
            && near(ClassicDeviationPercent(r.d, r.l), r.c, 0.05));
    // µH: 1e-4 π² N² D² / ℓ · kN with the published kN, and 0.001 D² N² / (ℓ + 0.45 D).
    QVERIFY(near(CurrentSheetInductance(r.d, r.l, r.n), 1e-4 * M_PI * M_PI * 100 * 9 / r.l * r.b, 2e-4));
    QVERIFY(near(ClassicInductance(r.d, r.l, r.n), 0.9 / (r.l + 1.35), 1e-12));
    QCOMPARE(AccuracyNote(1, r.d, r.l, r.n).contains("Attenzione: bobina corta"), r.a < 0.4);
    for (const auto &[d, l, n] : {std::tuple{0.0, 20.0, 10.0}, {-20.0, 20.0, 10.0}, {20.0, 20.0, kNaN}})
        QVERIFY(!CurrentSheetInductance(d, l, n) && AccuracyNote(1, d, l, n).isEmpty());
}
// The note under a figure: the current sheet, the figure and its deviation (a tenth that rounds to 0.0 has no
// sign), the coil; for the turns asked for, the inductance that gave them (the warning of a short coil
// follows).
void TestCoil::accuracyNote()
{
    QVERIFY(AccuracyNote(1.35955, 20, 20, 10, kEn).contains("(formula classica): 1.360 µH, scarto 0.0 %"));
    QCOMPARE(
        AccuracyNote(0.7273, 100, 10, 2, kIt, ShownFigure::RequestedInductance).split(u'\n').first(3),
        QStringList(
            {"Induttanza a foglio di corrente (Nagaoka) con queste spire: 0,803 µH",
             "Induttanza richiesta, per cui la formula classica ha dato le spire: 0,727 µH, scarto -9,4 %",
             "Bobina: diametro 100 mm, lunghezza 10 mm, 2 spire, ℓ/D 0,10"}));
}
// Rosa's mutual correction H against Grover's table (Inductance Calculations, 1946, p. 150), to its last
// digit: none for one turn.
void TestCoil::rosaH()
{
    for (const auto &[n, h] :
         {std::pair{1.0, 0.0}, {2.0, 0.1137}, {3.0, 0.1663}, {10.0, 0.2664}, {100.0, 0.3269}})
        QVERIFY(near(RosaMutualH(n), h, 5e-5));
}
// Medhurst's H (pF per cm of diameter) at a few of his ratios ℓ/D, on a former of 10 mm, and midway between
// two; outside his table, nothing.
const Row kMedhurst[] = {{"l/D 0.1", 10, 1, 0, 0, 0.96},
                         {"l/D 1", 10, 10, 0, 0, 0.46},
                         {"l/D 3.5", 10, 35, 0, 0, 0.67},
                         {"l/D 50", 10, 500, 0, 0, 5.8},
                         {"midway 0.1 and 0.15", 10, 1.25, 0, 0, 0.875},
                         {"l/D 0.099", 100, 9.9, 0, 0, kNaN},
                         {"l/D 50.25", 4, 201, 0, 0, kNaN}};
void TestCoil::selfCapacitance_data()
{
    rows(kMedhurst);
}
void TestCoil::selfCapacitance()
{
    QFETCH(int, i);
    const Row &r = kMedhurst[i];
    QVERIFY(near(SelfCapacitancePf(r.d, r.l), r.a, 1e-9));
    QCOMPARE(SelfCapacitanceLine(r.d, r.l).isEmpty(), std::isnan(r.a));
    QCOMPARE(SelfCapacitanceNote(10, 100, r.d, r.l, r.l).isEmpty(), std::isnan(r.a));
}
// Wire tables: bare diameters as ASTM B258 (AWG, in a) and the Imperial Standard Wire Gauge of 1883 (SWG, in
// b) give them; per metre at 20 °C, AWG 14 copper 8.28 mΩ and 18.5 g, 2 mm aluminium 9.00 mΩ and 8.49 g (c:
// mΩ, n: g), on one turn stretched to a metre of helix.
const Row kWires[] = {
    {"AWG 4/0, SWG 7/0", -3, -6, 0, 0, 11.684, 12.700}, {"AWG 20, SWG 26", 20, 26, 0, 0, 0.812, 0.457},
    {"AWG 56, SWG 50", 56, 50, 0, 0, 0.0124, 0.025},    {"none past either end", 57, 51, 0, 0, kNaN, kNaN},
    {"AWG 14 copper", 0, 0, 18.5, 1.628, 0, 0, 8.28},   {"2 mm aluminium", 0, 0, 8.49, 2, 0, 0, 9.00}};
void TestCoil::wire_data()
{
    rows(kWires);
}
void TestCoil::wire()
{
    QFETCH(int, i);
    const Row &r = kWires[i];
    if (r.wire == 0) {
        QVERIFY(near(AwgDiameterMm(int(r.d)), r.a, 0.0006) && near(SwgDiameterMm(int(r.l)), r.b, 0.0006));
        return;
    }
    const CoilSpec c{1, 1000, 0.5, r.wire, r.wire == 2 ? Conductor::Aluminium : Conductor::Copper};
    const double metri = HelixWireLengthM(c).value_or(0);
    QVERIFY(metri > 1 && metri < 1.00002 && near(DcResistanceOhm(c).value_or(0) / metri * 1000, r.c, 0.02)
            && near(WireMassG(c).value_or(0) / metri, r.n, 0.05));
}
// Butterworth's F (in a) and G (in b) as F. E. Terman tabulates them (Radio Engineers' Handbook, 1943, table
// 18), x in d; either side of x = 20√2, where the series hand over to the asymptotic forms, F ≈ x/(2√2) + 1/4
// + 3/(16√2 x) and G ≈ (√2 x − 1)/8 − 1/(32√2 x) worked by hand. Terman's u against the turns (table 20): n
// turns give c; a fraction of a turn lies between.
const Row kTerman[] = {{"x 1, 2 turns", 1, 0, 2, 0, 1.005, 0.01519, 1},
                       {"x 5, 4 turns", 5, 0, 4, 0, 2.043, 0.755, 1.8},
                       {"x 10, 8 turns", 10, 0, 8, 0, 3.799, 1.641, 2.37},
                       {"x 100, one turn", 100, 0, 1, 0, 35.61, 17.55, 0},
                       {"series side of 20 sqrt 2, 2.5 turns", 28.2842, 0, 2.5, 0, 10.2547, 4.8742, 1.25},
                       {"asymptotic side", 28.2843, 0, 16, 0, 10.2547, 4.8742, 2.74}};
void TestCoil::butterworth_data()
{
    rows(kTerman);
}
void TestCoil::butterworth()
{
    QFETCH(int, i);
    const Row &r = kTerman[i];
    const ButterworthFunctions fg = Butterworth(r.d);
    const double tolerance = r.d < 30 ? 0.0006 : 0.006;
    QVERIFY2(near(fg.f, r.a, tolerance) && near(fg.g, r.b, tolerance),
             qPrintable(QString("%1 %2").arg(fg.f).arg(fg.g)));
    QVERIFY(std::abs(ButterworthTurnsU(r.n) - r.c) <= 0.03);
}
// R/Rdc of 1 mm copper wire at Butterworth's x (in a), from the tables: Terman's F and G, his u and
// Medhurst's factor (touching turns at ℓ/D 0.05, between his 5.31 at 0 and 5.45 at 0.2). A straight wire: F
// alone, towards 1 at DC; a ring: F alone whatever length it is given; short coils of touching turns (no
// self-resonance known, so no frequency cut off), thick and at d/δ 3.1, with 32 turns and with 2.
const double kExcess32 = 4.345 * 3.0 / kTurnsUMany, kExcess2 = 4.345 / kTurnsUMany;
const Row kLosses[] = {{"straight, near DC", 1000, 1e4, 10, 1, 0.354, 1.0},
                       {"straight, x 5", 1000, 1e4, 10, 1, 5, 2.043},
                       {"one ring given 1 mm", 20, 1, 1, 1, 33.84, 12.22},
                       {"one ring given 5 mm", 20, 5, 1, 1, 33.84, 12.22},
                       {"32 turns, thick", 639, 32, 32, 1, 100, 35.61 + kExcess32 * 2 * 17.55},
                       {"32 turns, d/δ 3.1", 639, 32, 32, 1, 2.2, 1.111 + kExcess32 * 2 * 0.2214},
                       {"2 turns, thick", 39, 2, 2, 1, 100, 35.61 + kExcess2 * 2 * 17.55}};
void TestCoil::acResistance_data()
{
    rows(kLosses);
}
void TestCoil::acResistance()
{
    QFETCH(int, i);
    const Row &r = kLosses[i];
    const CoilSpec coil{r.d, r.l, r.n, r.wire};
    // δ = d/(√2 x) and f = ρ / (π μ0 δ²), copper as IEC 60028 gives it.
    const double delta = r.wire * 1e-3 / (M_SQRT2 * r.a),
                 mhz = 1.7241e-8 / (M_PI * 4e-7 * M_PI * delta * delta) / 1e6;
    const double got = AcResistanceOhm(coil, mhz).value_or(0) / DcResistanceOhm(coil).value_or(1);
    QVERIFY2(std::abs(got / r.b - 1) < 0.01, qPrintable(QString::number(got, 'g', 6)));
}
// Measured first self-resonance of air coils: A. Pettit (KK4VB), 3.561 m of 1.83 mm wire stretched to each
// length, as reported by D. W. Knight (g3ynh.info, "Solenoid self-resonance measurements by Alex Pettit"),
// MHz in a, within 5 %; the two shorter coils sat on a polyethylene rod, taken as PTFE (b 1). Knight's
// self-capacitance with polystyrene inside against Medhurst's measured (his coils were on polystyrene rods),
// pF in c, within his 5 %, on 100 mm; air-wound coils have less.
const Row kMeasured[] = {{"Pettit, l/D 1.678, rod", 62.2 / 1.678 - 1.83, 62.2, 30.57, 1.83, 37.0, 1},
                         {"Pettit, l/D 4.28, rod", 158.8 / 4.28 - 1.83, 158.8, 30.52, 1.83, 57.4, 1},
                         {"Pettit, l/D 8.73", 323.9 / 8.73 - 1.83, 323.9, 30.42, 1.83, 67.8, 0},
                         {"Medhurst, l/D 0.2", 99.9, 20, 200, 0.1, kNaN, 0, 7.0},
                         {"Medhurst, l/D 1", 99.9, 100, 1000, 0.1, kNaN, 0, 4.6},
                         {"Medhurst, l/D 20", 99.9, 2000, 20000, 0.1, kNaN, 0, 23.6}};
void TestCoil::selfResonance_data()
{
    rows(kMeasured);
}
void TestCoil::selfResonance()
{
    QFETCH(int, i);
    const Row &r = kMeasured[i];
    CoilSpec c{r.d, r.l, r.n, r.wire, Conductor::Copper, r.b == 1 ? Former::Ptfe : Former::Air};
    if (std::isnan(r.a)) {
        c.former = Former::Polystyrene;
        const double rod = KnightSelfCapacitancePf(c).value_or(0);
        QVERIFY2(near(rod, r.c, 0.05 * r.c) && near(MedhurstSelfCapacitancePf(c), r.c, 0.005),
                 qPrintable(QString::number(rod)));
        c.former = Former::Air;
        QVERIFY(KnightSelfCapacitancePf(c) < rod);
        return;
    }
    const double fs = HelicalSelfResonanceMhz(c).value_or(0);
    QVERIFY2(std::abs(fs / r.a - 1) <= 0.05 && FiguresHoldUpToMhz(c) == 0.6 * fs,
             qPrintable(QString::number(fs)));
    // The line's pole at fs; above it no resistance, Q nor apparent inductance.
    QVERIFY(ApparentInductanceMicroH(c, 0.99 * fs) > 10 * *RoundWireInductanceMicroH(c));
    QVERIFY(!ApparentInductanceMicroH(c, fs) && !UnloadedQ(c, fs) && !AcResistanceOhm(c, fs)
            && UnloadedQ(c, 0.95 * fs) < UnloadedQ(c, fs / 2));
    // Q is ωL/R, lowered as L/L' where the distributed capacitance counts (Terman 1943).
    const double f = fs / 4, L = *RoundWireInductanceMicroH(c), q = 2 * M_PI * f * L / *AcResistanceOhm(c, f);
    QVERIFY(near(UnloadedQ(c, f), q * L / *ApparentInductanceMicroH(c, f), 1e-9 * q));
    // Each former of higher permittivity (von Hippel 1954, at 1-100 MHz) lowers it.
    for (const auto &[former, er] : {std::pair{Former::Polystyrene, 2.55},
                                     {Former::Pvc, 3.0},
                                     {Former::Glass, 4.8},
                                     {Former::Ceramic, 6.0}}) {
        const double before = *HelicalSelfResonanceMhz(c);
        QVERIFY(RelativePermittivity(c.former = former) == er && *HelicalSelfResonanceMhz(c) < before);
    }
}
// What has no figure, each letter one that is empty (W the wire's, R the round-wire L, K Knight's C, S the
// self-resonance, A the AC resistance): sizes not positive and finite, wire wider than the pitch, fewer than
// one turn, shapes outside ℓ/D 0.1 to 50, frequencies not positive; a frequency in a.
const Row kRefused[] = {{"zero diameter: WRKSA", 0, 20, 10, 1, 1},
                        {"negative wire: WRKSA", 20, 20, 10, -1, 1},
                        {"wire wider than pitch: RA", 20, 20, 10, 2.1, 1},
                        {"half a turn: RKS", 20, 0.5, 0.5, 0.5, 1},
                        {"l/D 0.05: KS", 199, 10, 10, 1, 1},
                        {"l/D 50, the last shape: ", 9.5, 500, 500, 0.5, 1},
                        {"negative MHz: A", 20, 20, 10, 1, -1},
                        {"wire under 3 skin depths: ", 20, 20, 100, 0.19, 1},
                        {"one turn: ", 5, 1, 1, 0.5, 1}};
void TestCoil::refused_data()
{
    rows(kRefused);
}
void TestCoil::refused()
{
    QFETCH(int, i);
    const Row &r = kRefused[i];
    const QString empty = QString(r.name).section(u':', 1).trimmed();
    const CoilSpec coil{r.d, r.l, r.n, r.wire};
    const bool wire = !HelixWireLengthM(coil);
    QCOMPARE(QList<bool>(
                 {wire, !WireMassG(coil), !DcResistanceOhm(coil), !MedhurstSelfCapacitancePf(coil) && wire}),
             QList<bool>(4, empty.contains('W')));
    QCOMPARE(
        QList<bool>({!RoundWireInductanceMicroH(coil), !KnightSelfCapacitancePf(coil),
                     !HelicalSelfResonanceMhz(coil), !AcResistanceOhm(coil, r.a)}),
        QList<bool>({empty.contains('R'), empty.contains('K'), empty.contains('S'), empty.contains('A')}));
    QCOMPARE(!UnloadedQ(coil, r.a), !AcResistanceOhm(coil, r.a) || !RoundWireInductanceMicroH(coil));
    QCOMPARE(QWithoutSelfResonance(coil), !empty.contains('R') && empty.contains('S'));
    QCOMPARE(!ApparentInductanceMicroH(coil, r.a), empty.contains('R') || empty.contains('S') || !(r.a > 0));
}
QTEST_APPLESS_MAIN(TestCoil)
#include "tst_coil.moc"
