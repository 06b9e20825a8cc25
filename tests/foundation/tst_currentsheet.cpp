// The current-sheet inductance against the published Nagaoka coefficients, how
// far the classic millimetre formula is from it, and the note the windows show
// beside an inductance figure.
#include "coil/accuracy.h"
#include "coil/currentsheet.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// Nagaoka's coefficient by D/ℓ as Rosa and Grover (1912) and Grover's tables
// publish it, to four decimals.
struct Pubblicato
{
    double diameterOverLength;
    double kN;
};
constexpr Pubblicato kNagaoka[] = {
    {0.1, 0.9588}, {0.2, 0.9201}, {0.5, 0.8181}, {1, 0.6884}, {2, 0.5255}, {4, 0.3654}, {10, 0.2033},
};

const QLocale kItalian(QLocale::Italian, QLocale::Italy);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

class TestCurrentSheet : public QObject
{
    Q_OBJECT
private slots:
    void nagaoka_data();
    void nagaoka();
    void cleanupTestCase();
    void classicDeviation_data();
    void classicDeviation();
    void emptyForBadInputs_data();
    void emptyForBadInputs();
    void note_data();
    void note();
    void noteNumbers_data();
    void noteNumbers();
    void shortCoilWarning_data();
    void shortCoilWarning();
    void noteEmpty_data();
    void noteEmpty();

private:
    // What nagaoka() measured, printed at the end as a table for the record.
    QStringList m_table;
};

void TestCurrentSheet::nagaoka_data()
{
    QTest::addColumn<double>("diameterOverLength");
    QTest::addColumn<double>("published");
    for (const Pubblicato &row : kNagaoka)
        QTest::addRow("D/l %g", row.diameterOverLength) << row.diameterOverLength << row.kN;
}

void TestCurrentSheet::nagaoka()
{
    QFETCH(double, diameterOverLength);
    QFETCH(double, published);
    const std::optional<double> kN = NagaokaCoefficient(diameterOverLength, 1);
    QVERIFY(kN);
    m_table << QString::asprintf("%8g %10.4f %10.6f %+11.6f", diameterOverLength, published, *kN, *kN - published);
    QVERIFY2(std::abs(*kN - published) < 6e-5, qPrintable(m_table.last()));
    // The coefficient depends on the shape only: the same coil in any size.
    for (const double length : {0.01, 37.5, 1000.0})
        QCOMPARE(NagaokaCoefficient(diameterOverLength * length, length).value_or(0), *kN);
}

void TestCurrentSheet::cleanupTestCase()
{
    qInfo("%8s %10s %10s %11s", "D/l", "published", "computed", "difference");
    for (const QString &line : std::as_const(m_table))
        qInfo("%s", qPrintable(line));
}

void TestCurrentSheet::classicDeviation_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("lengthOverDiameter");
    QTest::addColumn<double>("percent");
    QTest::newRow("l/D 0.1") << 100.0 << 0.1 << -9.4;
    QTest::newRow("l/D 0.2") << 40.0 << 0.2 << -2.5;
    QTest::newRow("l/D 0.3") << 20.0 << 0.3 << 0.0;
    QTest::newRow("l/D 1") << 20.0 << 1.0 << 1.5;
    QTest::newRow("l/D 1 small former") << 3.0 << 1.0 << 1.5;
    QTest::newRow("l/D 5") << 10.0 << 5.0 << 1.0;
}

void TestCurrentSheet::classicDeviation()
{
    QFETCH(double, diameter);
    QFETCH(double, lengthOverDiameter);
    QFETCH(double, percent);
    const std::optional<double> deviation = ClassicDeviationPercent(diameter, lengthOverDiameter * diameter);
    QVERIFY(deviation);
    QVERIFY2(std::abs(*deviation - percent) <= 0.1, qPrintable(QString::number(*deviation)));

    // The same from the two inductances of a real coil of 12 turns.
    const std::optional<double> classic = ClassicInductance(diameter, lengthOverDiameter * diameter, 12);
    const std::optional<double> sheet = CurrentSheetInductance(diameter, lengthOverDiameter * diameter, 12);
    QVERIFY(classic && sheet);
    QVERIFY(std::abs((*classic / *sheet - 1) * 100 - *deviation) < 1e-9);
}

