// The calculator's seven computations: results, guards, messages, faults and
// the standard-capacitor search, without a window.
#include "calculator/calcolo.h"
#include "numbers/runtimeerror.h"

#include <QTest>

namespace {
const QLocale point(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::Italian, QLocale::Italy);

TabellaValoriC tabella()
{
    TabellaValoriC valori{};
    CaricaValoriC(valori);
    return valori;
}

// Inputs by symbol, as the mode reads them: L Text1, C Text2, f Text3, D Text4, N Text5, ℓ Text6.
TestiIngresso testi(const QString &L, const QString &C, const QString &f, const QString &D, const QString &N,
                    const QString &l)
{
    return TestiIngresso{L, C, f, D, N, l};
}
} // namespace

class TestCalcolo : public QObject
{
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void lowPass_data();
    void lowPass();
    void messages_data();
    void messages();
    void faults_data();
    void faults();
    void table();
    void standardValue_data();
    void standardValue();
};

void TestCalcolo::results_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<TestiIngresso>("input");
    QTest::addColumn<QString>("seo");
    QTest::addColumn<QLocale>("locale");

    QTest::newRow("1 frequency") << 1 << testi("10", "100", "", "", "", "") << "5.033" << point;
    QTest::newRow("2 inductance") << 2 << testi("", "100", "7", "", "", "") << "5.169" << point;
    QTest::newRow("3 capacitance") << 3 << testi("10", "", "7", "", "", "") << "51.694" << point;
    QTest::newRow("4 coil inductance") << 4 << testi("", "", "", "20", "20", "30") << "4.103" << point;
    QTest::newRow("5 turns") << 5 << testi("4.1026", "", "", "20", "", "30") << "20.0" << point;
    QTest::newRow("5 turns, length 0 not guarded") << 5 << testi("4.1026", "", "", "20", "", "0") << "9.6" << point;
    QTest::newRow("5 sum exactly 0 gives 0") << 5 << testi("1", "", "", "20", "", "-9") << "0.0" << point;
    QTest::newRow("6 turns for resonance") << 6 << testi("", "100", "7", "20", "", "30") << "22.5" << point;
    QTest::newRow("1 more than four decimals") << 1 << testi("10.00004", "100", "", "", "", "") << "5.033" << point;
    QTest::newRow("1 blanks inside digits") << 1 << testi("1 0", "1 00", "", "", "", "") << "5.033" << point;
    QTest::newRow("2 thousands grouped") << 2 << testi("", "1", "0.1", "", "", "") << "2,533,000.000" << point;
    QTest::newRow("2 thousands, comma locale") << 2 << testi("", "1", "0.1", "", "", "") << "2.533.000,000" << comma;
    QTest::newRow("3 comma locale") << 3 << testi("10", "", "7", "", "", "") << "51,694" << comma;
}

void TestCalcolo::results()
{
    QFETCH(int, modo);
    QFETCH(TestiIngresso, input);
    QFETCH(QString, seo);
    QFETCH(QLocale, locale);
    const EsitoCalcolo esito = EseguiCalcolo(static_cast<std::int16_t>(modo), tabella(), input, locale);
    QVERIFY(!esito.messaggio);
    QVERIFY(!esito.passaBasso);
    QCOMPARE(esito.SEO, seo);
}

void TestCalcolo::lowPass_data()
{
    QTest::addColumn<QString>("f");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("seo");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("l");

    QTest::newRow("7 MHz") << "7" << point << "8.3" << "390.0" << "1.893";
    QTest::newRow("28 MHz") << "28" << point << "32.7" << "100.0" << "0.473";
    QTest::newRow("0.1 MHz, C capped at 10000") << "0.1" << point << "0.2" << "10,000.0" << "132.500";
    QTest::newRow("2500 MHz, C below the table") << "2500" << point << "3,004.8" << "1.1" << "0.005";
    QTest::newRow("2500 MHz, comma locale") << "2500" << comma << "3.004,8" << "1,1" << "0,005";
    QTest::newRow("803.03 MHz, C exactly 3.3") << "803.03" << point << "886.4" << "3.9" << "0.017";
}

void TestCalcolo::lowPass()
{
    QFETCH(QString, f);
    QFETCH(QLocale, locale);
    QFETCH(QString, seo);
    QFETCH(QString, c);
    QFETCH(QString, l);
    const EsitoCalcolo esito = EseguiCalcolo(7, tabella(), testi("", "", f, "", "", ""), locale);
    QVERIFY(!esito.messaggio);
    QVERIFY(esito.passaBasso);
    QCOMPARE(esito.SEO, seo);
    QCOMPARE(esito.LblC1, c);
    QCOMPARE(esito.LblC2, c);
    QCOMPARE(esito.LblFT, l);
}

