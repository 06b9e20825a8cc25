// SPDX-License-Identifier: GPL-3.0-or-later
// The coil's physics beside the classic formula, against published tables where there are some.
#include "coil/accuracy.h"
#include "coil/coilsheet.h"
#include "coil/currentsheet.h"
#include "coil/selfcapacitance.h"
#include "common/columns.h"
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(CoilSpec)
Q_DECLARE_METATYPE(Conductor)

const double kNaN = qQNaN(), kInf = qInf();
const QLocale kC = QLocale::c(), kEn(QLocale::English, QLocale::UnitedStates),
              kIt(QLocale::Italian, QLocale::Italy);
static bool near(std::optional<double> v, double expected, double tolerance) // NaN expects nothing
{
    return v ? std::abs(*v - expected) <= tolerance : std::isnan(expected);
}
class TestCoil : public QObject
{
    Q_OBJECT
private slots:
    void shape_data();
    void shape();
    void inductance_data();
    void inductance();
    void accuracyNote_data();
    void accuracyNote();
    void selfCapacitance_data();
    void selfCapacitance();
    void selfNote_data();
    void selfNote();
    void selfFigures();
    void gauges_data();
    void gauges();
    void rosaH();
    void wire_data();
    void wire();
    void roundWire_data();
    void roundWire();
    void butterworth_data();
    void butterworth();
    void turnsU();
    void acResistance_data();
    void acResistance();
    void selfResonance_data();
    void selfResonance();
    void knightCapacitance_data();
    void knightCapacitance();
    void refused_data();
    void refused();
};