void TestCurrentSheet::emptyForBadInputs_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("length");
    QTest::newRow("zero diameter") << 0.0 << 30.0;
    QTest::newRow("zero length") << 20.0 << 0.0;
    QTest::newRow("negative diameter") << -20.0 << 30.0;
    QTest::newRow("negative length") << 20.0 << -30.0;
    QTest::newRow("NaN diameter") << kNaN << 30.0;
    QTest::newRow("NaN length") << 20.0 << kNaN;
    QTest::newRow("infinite diameter") << kInf << 30.0;
    QTest::newRow("infinite length") << 20.0 << kInf;
}

void TestCurrentSheet::emptyForBadInputs()
{
    QFETCH(double, diameter);
    QFETCH(double, length);
    QVERIFY(!NagaokaCoefficient(diameter, length));
    QVERIFY(!CurrentSheetInductance(diameter, length, 20));
    QVERIFY(!ClassicInductance(diameter, length, 20));
    QVERIFY(!ClassicDeviationPercent(diameter, length));
    // Turns that are not a number give nothing either.
    QVERIFY(!CurrentSheetInductance(20, 30, kNaN));
    QVERIFY(!CurrentSheetInductance(20, 30, kInf));
    // Nor does a coil without turns.
    QVERIFY(!CurrentSheetInductance(20, 30, 0));
    QVERIFY(!CurrentSheetInductance(20, 30, -10));
}

void TestCurrentSheet::note_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("turns");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<QStringList>("lines");

    // ℓ/D = 1: 10 turns on 20 mm give 1e-4 π² · 100 · 400 / 20 · 0.6884 = 1.359 µH
    // with the published coefficient; the classic formula gives 1.379.
    QTest::newRow("l/D 1") << QLocale::c() << 1.3793 << 20.0 << 20.0 << 10.0 << false
                           << QStringList{"Induttanza a foglio di corrente (Nagaoka): 1.359 µH",
                                          "Valore mostrato (formula classica): 1.379 µH, scarto +1.5 %",
                                          "Bobina: diametro 20 mm, lunghezza 20 mm, 10 spire, ℓ/D 1.00"};
    // ℓ/D = 0.1, kN 0.2033: 2 turns on 100 mm over 10 mm are 0.803 µH, and
    // the classic 0.727 µH is 9.4 % short.
    QTest::newRow("short coil") << QLocale::c() << 0.7273 << 100.0 << 10.0 << 2.0 << false
                                << QStringList{"Induttanza a foglio di corrente (Nagaoka): 0.803 µH",
                                               "Valore mostrato (formula classica): 0.727 µH, scarto -9.4 %",
                                               "Bobina: diametro 100 mm, lunghezza 10 mm, 2 spire, ℓ/D 0.10",
                                               "Attenzione: bobina corta (ℓ/D sotto 0.4), qui la formula classica "
                                               "perde precisione."};
    QTest::newRow("short coil Italian")
        << kItalian << 0.7273 << 100.0 << 10.0 << 2.0 << false
        << QStringList{"Induttanza a foglio di corrente (Nagaoka): 0,803 µH",
                       "Valore mostrato (formula classica): 0,727 µH, scarto -9,4 %",
                       "Bobina: diametro 100 mm, lunghezza 10 mm, 2 spire, ℓ/D 0,10",
                       "Attenzione: bobina corta (ℓ/D sotto 0,4), qui la formula classica perde precisione."};
    // ℓ/D = 0.5, kN 0.5255: 2.075 µH against the classic 2.105.
    QTest::newRow("l/D 0.5") << QLocale::c() << 2.1053 << 20.0 << 10.0 << 10.0 << false
                             << QStringList{"Induttanza a foglio di corrente (Nagaoka): 2.075 µH",
                                            "Valore mostrato (formula classica): 2.105 µH, scarto +1.5 %",
                                            "Bobina: diametro 20 mm, lunghezza 10 mm, 10 spire, ℓ/D 0.50"};
    // The turns the calculator found for an inductance asked for.
    QTest::newRow("requested") << QLocale::c() << 1.3793 << 20.0 << 20.0 << 10.0 << true
                               << QStringList{"Induttanza a foglio di corrente (Nagaoka) con queste spire: 1.359 µH",
                                              "Induttanza richiesta, per cui la formula classica ha dato le spire: "
                                              "1.379 µH, scarto +1.5 %",
                                              "Bobina: diametro 20 mm, lunghezza 20 mm, 10 spire, ℓ/D 1.00"};
    // A figure that rounds to no deviation carries no sign.
    QTest::newRow("no deviation") << QLocale::c() << 1.35889 << 20.0 << 20.0 << 10.0 << false
                                  << QStringList{"Induttanza a foglio di corrente (Nagaoka): 1.359 µH",
                                                 "Valore mostrato (formula classica): 1.359 µH, scarto 0.0 %",
                                                 "Bobina: diametro 20 mm, lunghezza 20 mm, 10 spire, ℓ/D 1.00"};
}