void TestCalcolo::messages_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<TestiIngresso>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("critical");

    const QString valori = QStringLiteral("Mettere i valori");
    QTest::newRow("no mode yet") << 0 << testi("10", "100", "7", "20", "20", "30") << "Errore non contemplato!" << true;
    QTest::newRow("mode out of range") << 8 << testi("10", "100", "7", "20", "20", "30") << "Errore non contemplato!" << true;
    QTest::newRow("1 design texts") << 1 << testi("0", "0", "0", "0", "0", "0") << valori << false;
    QTest::newRow("1 L zero") << 1 << testi("0", "100", "", "", "", "") << valori << false;
    QTest::newRow("1 C negative") << 1 << testi("10", "-100", "", "", "", "") << valori << false;
    QTest::newRow("1 C letters") << 1 << testi("10", "abc", "", "", "", "") << valori << false;
    QTest::newRow("1 C empty") << 1 << testi("10", "", "", "", "", "") << valori << false;
    QTest::newRow("1 C rounds to 0") << 1 << testi("10", "0.00004", "", "", "", "") << valori << false;
    QTest::newRow("2 f zero") << 2 << testi("", "100", "0", "", "", "") << valori << false;
    QTest::newRow("3 L zero") << 3 << testi("0", "", "7", "", "", "") << valori << false;
    QTest::newRow("4 length zero") << 4 << testi("", "", "", "20", "20", "0") << valori << false;
    QTest::newRow("4 turns zero") << 4 << testi("", "", "", "20", "0", "30") << valori << false;
    QTest::newRow("4 diameter zero") << 4 << testi("", "", "", "0", "20", "30") << valori << false;
    QTest::newRow("5 diameter zero") << 5 << testi("4", "", "", "0", "", "30") << valori << false;
    QTest::newRow("5 L zero") << 5 << testi("0", "", "", "20", "", "30") << valori << false;
    QTest::newRow("6 length zero") << 6 << testi("", "100", "7", "20", "", "0") << valori << false;
    QTest::newRow("6 C zero") << 6 << testi("", "0", "7", "20", "", "30") << valori << false;
    QTest::newRow("7 f zero") << 7 << testi("", "", "0", "", "", "") << "Mettere il valore" << false;
    QTest::newRow("7 f empty") << 7 << testi("", "", "", "", "", "") << "Mettere il valore" << false;
    QTest::newRow("7 f 0.00006 passes, 0.00004 does not") << 7 << testi("", "", "0.00004", "", "", "") << "Mettere il valore" << false;
}

void TestCalcolo::messages()
{
    QFETCH(int, modo);
    QFETCH(TestiIngresso, input);
    QFETCH(QString, message);
    QFETCH(bool, critical);
    const EsitoCalcolo esito = EseguiCalcolo(static_cast<std::int16_t>(modo), tabella(), input, point);
    QVERIFY(esito.messaggio);
    QCOMPARE(esito.testoMessaggio, message);
    QCOMPARE(esito.critico, critical);
    QVERIFY(esito.SEO.isEmpty());
    QVERIFY(!esito.passaBasso);
}

void TestCalcolo::faults_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<TestiIngresso>("input");
    QTest::addColumn<int>("error");

    QTest::newRow("1 C x L rounds to 0") << 1 << testi("0.0001", "0.0001", "", "", "", "") << 11;
    QTest::newRow("7 f so large that L is 0") << 7 << testi("", "", "300000", "", "", "") << 11;
    QTest::newRow("5 negative length under the root") << 5 << testi("1", "", "", "20", "", "-100") << 5;
    QTest::newRow("4 input beyond the quantity range") << 4 << testi("", "", "", "20", "1e15", "30") << 6;
    QTest::newRow("1 input beyond double") << 1 << testi("1e400", "1", "", "", "", "") << 6;
    QTest::newRow("2 result beyond the quantity range") << 2 << testi("", "0.0001", "0.0001", "", "", "") << 6;
}

void TestCalcolo::faults()
{
    QFETCH(int, modo);
    QFETCH(TestiIngresso, input);
    QFETCH(int, error);
    try {
        EseguiCalcolo(static_cast<std::int16_t>(modo), tabella(), input, point);
        QFAIL("no run-time error");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), error);
    }
}

void TestCalcolo::table()
{
    const TabellaValoriC valori = tabella();
    QCOMPARE(valori[0], 0.0f);
    QCOMPARE(valori[49], 0.0f);
    QCOMPARE(valori[50], 0.0f);
    QCOMPARE(valori[1], 1.2f);
    QCOMPARE(valori[11], 8.2f);
    QCOMPARE(valori[12], 10.0f);
    QCOMPARE(valori[47], 8200.0f);
    QCOMPARE(valori[48], 10000.0f);
    for (int i = 1; i < 48; ++i)
        QVERIFY2(valori[i] < valori[i + 1], qPrintable(QString::number(i)));
    // Held in single precision: 3.3 sits just below its decimal value.
    QVERIFY(double(valori[6]) < 3.3);
}

void TestCalcolo::standardValue_data()
{
    QTest::addColumn<double>("computed");
    QTest::addColumn<double>("standard");
    QTest::newRow("1.2 keeps its value") << 1.2 << 1.2;
    QTest::newRow("below 1.2 keeps its value") << 1.06 << 1.06;
    QTest::newRow("just above 1.2") << 1.2001 << 1.5;
    QTest::newRow("1.8 held below, moves up") << 1.8 << 2.2;
    QTest::newRow("3.3 held below, moves up") << 3.3 << 3.9;
    QTest::newRow("8.2 moves to 10") << 8.2 << 10.0;
    QTest::newRow("exact 10 stays") << 10.0 << 10.0;
    QTest::newRow("exact 390 stays") << 390.0 << 390.0;
    QTest::newRow("between entries takes the upper") << 378.5714 << 390.0;
    QTest::newRow("8200 stays") << 8200.0 << 8200.0;
    QTest::newRow("above 8200") << 8200.0001 << 10000.0;
    QTest::newRow("above 10000") << 26500.0 << 10000.0;
}

void TestCalcolo::standardValue()
{
    QFETCH(double, computed);
    QFETCH(double, standard);
    QCOMPARE(ValoreStandard(ToQuantity(computed), tabella()), ToQuantity(standard));
}

QTEST_APPLESS_MAIN(TestCalcolo)
#include "tst_calcolo.moc"