// By ℓ/D: kN as Rosa and Grover (1912) publish it, the deviation as precisione.html gives it, ± half the last
// digit.
void TestCoil::shape_data()
{
    columns<double, double, double>("ratio", "kN", "percent");
    for (const auto &[ratio, kN, percent] :
         std::initializer_list<std::tuple<double, double, double>>{{0.1, 0.2033, -9.4},
                                                                   {0.2, 0.3198, -2.5},
                                                                   {0.25, 0.3654, -1.0},
                                                                   {0.4, 0.4719, 1.0},
                                                                   {0.5, 0.5255, 1.5},
                                                                   {1, 0.6884, 1.5},
                                                                   {2, 0.8181, 1.1},
                                                                   {5, 0.9201, 1.0},
                                                                   {10, 0.9588, 1.1}})
        QTest::addRow("l/D %g", ratio) << ratio << kN << percent;
}
void TestCoil::shape()
{
    QFETCH(double, ratio);
    QFETCH(double, kN);
    QFETCH(double, percent);
    QVERIFY(!NagaokaCoefficient(1, 0.5e-5) && NagaokaCoefficient(1, 1e-5) && NagaokaCoefficient(1, 1e6)
            && !NagaokaCoefficient(1, 2e6) && !NagaokaCoefficient(-1, -1));
    for (const double d : {1.0, 3.0, 37.5}) { // the shape decides, not the size
        QVERIFY(near(NagaokaCoefficient(d, ratio * d), kN, 5e-5));
        QVERIFY(near(ClassicDeviationPercent(d, ratio * d), percent, 0.05));
        QCOMPARE(AccuracyNote(1, d, ratio * d, 10).contains("Attenzione: bobina corta"), ratio < 0.4);
    }
}
// µH by hand: 1e-4 π² N² D² / ℓ · kN with the published kN, 0.001 D² N² / (ℓ + 0.45 D). NaN: nothing; shape:
// D, ℓ fine.
void TestCoil::inductance_data()
{
    columns<double, double, double, double, double, bool>("D", "l", "N", "sheet", "classic", "shape");
    QTest::newRow("D 20, l 20, 10 turns") << 20.0 << 20.0 << 10.0 << 1.35885 << 40.0 / 29 << true;
    QTest::newRow("D 100, l 10, 2 turns") << 100.0 << 10.0 << 2.0 << 0.80259 << 40.0 / 55 << true;
    const struct
    {
        const char *name;
        double d, l, n;
        bool shape;
    } refused[] = {{"zero diameter", 0, 20, 10, false},
                   {"NaN diameter", kNaN, 20, 10, false},
                   {"infinite length", 20, kInf, 10, false},
                   {"zero turns", 20, 20, 0, true},
                   {"negative turns", 20, 20, -10, true},
                   {"NaN turns", 20, 20, kNaN, true},
                   {"too few turns to count", 20, 20, 1e-200, true},
                   {"negative diameter", -20, 20, 10, false}};
    for (const auto &r : refused)
        QTest::newRow(r.name) << r.d << r.l << r.n << kNaN << kNaN << r.shape;
}
void TestCoil::inductance()
{
    QFETCH(double, D);
    QFETCH(double, l);
    QFETCH(double, N);
    QFETCH(double, sheet);
    QFETCH(double, classic);
    QFETCH(bool, shape);
    QVERIFY(near(CurrentSheetInductance(D, l, N), sheet, 2e-4));
    QVERIFY(near(ClassicInductance(D, l, N), classic, 1e-12));
    QCOMPARE(AccuracyNote(1, D, l, N, kIt).isEmpty(), std::isnan(sheet));
    QVERIFY(AccuracyNote(0, D, l, N).isEmpty()
            && AccuracyNote(-1, D, l, N).isEmpty()); // no figure to compare
    const QList<bool> given{NagaokaCoefficient(D, l).has_value(), ClassicDeviationPercent(D, l).has_value(),
                            SelfCapacitancePf(D, l).has_value(), !SelfCapacitanceLine(D, l).isEmpty()};
    QCOMPARE(given, QList<bool>(given.size(), shape));
}
// texts: the current-sheet µH, the figure's µH, the deviation, D, ℓ, N and ℓ/D as shown, the short-coil
// ratio.
void TestCoil::accuracyNote_data()
{
    columns<QLocale, bool, double, double, double, double, QString>("locale", "requested", "shown", "D", "l",
                                                                    "N", "texts");
    QTest::newRow("en_US 0.048 % rounds to 0.0, unsigned")
        << kEn << false << 1.35955 << 20.0 << 20.0 << 10.0 << "1.359 1.360 0.0 20 20 10 1.00";
    QTest::newRow("en_US a tenth above")
        << kEn << false << 1.36025 << 20.0 << 20.0 << 10.0 << "1.359 1.360 +0.1 20 20 10 1.00";
    QTest::newRow("it_IT requested, short coil")
        << kIt << true << 0.7273 << 100.0 << 10.0 << 2.0 << "0,803 0,727 -9,4 100 10 2 0,10 0,4";
    QTest::newRow("it_IT thousands") << kIt << false << 3000.0 << 40.5 << 1234.25 << 1512.5
                                     << "2.959,143 3.000,000 +1,4 40,5 1.234,25 1.512,5 30,48";
}
void TestCoil::accuracyNote()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, requested);
    QFETCH(double, shown);
    QFETCH(double, D);
    QFETCH(double, l);
    QFETCH(double, N);
    QFETCH(QString, texts);
    const QStringList t = texts.split(u' ');
    const QString sheet = requested ? " con queste spire" : "",
                  figure = requested ? "Induttanza richiesta, per cui la "
                                       "formula classica ha dato le spire"
                                     : "Valore mostrato (formula classica)";
    QStringList expected{
        "Induttanza a foglio di corrente (Nagaoka)" + sheet + ": " + t[0] + " µH",
        figure + ": " + t[1] + " µH, scarto " + t[2] + " %",
        QString("Bobina: diametro %1 mm, lunghezza %2 mm, %3 spire, ℓ/D %4").arg(t[3], t[4], t[5], t[6])};
    if (t.size() > 7)
        expected << "Attenzione: bobina corta (ℓ/D sotto " + t[7]
                + "), qui la formula classica perde precisione.";
    QCOMPARE(AccuracyNote(shown, D, l, N, locale,
                          requested ? ShownFigure::RequestedInductance : ShownFigure::Inductance)
                 .split(u'\n'),
             expected);
}
// pF = Medhurst's H × D in cm; midway between his ratios the neighbours' mean. NaN: nothing.
void TestCoil::selfCapacitance_data()
{
    columns<double, double, double, double>("D", "l", "pf", "tolerance");
    // Medhurst's H at a few of his ratios, on a former of 10 mm (C = H pF), and midway between two.
    for (const auto &[ratio, h] : std::initializer_list<std::pair<double, double>>{
             {0.1, 0.96}, {0.45, 0.52}, {1, 0.46}, {3.5, 0.67}, {50, 5.8}, {0.125, 0.875}, {45, 5.2}})
        QTest::addRow("H(%g) %g", ratio, h) << 10.0 << 10 * ratio << h << 1e-9;
    QTest::newRow("l/D 0.099 below") << 100.0 << 9.9 << kNaN << 0.0;
    QTest::newRow("l/D 50.25 above") << 4.0 << 201.0 << kNaN << 0.0;
}
void TestCoil::selfCapacitance()
{
    QFETCH(double, D);
    QFETCH(double, l);
    QFETCH(double, pf);
    QFETCH(double, tolerance);
    QVERIFY2(near(SelfCapacitancePf(D, l), pf, tolerance),
             qPrintable(QString::number(SelfCapacitancePf(D, l).value_or(0))));
    QCOMPARE(SelfCapacitanceLine(D, l, kC).isEmpty(), std::isnan(pf));
    QCOMPARE(SelfCapacitanceNote(10, 100, D, l, l, kC).isEmpty(), std::isnan(pf)); // a turn a millimetre
    QVERIFY(SelfCapacitanceNote(0, 100, D, l, l).isEmpty() && SelfCapacitanceNote(10, -0.5, D, l, l).isEmpty()
            && SelfCapacitanceNote(10, 100, D, l, 0).isEmpty());
}
// Pettit's coils (see selfResonance) with L = 2.533 µH: f = √(10000 / (C + Cself)) MHz. Long coil, ℓ/D 8.73:
// H 1.193, 4.43 pF; 20.25 and 12 pF give 20.131 and 24.673 MHz, below and above a third of the measured 67.8
// MHz. Short coil, ℓ/D 1.678: H 0.4807, 1.78 pF; 3.5 pF gives 43.512 MHz. The note's own resonance must match
// the measured one.
void TestCoil::selfNote_data()
{
    columns<QLocale, double, double, double, double, QString, double, double>(
        "locale", "l", "lOverD", "N", "tuningPf", "texts", "measured",
        "tolerance"); // Cself, tuning, MHz, warning
    QTest::newRow("it_IT long coil, below a third")
        << kIt << 323.9 << 8.73 << 30.42 << 20.25 << "4,4 20,25 20,131" << 67.8 << 0.10;
    QTest::newRow("en_US long coil, above a third")
        << kEn << 323.9 << 8.73 << 30.42 << 12.0 << "4.4 12 24.673 !" << 67.8 << 0.10;
    QTest::newRow("it_IT short coil, on its rod")
        << kIt << 62.2 << 1.678 << 30.57 << 3.5 << "1,8 3,5 43,512 !" << 37.0 << 0.13;
}
void TestCoil::selfNote()
{
    QFETCH(QLocale, locale);
    QFETCH(double, l);
    QFETCH(double, lOverD);
    QFETCH(double, N);
    QFETCH(double, tuningPf);
    QFETCH(QString, texts);
    QFETCH(double, measured);
    QFETCH(double, tolerance);
    const QStringList t = texts.split(u' ');
    const QStringList note = SelfCapacitanceNote(2.533, tuningPf, l / lOverD, l, N, locale).split(u'\n');
    QCOMPARE(note.mid(0, 2),
             QStringList({"Capacità propria della bobina (Medhurst): " + t[0] + " pF",
                          "Con la capacità propria (" + t[1] + " + " + t[0] + " pF): " + t[2] + " MHz"}));
    QVERIFY(QRegularExpression("^Risonanza propria della bobina: \\d\\d[.,]\\d MHz$")
                .match(note[2])
                .hasMatch()); // 3 figures
    const double fs = locale.toDouble(note[2].section(u' ', 4, 4));
    QVERIFY2(std::abs(fs / measured - 1) <= tolerance, qPrintable(note[2]));
    QCOMPARE(note.size() > 3, t.size() > 3);
    if (t.size() > 3)
        QCOMPARE(
            note[3],
            "Attenzione: la frequenza supera un terzo della risonanza propria: qui la bobina non si comporta "
            "più come un'induttanza pura.");
    QCOMPARE(SelfCapacitanceLine(l / lOverD, l, locale), "Capacità propria (Medhurst): " + t[0] + " pF");
}
void TestCoil::selfFigures() // a self-resonance to three figures, from GHz down to kHz
{
    for (const auto &[d, l, n, figure] : std::initializer_list<std::tuple<double, double, double, QString>>{
             {2, 2, 2, "\\d\\.\\d{3}"}, {1e3, 2e3, 2e3, "0,0\\d\\d"}})
        QVERIFY2(SelfCapacitanceNote(1, 1, d, l, n, kIt)
                     .contains(QRegularExpression("propria della bobina: " + figure + " MHz")),
                 qPrintable(SelfCapacitanceNote(1, 1, d, l, n, kIt)));
}
// Bare diameters in mm as ASTM B258 (AWG) and the metric tables of the Imperial Standard Wire Gauge of 1883
// (SWG, every gauge from 7/0 to 50) publish them.
void TestCoil::gauges_data()
{
    columns<bool, int, double>("awg", "gauge", "mm");
    for (const auto &[g, mm] : std::initializer_list<std::pair<int, double>>{{-3, 11.684},
                                                                             {0, 8.251},
                                                                             {14, 1.628},
                                                                             {20, 0.812},
                                                                             {36, 0.127},
                                                                             {56, 0.0124},
                                                                             {-4, kNaN},
                                                                             {57, kNaN}})
        QTest::addRow("AWG %d", g) << true << g << mm;
    for (const auto &[g, mm] : std::initializer_list<std::pair<int, double>>{{-6, 12.700},
                                                                             {0, 8.230},
                                                                             {18, 1.219},
                                                                             {26, 0.457},
                                                                             {36, 0.193},
                                                                             {50, 0.025},
                                                                             {-7, kNaN},
                                                                             {51, kNaN}})
        QTest::addRow("SWG %d", g) << false << g << mm;
}
void TestCoil::gauges()
{
    QFETCH(bool, awg);
    QFETCH(int, gauge);
    QFETCH(double, mm);
    QVERIFY(near(awg ? AwgDiameterMm(gauge) : SwgDiameterMm(gauge), mm, 0.0006));
}
// Per metre of wire, from wire tables at 20 °C: AWG 14 copper 8.28 mΩ and 18.5 g (2.08 mm²); 2 mm aluminium
// 9.00 mΩ and 8.49 g. One turn stretched to 1 m of helix on a 1 mm former keeps the arithmetic out of the
// test.
void TestCoil::wire_data()
{
    columns<double, Conductor, double, double>("wire", "conductor", "mOhm", "grams");
    QTest::newRow("AWG 14 copper") << 1.628 << Conductor::Copper << 8.28 << 18.5;
    QTest::newRow("AWG 14 silver-plated") << 1.628 << Conductor::SilverPlatedCopper << 8.28 << 18.5;
    QTest::newRow("2 mm aluminium") << 2.0 << Conductor::Aluminium << 9.00 << 8.49;
}
void TestCoil::wire()
{
    QFETCH(double, wire);
    QFETCH(Conductor, conductor);
    QFETCH(double, mOhm);
    QFETCH(double, grams);
    const CoilSpec c{1, 1000, 0.5, wire, conductor};
    const double metri = HelixWireLengthM(c).value_or(0);
    QVERIFY(metri > 1 && metri < 1.00002);
    QVERIFY(near(DcResistanceOhm(c).value_or(0) / metri * 1000, mOhm, 0.02));
    QVERIFY(near(WireMassG(c).value_or(0) / metri, grams, 0.05));
}
// The round-wire L against the coil summed turn by turn as round loops of uniform current, Maxwell's mutual
// inductance of coaxial circles (Grover 1946), evaluated apart from this program (mpmath): within 0.1-0.2 %,
// 0.6 % for thick wire on a thin former (d/D 1/6, where the thin-loop formula itself weakens). The first row
// is the help's example (sheet 5.899 µH on 21 mm, less 0.225 µH), the third the designer's coil at load.
void TestCoil::roundWire_data()
{
    columns<double, double, double, double, double, double>("D", "l", "N", "wire", "loops", "tolerance");
    QTest::newRow("20 turns of 1 mm touching on 20 mm") << 20.0 << 20.0 << 20.0 << 1.0 << 5.67263 << 0.001;
    QTest::newRow("10 turns of 1 mm at 3 mm pitch on 30 mm")
        << 30.0 << 30.0 << 10.0 << 1.0 << 2.20502 << 0.002;
    QTest::newRow("110 turns of 0.5 mm on 40 mm") << 40.0 << 55.0 << 110.0 << 0.5 << 265.0936 << 0.001;
    QTest::newRow("5 turns of 2 mm at 2.5 mm on 10 mm") << 10.0 << 12.5 << 5.0 << 2.0 << 0.176352 << 0.007;
}
void TestCoil::roundWire()
{
    QFETCH(double, D);
    QFETCH(double, l);
    QFETCH(double, N);
    QFETCH(double, wire);
    QFETCH(double, loops);
    QFETCH(double, tolerance);
    const CoilSpec c{D, l, N, wire};
    QVERIFY(WireFitsPitch(c));
    QVERIFY2(near(RoundWireInductanceMicroH(c), loops, tolerance * loops),
             qPrintable(QString::number(*RoundWireInductanceMicroH(c))));
}
// Rosa's mutual-inductance correction H as his table gives it (Bulletin of the Bureau of Standards 4, 1908;
// Grover, "Inductance Calculations", 1946), to its fourth decimal; one turn has no mutual inductance: exactly
// 0.
void TestCoil::rosaH()
{
    const std::pair<double, double> table[] = {{1, 0},      {2, 0.1137}, {3, 0.1663},  {4, 0.1973},
                                               {5, 0.2180}, {6, 0.2329}, {10, 0.2664}, {20, 0.2964}};
    for (const auto &[n, h] : table)
        QVERIFY2(near(RosaMutualH(n), h, n == 1 ? 1e-12 : 0.00006), qPrintable(QString::number(n)));
    QVERIFY(!RosaMutualH(0.5) && !RosaMutualH(kNaN));
}
// Butterworth's F and G as F. E. Terman tabulates them (Radio Engineers' Handbook, 1943, table 18; his H is
// F), to his last digit; either side of x = 20√2, where the series hand over to the asymptotic forms, the
// same: F ≈ x/(2√2) + 1/4 + 3/(16√2 x), G ≈ (√2 x − 1)/8 − 1/(32√2 x) worked by hand.
void TestCoil::butterworth_data()
{
    columns<double, double, double, double>("x", "F", "G", "tolerance");
    for (const auto &[x, f, g] :
         std::initializer_list<std::tuple<double, double, double>>{{1, 1.005, 0.01519},
                                                                   {2.5, 1.175, 0.2949},
                                                                   {5, 2.043, 0.755},
                                                                   {10, 3.799, 1.641},
                                                                   {30, 10.86, 5.177},
                                                                   {100, 35.61, 17.55}})
        QTest::addRow("x %g", x) << x << f << g << (x < 30 ? 0.0006 : 0.006);
    QTest::newRow("series side of 20 sqrt 2") << 28.2842 << 10.2547 << 4.8742 << 2e-4;
    QTest::newRow("asymptotic side") << 28.2843 << 10.2547 << 4.8742 << 2e-4;
}
void TestCoil::butterworth()
{
    QFETCH(double, x);
    QFETCH(double, F);
    QFETCH(double, G);
    QFETCH(double, tolerance);
    const ButterworthFunctions fg = Butterworth(x);
    QVERIFY2(near(fg.f, F, tolerance) && near(fg.g, G, tolerance),
             qPrintable(QString("%1 %2").arg(fg.f).arg(fg.g)));
}
// Butterworth's u against the number of turns as Terman tabulates it (table 20); none for one turn, and a
// fraction of a turn between its neighbours.
void TestCoil::turnsU()
{
    for (const auto &[n, u] : std::initializer_list<std::pair<double, double>>{
             {1, 0}, {2, 1}, {4, 1.8}, {8, 2.37}, {16, 2.74}, {32, 3.0}, {2.5, 1.25}})
        QVERIFY2(std::abs(ButterworthTurnsU(n) - u) <= 0.03, qPrintable(QString::number(n)));
    QVERIFY(std::abs(ButterworthTurnsU(5000) - kTurnsUMany) < 0.01 && ButterworthTurnsU(0.5) == 0);
}
// R/Rdc of 1 mm copper wire at Butterworth's x = d/(√2 δ), from the tables: Terman's F and G (x
// 5: 2.043; 2.2: 1.111, 0.2214; 100: 35.61, 17.55; 33.84 between 30 and 40), his u (2 turns 1, 32 turns 3.0,
// many π²/3) and Medhurst's factor (touching turns, ℓ/D 0.05 between his 5.31 at 0 and 5.45 at 0.2). A
// straight wire: F alone, towards 1 at DC; a ring: F alone whatever length it is given; short coils of
// touching turns (no self-resonance known, so no frequency is cut off) thick and at d/δ 3.1, with 32 turns
// and with 2.
void TestCoil::acResistance_data()
{
    columns<CoilSpec, double, double>("coil", "x", "ratio");
    const double excess32 = 4.345 * 3.0 / kTurnsUMany, excess2 = 4.345 * 1.0 / kTurnsUMany;
    QTest::newRow("straight, near DC") << CoilSpec{1000, 1e4, 10, 1} << 0.354 << 1.0;
    QTest::newRow("straight, x 5") << CoilSpec{1000, 1e4, 10, 1} << 5.0 << 2.043;
    QTest::newRow("one ring given 1 mm") << CoilSpec{20, 1, 1, 1} << 33.84 << 12.22;
    QTest::newRow("one ring given 5 mm") << CoilSpec{20, 5, 1, 1} << 33.84 << 12.22;
    QTest::newRow("32 turns, thick") << CoilSpec{639, 32, 32, 1} << 100.0
                                     << 35.61 * (1 + excess32 * 2 * 17.55 / 35.61);
    QTest::newRow("32 turns, d/δ 3.1")
        << CoilSpec{639, 32, 32, 1} << 2.2 << 1.111 * (1 + excess32 * 2 * 0.2214 / 1.111);
    QTest::newRow("2 turns, thick") << CoilSpec{39, 2, 2, 1} << 100.0
                                    << 35.61 * (1 + excess2 * 2 * 17.55 / 35.61);
}
void TestCoil::acResistance()
{
    QFETCH(CoilSpec, coil);
    QFETCH(double, x);
    QFETCH(double, ratio);
    // δ = d/(√2 x) and f = ρ / (π μ0 δ²), copper as IEC 60028 gives it.
    const double delta = coil.wireMm * 1e-3 / (M_SQRT2 * x),
                 mhz = 1.7241e-8 / (M_PI * 4e-7 * M_PI * delta * delta) / 1e6;
    const double got = AcResistanceOhm(coil, mhz).value_or(0) / DcResistanceOhm(coil).value_or(1);
    QVERIFY2(std::abs(got / ratio - 1) < 0.01, qPrintable(QString::number(got, 'g', 6)));
}