void TestCurrentSheet::note()
{
    QFETCH(QLocale, locale);
    QFETCH(double, shown);
    QFETCH(double, diameter);
    QFETCH(double, length);
    QFETCH(double, turns);
    QFETCH(bool, requested);
    QFETCH(QStringList, lines);
    const QString note = AccuracyNote(shown, diameter, length, turns, locale,
                                      requested ? ShownFigure::RequestedInductance : ShownFigure::Inductance);
    QCOMPARE(note.split(u'\n'), lines);
}

void TestCurrentSheet::noteNumbers_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shownLine");
    QTest::addColumn<QString>("coilLine");
    QTest::newRow("C") << QLocale::c() << "Valore mostrato (formula classica): 2,000.000 µH, scarto "
                       << "Bobina: diametro 40.5 mm, lunghezza 1,234.25 mm, 1,512.5 spire, ℓ/D 30.48";
    QTest::newRow("Italian") << kItalian << "Valore mostrato (formula classica): 2.000,000 µH, scarto "
                             << "Bobina: diametro 40,5 mm, lunghezza 1.234,25 mm, 1.512,5 spire, ℓ/D 30,48";
}

// Fractions of a millimetre and of a turn show as such; thousands are grouped
// by the locale.
void TestCurrentSheet::noteNumbers()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shownLine);
    QFETCH(QString, coilLine);
    const QStringList lines = AccuracyNote(2000, 40.5, 1234.25, 1512.5, locale).split(u'\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[1].startsWith(shownLine), qPrintable(lines[1]));
    QCOMPARE(lines[2], coilLine);
}

void TestCurrentSheet::shortCoilWarning_data()
{
    QTest::addColumn<double>("lengthOverDiameter");
    QTest::addColumn<bool>("warned");
    QTest::newRow("0.05") << 0.05 << true;
    QTest::newRow("0.3") << 0.3 << true;
    QTest::newRow("0.399") << 0.399 << true;
    QTest::newRow("0.4") << 0.4 << false;
    QTest::newRow("0.41") << 0.41 << false;
    QTest::newRow("3") << 3.0 << false;
}

void TestCurrentSheet::shortCoilWarning()
{
    QFETCH(double, lengthOverDiameter);
    QFETCH(bool, warned);
    const QString note = AccuracyNote(1, 25, 25 * lengthOverDiameter, 10, QLocale::c());
    QVERIFY(!note.isEmpty());
    QCOMPARE(note.split(u'\n').last().startsWith(QLatin1String("Attenzione: bobina corta")), warned);
}

void TestCurrentSheet::noteEmpty_data()
{
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("turns");
    QTest::newRow("zero figure") << 0.0 << 20.0 << 30.0 << 20.0;
    QTest::newRow("negative figure") << -4.1 << 20.0 << 30.0 << 20.0;
    QTest::newRow("NaN figure") << kNaN << 20.0 << 30.0 << 20.0;
    QTest::newRow("zero diameter") << 4.1 << 0.0 << 30.0 << 20.0;
    QTest::newRow("zero length") << 4.1 << 20.0 << 0.0 << 20.0;
    QTest::newRow("zero turns") << 4.1 << 20.0 << 30.0 << 0.0;
    QTest::newRow("negative turns") << 4.1 << 20.0 << 30.0 << -20.0;
    QTest::newRow("infinite turns") << 4.1 << 20.0 << 30.0 << kInf;
}

void TestCurrentSheet::noteEmpty()
{
    QFETCH(double, shown);
    QFETCH(double, diameter);
    QFETCH(double, length);
    QFETCH(double, turns);
    QVERIFY(AccuracyNote(shown, diameter, length, turns).isEmpty());
    QVERIFY(AccuracyNote(shown, diameter, length, turns, QLocale::c(), ShownFigure::RequestedInductance).isEmpty());
}

QTEST_GUILESS_MAIN(TestCurrentSheet)
#include "tst_currentsheet.moc"
