// SPDX-License-Identifier: GPL-3.0-or-later
// The coil's physics beside the classic formula, against published tables where there are some.
#include "coil/accuracy.h"
#include "coil/currentsheet.h"
#include "coil/selfcapacitance.h"
#include <QTest>
#include <cmath>

const double kNaN = qQNaN(), kInf = qInf();
const QLocale kC = QLocale::c(), kEn(QLocale::English, QLocale::UnitedStates), kIt(QLocale::Italian, QLocale::Italy);
template<typename... T, typename... Name> static void columns(Name... names) { (QTest::addColumn<T>(names), ...); }
static bool near(std::optional<double> v, double expected, double tolerance) // NaN expects nothing
{ return v ? std::abs(*v - expected) <= tolerance : std::isnan(expected); }
class TestCoil : public QObject
{
    Q_OBJECT
private slots:
    void shape_data(); void shape(); void inductance_data(); void inductance(); void accuracyNote_data();
    void accuracyNote(); void selfCapacitance_data(); void selfCapacitance(); void selfNote_data(); void selfNote();
};

// By ℓ/D: kN as Rosa and Grover (1912) publish it, the deviation as precisione.html gives it, ± half the last digit.
void TestCoil::shape_data()
{
    columns<double, double, double>("ratio", "kN", "percent");
    for (const auto &[ratio, kN, percent] : std::initializer_list<std::tuple<double, double, double>>{
             {0.1, 0.2033, -9.4}, {0.2, 0.3198, -2.5}, {0.25, 0.3654, -1.0}, {0.4, 0.4719, 1.0}, {0.5, 0.5255, 1.5},
             {1, 0.6884, 1.5}, {2, 0.8181, 1.1}, {5, 0.9201, 1.0}, {10, 0.9588, 1.1}})
        QTest::addRow("l/D %g", ratio) << ratio << kN << percent;
}
void TestCoil::shape()
{
    QFETCH(double, ratio); QFETCH(double, kN); QFETCH(double, percent);
    for (const double d : {1.0, 3.0, 37.5}) { // the shape decides, not the size
        QVERIFY(near(NagaokaCoefficient(d, ratio * d), kN, 5e-5));
        QVERIFY(near(ClassicDeviationPercent(d, ratio * d), percent, 0.05));
        QCOMPARE(AccuracyNote(1, d, ratio * d, 10).contains("Attenzione: bobina corta"), ratio < 0.4);
    }
}
// µH by hand: 1e-4 π² N² D² / ℓ · kN with the published kN, 0.001 D² N² / (ℓ + 0.45 D). NaN: nothing; shape: D, ℓ fine.
void TestCoil::inductance_data()
{
    columns<double, double, double, double, double, bool>("D", "l", "N", "sheet", "classic", "shape");
    QTest::newRow("D 20, l 20, 10 turns") << 20.0 << 20.0 << 10.0 << 1.35885 << 40.0 / 29 << true;
    QTest::newRow("D 100, l 10, 2 turns") << 100.0 << 10.0 << 2.0 << 0.80259 << 40.0 / 55 << true;
    const struct { const char *name; double d, l, n; bool shape; } refused[] = {
        {"zero diameter", 0, 20, 10, false}, {"NaN diameter", kNaN, 20, 10, false}, {"infinite length", 20, kInf, 10, false},
        {"zero turns", 20, 20, 0, true},     {"negative turns", 20, 20, -10, true}, {"NaN turns", 20, 20, kNaN, true}};
    for (const auto &r : refused)
        QTest::newRow(r.name) << r.d << r.l << r.n << kNaN << kNaN << r.shape;
}
void TestCoil::inductance()
{
    QFETCH(double, D); QFETCH(double, l); QFETCH(double, N); QFETCH(double, sheet); QFETCH(double, classic);
    QFETCH(bool, shape);
    QVERIFY(near(CurrentSheetInductance(D, l, N), sheet, 2e-4));
    QVERIFY(near(ClassicInductance(D, l, N), classic, 1e-12));
    QCOMPARE(AccuracyNote(1, D, l, N, kIt).isEmpty(), std::isnan(sheet));
    QVERIFY(AccuracyNote(0, D, l, N).isEmpty() && AccuracyNote(-1, D, l, N).isEmpty()); // no figure to compare
    const QList<bool> given{NagaokaCoefficient(D, l).has_value(), ClassicDeviationPercent(D, l).has_value(),
                            SelfCapacitancePf(D, l).has_value(), !SelfCapacitanceLine(D, l).isEmpty()};
    QCOMPARE(given, QList<bool>(given.size(), shape));
}
// texts: the current-sheet µH, the figure's µH, the deviation, D, ℓ, N and ℓ/D as shown, the short-coil ratio.
void TestCoil::accuracyNote_data()
{
    columns<QLocale, bool, double, double, double, double, QString>("locale", "requested", "shown", "D", "l", "N", "texts");
    QTest::newRow("en_US inductance") << kEn << false << 1.35889 << 20.0 << 20.0 << 10.0 << "1.359 1.359 0.0 20 20 10 1.00";
    QTest::newRow("it_IT requested, short coil") << kIt << true << 0.7273 << 100.0 << 10.0 << 2.0
                                                 << "0,803 0,727 -9,4 100 10 2 0,10 0,4";
    QTest::newRow("it_IT thousands") << kIt << false << 3000.0 << 40.5 << 1234.25 << 1512.5
                                     << "2.959,143 3.000,000 +1,4 40,5 1.234,25 1.512,5 30,48";
}
void TestCoil::accuracyNote()
{
    QFETCH(QLocale, locale); QFETCH(bool, requested); QFETCH(double, shown); QFETCH(double, D); QFETCH(double, l);
    QFETCH(double, N); QFETCH(QString, texts); const QStringList t = texts.split(u' ');
    const QString sheet = requested ? " con queste spire" : "", figure = requested ? "Induttanza richiesta, per cui la "
                                      "formula classica ha dato le spire" : "Valore mostrato (formula classica)";
    QStringList expected{"Induttanza a foglio di corrente (Nagaoka)" + sheet + ": " + t[0] + " µH",
                         figure + ": " + t[1] + " µH, scarto " + t[2] + " %",
                         QString("Bobina: diametro %1 mm, lunghezza %2 mm, %3 spire, ℓ/D %4").arg(t[3], t[4], t[5], t[6])};
    if (t.size() > 7)
        expected << "Attenzione: bobina corta (ℓ/D sotto " + t[7] + "), qui la formula classica perde precisione.";
    QCOMPARE(AccuracyNote(shown, D, l, N, locale, requested ? ShownFigure::RequestedInductance : ShownFigure::Inductance)
                 .split(u'\n'), expected);
}
// pF = Medhurst's H × D in cm, ± half his last digit; between his ratios the neighbours' mean ± 5 %. NaN: nothing.
void TestCoil::selfCapacitance_data()
{
    columns<double, double, double, double>("D", "l", "pf", "tolerance");
    // Medhurst's whole table, ℓ/D:H, on a former of 10 mm (C = H pF), to half its last printed digit.
    for (const QString &point : QStringLiteral("0.1:0.96 0.15:0.79 0.2:0.70 0.25:0.64 0.3:0.60 0.35:0.57 0.4:0.54 "
            "0.45:0.52 0.5:0.50 0.6:0.48 0.7:0.47 0.8:0.46 0.9:0.46 1:0.46 1.5:0.47 2:0.50 2.5:0.56 3:0.61 3.5:0.67 "
            "4:0.72 4.5:0.77 5:0.81 6:0.92 7:1.01 8:1.12 9:1.22 10:1.32 15:1.86 20:2.36 25:2.9 30:3.4 40:4.6 50:5.8")
                                     .split(u' ')) {
        const double ratio = point.section(u':', 0, 0).toDouble(), h = point.section(u':', 1).toDouble();
        QTest::addRow("H(%g) %g", ratio, h) << 10.0 << 10 * ratio << h << (ratio < 25 ? 0.005 : 0.05);
    }
    QTest::newRow("H(0.125) between") << 10.0 << 1.25 << 0.875 << 0.044;
    QTest::newRow("l/D 0.099 below") << 100.0 << 9.9 << kNaN << 0.0;
    QTest::newRow("l/D 50.25 above") << 4.0 << 201.0 << kNaN << 0.0;
}
void TestCoil::selfCapacitance()
{
    QFETCH(double, D); QFETCH(double, l); QFETCH(double, pf); QFETCH(double, tolerance);
    QVERIFY2(near(SelfCapacitancePf(D, l), pf, tolerance), qPrintable(QString::number(SelfCapacitancePf(D, l).value_or(0))));
    QCOMPARE(SelfCapacitanceLine(D, l, kC).isEmpty(), std::isnan(pf));
    QCOMPARE(SelfCapacitanceNote(10, 100, D, l, kC).isEmpty(), std::isnan(pf));
    QVERIFY(SelfCapacitanceNote(0, 100, D, l).isEmpty() && SelfCapacitanceNote(10, -0.5, D, l).isEmpty());
}
// D = ℓ = 100 mm: H 0.46, 4.6 pF. 25.33 µH with 10, 17.6, 19.6 pF in all resonates at √(1000 / pF) = 10, 7.538,
// 7.143 MHz, alone at √(1000 / 4.6) = 14.7 MHz: the warning ("!") from half of it, 7.37 MHz.
void TestCoil::selfNote_data()
{
    columns<QLocale, double, QString>("locale", "tuningPf", "texts"); // self-capacitance, tuning, MHz, own MHz
    QTest::newRow("it_IT above half") << kIt << 5.4 << "4,6 5,4 10,000 14,7 !";
    QTest::newRow("en_US just above half") << kEn << 13.0 << "4.6 13 7.538 14.7 !";
    QTest::newRow("it_IT just below half") << kIt << 15.0 << "4,6 15 7,143 14,7";
}
void TestCoil::selfNote()
{
    QFETCH(QLocale, locale); QFETCH(double, tuningPf); QFETCH(QString, texts); const QStringList t = texts.split(u' ');
    QStringList expected{"Capacità propria della bobina (Medhurst): " + t[0] + " pF",
                         "Con la capacità propria (" + t[1] + " + " + t[0] + " pF): " + t[2] + " MHz",
                         "Risonanza propria della bobina: " + t[3] + " MHz"};
    if (t.size() > 4)
        expected << "Attenzione: la frequenza supera la metà della risonanza propria: qui la bobina non si comporta più "
                    "come un'induttanza pura.";
    QCOMPARE(SelfCapacitanceNote(25.33, tuningPf, 100, 100, locale).split(u'\n'), expected);
    QCOMPARE(SelfCapacitanceLine(100, 100, locale), "Capacità propria (Medhurst): " + t[0] + " pF");
}
QTEST_APPLESS_MAIN(TestCoil)
#include "tst_coil.moc"