// Measured first self-resonance of air coils: A. Pettit (KK4VB), 3.561 m of 1.83 mm wire stretched to each
// length, as reported by D. W. Knight (g3ynh.info, "Solenoid self-resonance measurements by Alex Pettit");
// ℓ/D on the helix, N from the wire's length; within 5 %. The two shorter coils sat on a polyethylene rod (εr
// about 2.3): taken as the nearest former the program offers, PTFE (2.1).
void TestCoil::selfResonance_data()
{
    columns<double, double, double, double, bool>("l", "lOverD", "N", "measured", "rod");
    QTest::newRow("l/D 1.678, rod") << 62.2 << 1.678 << 30.57 << 37.0 << true;
    QTest::newRow("l/D 4.28, rod") << 158.8 << 4.28 << 30.52 << 57.4 << true;
    QTest::newRow("l/D 8.73") << 323.9 << 8.73 << 30.42 << 67.8 << false;
}
void TestCoil::selfResonance()
{
    QFETCH(double, l);
    QFETCH(double, lOverD);
    QFETCH(double, N);
    QFETCH(double, measured);
    QFETCH(bool, rod);
    const CoilSpec c{l / lOverD - 1.83, l, N, 1.83, Conductor::Copper, rod ? Former::Ptfe : Former::Air};
    const double fs = HelicalSelfResonanceMhz(c).value_or(0);
    QVERIFY2(std::abs(fs / measured - 1) <= 0.05, qPrintable(QString::number(fs)));
    QCOMPARE(FiguresHoldUpToMhz(c).value_or(0), 0.6 * fs);
    QVERIFY(ApparentInductanceMicroH(c, 0.99 * fs)
            > 10 * *RoundWireInductanceMicroH(c)); // the line's pole at fs
    QVERIFY(!ApparentInductanceMicroH(c, fs) && !UnloadedQ(c, fs)
            && UnloadedQ(c, 0.95 * fs) < UnloadedQ(c, fs / 2));
    CoilSpec denser = c; // each former of higher permittivity (von Hippel 1954, at 1-100 MHz) lowers it
    for (const auto &[former, er] :
         std::initializer_list<std::pair<Former, double>>{{Former::Ptfe, 2.1},
                                                          {Former::Polystyrene, 2.55},
                                                          {Former::Pvc, 3},
                                                          {Former::Glass, 4.8},
                                                          {Former::Ceramic, 6}}) {
        const double before = *HelicalSelfResonanceMhz(denser);
        QVERIFY(RelativePermittivity(denser.former = former) == er
                && *HelicalSelfResonanceMhz(denser) <= before);
    }
    // Q is ωL/R of the figures tested apart, lowered as L/L' where the distributed capacitance counts (Terman
    // 1943).
    const double f = fs / 4, L = *RoundWireInductanceMicroH(c), q = 2 * M_PI * f * L / *AcResistanceOhm(c, f);
    QVERIFY(near(UnloadedQ(c, f), q * L / *ApparentInductanceMicroH(c, f), 1e-9 * q));
}
// Medhurst's measured self-capacitance (coils on solid polystyrene rods, his H × D) against Knight's formula
// with polystyrene inside: within the 5 % of Medhurst's data. A close-wound many-turn coil on 100 mm.
void TestCoil::knightCapacitance_data()
{
    columns<double, double>("lOverD", "medhurstPf");
    for (const auto &[r, pf] : std::initializer_list<std::pair<double, double>>{{0.1, 9.6},
                                                                                {0.2, 7.0},
                                                                                {0.5, 5.0},
                                                                                {1, 4.6},
                                                                                {2, 5.0},
                                                                                {5, 8.1},
                                                                                {10, 13.2},
                                                                                {20, 23.6},
                                                                                {40, 46.0}})
        QTest::addRow("l/D %g", r) << r << pf;
}
void TestCoil::knightCapacitance()
{
    QFETCH(double, lOverD);
    QFETCH(double, medhurstPf);
    CoilSpec c{99.9, 100 * lOverD, 1000 * lOverD, 0.1, Conductor::Copper, Former::Polystyrene};
    QVERIFY2(near(KnightSelfCapacitancePf(c), medhurstPf, 0.05 * medhurstPf),
             qPrintable(QString::number(*KnightSelfCapacitancePf(c))));
    QVERIFY(near(MedhurstSelfCapacitancePf(c), medhurstPf, 0.005));
    const double rod = *KnightSelfCapacitancePf(c);
    c.former = Former::Air; // air-wound coils have less
    QVERIFY(KnightSelfCapacitancePf(c) < rod);
}
// What has no figure: sizes not positive and finite, wire wider than the pitch, fewer than one turn, shapes
// outside ℓ/D 0.1 to 50 (self-capacitance and resonance), wire under three skin depths, frequencies not
// positive.
void TestCoil::refused_data()
{
    columns<CoilSpec, double, QString>("coil", "mhz",
                                       "empty"); // W wire, R round-wire L, K Knight, S resonance, A AC R
    const struct
    {
        const char *name;
        CoilSpec coil;
        double mhz;
        const char *empty;
    } rows[] = {{"zero diameter", {0, 20, 10, 1}, 1, "WRKSA"},
                {"NaN length", {20, kNaN, 10, 1}, 1, "WRKSA"},
                {"infinite turns", {20, 20, kInf, 1}, 1, "WRKSA"},
                {"negative wire", {20, 20, 10, -1}, 1, "WRKSA"},
                {"wire wider than pitch", {20, 20, 10, 2.1}, 1, "RA"},
                {"half a turn", {20, 0.5, 0.5, 0.5}, 1, "RKS"},
                {"l/D 0.05", {199, 10, 10, 1}, 1, "KS"},
                {"l/D 55", {9, 550, 500, 1}, 1, "KS"},
                {"l/D 50, the last shape", {9.5, 500, 500, 0.5}, 1, ""},
                {"zero MHz", {20, 20, 10, 1}, 0, "A"},
                {"wire under 3 skin depths, its resistance", {20, 20, 100, 0.19}, 1, ""},
                {"negative MHz", {20, 20, 10, 1}, -1, "A"},
                {"a sound coil", {20, 20, 10, 1}, 1, ""},
                {"one turn", {5, 1, 1, 0.5}, 1, ""}};
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.coil << r.mhz << QString(r.empty);
}
void TestCoil::refused()
{
    QFETCH(CoilSpec, coil);
    QFETCH(double, mhz);
    QFETCH(QString, empty);
    const bool wire = !HelixWireLengthM(coil);
    QCOMPARE(QList<bool>(
                 {wire, !WireMassG(coil), !DcResistanceOhm(coil), !MedhurstSelfCapacitancePf(coil) && wire}),
             QList<bool>(4, empty.contains('W')));
    QCOMPARE(!RoundWireInductanceMicroH(coil), empty.contains('R'));
    QCOMPARE(!WireFitsPitch(coil), empty.contains('R') && empty.contains('A'));
    QCOMPARE(!KnightSelfCapacitancePf(coil), empty.contains('K'));
    QCOMPARE(QList<bool>({!HelicalSelfResonanceMhz(coil), !FiguresHoldUpToMhz(coil)}),
             QList<bool>(2, empty.contains('S')));
    QCOMPARE(!AcResistanceOhm(coil, mhz), empty.contains('A'));
    QCOMPARE(!ApparentInductanceMicroH(coil, mhz),
             empty.contains('R') || empty.contains('S') || !(mhz > 0)); // nor L'
    QCOMPARE(!UnloadedQ(coil, mhz), !AcResistanceOhm(coil, mhz) || !RoundWireInductanceMicroH(coil));
    QCOMPARE(QWithoutSelfResonance(coil), !empty.contains('R') && empty.contains('S'));
    QCOMPARE(!SkinDepthMm(coil.conductor, mhz), !(mhz > 0));
    for (int f = int(SheetFigure::CurrentSheetInductance); f <= int(SheetFigure::FiguresLimit); ++f)
        QVERIFY(SourceNote(SheetFigure(f)).endsWith(u'.'));
}
QTEST_APPLESS_MAIN(TestCoil)
#include "tst_coil.moc"
