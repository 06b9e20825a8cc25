// The self-capacitance against Medhurst's published table, the inputs it refuses, and
// the tooltip note (the locale's numbers, the warning from half the coil's own resonance).
#include "coil/selfcapacitance.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestSelfCapacitance : public QObject
{
    Q_OBJECT
private slots:
    void medhurst_data(); void medhurst();
    void refused_data(); void refused();
    void note_data(); void note();
};

// pF = Medhurst's H × D in cm, by hand; tolerance half a unit of his last figure (0.005
// pF/cm, 0.05 from ℓ/D 25 up) × D in cm. Between table ratios (last two rows): the mean
// of the two published neighbours ± 5 %, the accuracy Medhurst gave for his data.
void TestSelfCapacitance::medhurst_data()
{
    QTest::addColumn<double>("diameterMm"); QTest::addColumn<double>("lengthMm");
    QTest::addColumn<double>("pf"); QTest::addColumn<double>("tolerance");
    QTest::newRow("l/D 0.1, H 0.96") << 100.0 << 10.0 << 9.6 << 0.05;
    QTest::newRow("l/D 0.15, H 0.79") << 40.0 << 6.0 << 3.16 << 0.02;
    QTest::newRow("l/D 0.2, H 0.70") << 50.0 << 10.0 << 3.5 << 0.025;
    QTest::newRow("l/D 0.3, H 0.60") << 20.0 << 6.0 << 1.2 << 0.01;
    QTest::newRow("l/D 0.5, H 0.50") << 30.0 << 15.0 << 1.5 << 0.015;
    QTest::newRow("l/D 1, H 0.46") << 25.0 << 25.0 << 1.15 << 0.0125;
    QTest::newRow("l/D 2, H 0.50") << 20.0 << 40.0 << 1.0 << 0.01;
    QTest::newRow("l/D 3, H 0.61") << 10.0 << 30.0 << 0.61 << 0.005;
    QTest::newRow("l/D 5, H 0.81") << 12.0 << 60.0 << 0.972 << 0.006;
    QTest::newRow("l/D 10, H 1.32") << 10.0 << 100.0 << 1.32 << 0.005;
    QTest::newRow("l/D 20, H 2.36") << 5.0 << 100.0 << 1.18 << 0.0025;
    QTest::newRow("l/D 50, H 5.8") << 4.0 << 200.0 << 2.32 << 0.02;
    QTest::newRow("l/D 0.125, between H 0.96 and 0.79") << 10.0 << 1.25 << 0.875 << 0.044;
    QTest::newRow("l/D 35, between H 3.4 and 4.6") << 10.0 << 350.0 << 4.0 << 0.2;
}

void TestSelfCapacitance::medhurst()
{
    QFETCH(double, diameterMm); QFETCH(double, lengthMm); QFETCH(double, pf); QFETCH(double, tolerance);
    const std::optional<double> c = SelfCapacitancePf(diameterMm, lengthMm);
    QVERIFY(c);
    QVERIFY2(std::abs(*c - pf) <= tolerance, qPrintable(QString::asprintf("%.4f pF, published %.4f", *c, pf)));
}

// A bad coil gives nothing; a bad L or C still leaves the coil's own line.
void TestSelfCapacitance::refused_data()
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("diameterMm"); QTest::addColumn<double>("lengthMm"); QTest::addColumn<double>("microH");
    QTest::addColumn<double>("tuningPf"); QTest::addColumn<bool>("coil");
    QTest::newRow("below table, l/D 0.099") << 100.0 << 9.9 << 10.0 << 100.0 << false;
    QTest::newRow("above table, l/D 50.25") << 4.0 << 201.0 << 10.0 << 100.0 << false;
    QTest::newRow("zero diameter") << 0.0 << 20.0 << 10.0 << 100.0 << false;
    QTest::newRow("negative length") << 20.0 << -20.0 << 10.0 << 100.0 << false;
    QTest::newRow("NaN diameter") << nan << 20.0 << 10.0 << 100.0 << false;
    QTest::newRow("infinite length") << 20.0 << inf << 10.0 << 100.0 << false;
    QTest::newRow("zero inductance") << 20.0 << 20.0 << 0.0 << 100.0 << true;
    QTest::newRow("zero tuning") << 20.0 << 20.0 << 10.0 << 0.0 << true;
    QTest::newRow("negative tuning") << 20.0 << 20.0 << 10.0 << -0.5 << true;
}

void TestSelfCapacitance::refused()
{
    QFETCH(double, diameterMm); QFETCH(double, lengthMm); QFETCH(double, microH); QFETCH(double, tuningPf);
    QFETCH(bool, coil);
    QCOMPARE(SelfCapacitancePf(diameterMm, lengthMm).has_value(), coil);
    QCOMPARE(SelfCapacitanceLine(diameterMm, lengthMm, QLocale::c()).isEmpty(), !coil);
    QVERIFY(!ResonanceWithSelfCapacitanceMhz(microH, tuningPf, diameterMm, lengthMm));
    QVERIFY(SelfCapacitanceNote(microH, tuningPf, diameterMm, lengthMm, QLocale::c()).isEmpty());
}

// D = ℓ = 100 mm: H 0.46, 4.6 pF. 25.33 µH with 10, 17.6, 19.6, 100 pF in all resonates at
// √(1000 / pF) = 10, 7.538, 7.143, 3.162 MHz; alone at √(1000 / 4.6) = 14.7, half 7.37 MHz.
void TestSelfCapacitance::note_data()
{
    QTest::addColumn<QLocale>("locale"); QTest::addColumn<double>("tuningPf"); QTest::addColumn<QStringList>("lines");
    const QString cp = "Capacità propria della bobina (Medhurst): %1 pF", con = "Con la capacità propria (%1 + %2 pF): %3 MHz",
                  rp = "Risonanza propria della bobina: %1 MHz", w = "Attenzione: la frequenza supera la metà della "
                       "risonanza propria: qui la bobina non si comporta più come un'induttanza pura.";
    const QLocale it(QLocale::Italian, QLocale::Italy), en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("it_IT above half") << it << 5.4 << QStringList{cp.arg("4,6"), con.arg("5,4", "4,6", "10,000"), rp.arg("14,7"), w};
    QTest::newRow("en_US above half") << en << 5.4 << QStringList{cp.arg("4.6"), con.arg("5.4", "4.6", "10.000"), rp.arg("14.7"), w};
    QTest::newRow("it_IT just above half") << it << 13.0 << QStringList{cp.arg("4,6"), con.arg("13", "4,6", "7,538"), rp.arg("14,7"), w};
    QTest::newRow("it_IT just below half") << it << 15.0 << QStringList{cp.arg("4,6"), con.arg("15", "4,6", "7,143"), rp.arg("14,7")};
    QTest::newRow("it_IT far below") << it << 95.4 << QStringList{cp.arg("4,6"), con.arg("95,4", "4,6", "3,162"), rp.arg("14,7")};
}

void TestSelfCapacitance::note()
{
    QFETCH(QLocale, locale); QFETCH(double, tuningPf); QFETCH(QStringList, lines);
    QCOMPARE(SelfCapacitanceNote(25.33, tuningPf, 100, 100, locale).split(u'\n'), lines);
    QCOMPARE(SelfCapacitanceLine(100, 100, locale), "Capacità propria (Medhurst): " + lines[0].section(u' ', -2));
}

QTEST_APPLESS_MAIN(TestSelfCapacitance)
#include "tst_selfcapacitance.moc"
