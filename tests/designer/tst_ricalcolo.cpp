// The designer's arithmetic and its values, without a window.
#include "designer/ricalcolo.h"
#include "designer/variante.h"
#include "numbers/runtimeerror.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Variante)

namespace {
QLocale Locale(const QString &name)
{
    return name == QLatin1String("C") ? QLocale::c() : QLocale(name);
}

// Relative agreement to about twelve significant digits.
bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}
} // namespace

class TestRicalcolo : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void variantNumber_data();
    void variantNumber();
    void variantText_data();
    void variantText();
    void variantNotANumber_data();
    void variantNotANumber();
    void variantAddition_data();
    void variantAddition();

    void loadValues_data();
    void loadValues();
    void squareLoop_data();
    void squareLoop();
    void capacitanceNotAbove0_data();
    void capacitanceNotAbove0();
};

void TestRicalcolo::variantNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Variante>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole number") << "it_IT" << Variante(std::int16_t{110}) << 110.0;
    QTest::newRow("negative whole number") << "C" << Variante(std::int16_t{-32768}) << -32768.0;
    QTest::newRow("double") << "it_IT" << Variante(0.5) << 0.5;
    QTest::newRow("text with point, point locale") << "C" << Variante(QStringLiteral("40.5")) << 40.5;
    QTest::newRow("text with comma, comma locale") << "it_IT" << Variante(QStringLiteral("40,5")) << 40.5;
    QTest::newRow("grouped text, comma locale") << "it_IT" << Variante(QStringLiteral("1.265,5")) << 1265.5;
    QTest::newRow("blanks around the text") << "en_US" << Variante(QStringLiteral("  55 ")) << 55.0;
    QTest::newRow("exponent") << "C" << Variante(QStringLiteral("1e3")) << 1000.0;
    QTest::newRow("negative text") << "it_IT" << Variante(QStringLiteral("-18")) << -18.0;
}

void TestRicalcolo::variantNumber()
{
    QFETCH(QString, locale);
    QFETCH(Variante, value);
    QFETCH(double, expected);
    QLocale::setDefault(Locale(locale));
    QCOMPARE(value.ToDouble(), expected);
}

void TestRicalcolo::variantText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Variante>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole number as digits") << "it_IT" << Variante(std::int16_t{110}) << "110";
    QTest::newRow("whole double without decimals") << "C" << Variante(40.0) << "40";
    QTest::newRow("double, point locale") << "en_US" << Variante(40.5) << "40.5";
    QTest::newRow("double, comma locale") << "it_IT" << Variante(40.5) << "40,5";
    QTest::newRow("no group separator") << "it_IT" << Variante(1265.25) << "1265,25";
    QTest::newRow("fifteen significant digits") << "C" << Variante(55.0 / 111.0 * 112.0) << "55.4954954954955";
    QTest::newRow("sum shown short") << "C" << Variante(0.1 + 0.2) << "0.3";
    QTest::newRow("text unchanged") << "it_IT" << Variante(QStringLiteral("12.5")) << "12.5";
}

void TestRicalcolo::variantText()
{
    QFETCH(QString, locale);
    QFETCH(Variante, value);
    QFETCH(QString, expected);
    QLocale::setDefault(Locale(locale));
    QCOMPARE(value.ToText(), expected);
    // What a field receives is read back as the same number.
    if (!value.IsText())
        QCOMPARE(Variante(value.ToText()).ToDouble(), value.ToDouble());
}

void TestRicalcolo::variantNotANumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "C" << "";
    QTest::newRow("blank") << "C" << "   ";
    QTest::newRow("letters") << "it_IT" << "abc";
    QTest::newRow("leading number then letters") << "C" << "12abc";
    QTest::newRow("comma in a point locale") << "C" << "40,5";
    QTest::newRow("two decimal separators") << "it_IT" << "1,2,3";
    QTest::newRow("infinity spelled out") << "C" << "inf";
}

void TestRicalcolo::variantNotANumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(Locale(locale));
    try {
        Variante(text).ToDouble();
        QFAIL("a text that is no number was read as one");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), ErrorNumber::TypeMismatch);
    }
}

void TestRicalcolo::variantAddition_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Variante>("a");
    QTest::addColumn<Variante>("b");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QString>("text");
    QTest::newRow("two texts join") << "it_IT" << Variante(QStringLiteral("lato cm ")) << Variante(QStringLiteral("22,2"))
                                    << true << "lato cm 22,2";
    QTest::newRow("two number texts join") << "C" << Variante(QStringLiteral("1")) << Variante(QStringLiteral("2"))
                                           << true << "12";
    QTest::newRow("text and number add") << "it_IT" << Variante(QStringLiteral("1,5")) << Variante(2.0) << false
                                         << "3,5";
    QTest::newRow("whole number and text add") << "C" << Variante(std::int16_t{10}) << Variante(QStringLiteral("0.5"))
                                               << false << "10.5";
}

void TestRicalcolo::variantAddition()
{
    QFETCH(QString, locale);
    QFETCH(Variante, a);
    QFETCH(Variante, b);
    QFETCH(bool, isText);
    QFETCH(QString, text);
    QLocale::setDefault(Locale(locale));
    const Variante sum = a + b;
    QCOMPARE(sum.IsText(), isText);
    QCOMPARE(sum.IsDouble(), !isText);
    QCOMPARE(sum.ToText(), text);
}

// The coil the window opens with, given as its fields hold it (text) and as
// the window object sets it (whole numbers); both read the same.
void TestRicalcolo::loadValues_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Variante>("d");
    QTest::addColumn<Variante>("n");
    QTest::addColumn<Variante>("l");
    QTest::newRow("whole numbers") << "C" << Variante(std::int16_t{40}) << Variante(std::int16_t{110})
                                   << Variante(std::int16_t{55});
    QTest::newRow("texts, point locale") << "en_US" << Variante(QStringLiteral("40")) << Variante(QStringLiteral("110"))
                                         << Variante(QStringLiteral("55"));
    QTest::newRow("texts, comma locale") << "it_IT" << Variante(QStringLiteral("40,0"))
                                         << Variante(QStringLiteral("110")) << Variante(QStringLiteral("55,0"));
}

void TestRicalcolo::loadValues()
{
    QFETCH(QString, locale);
    QFETCH(Variante, d);
    QFETCH(Variante, n);
    QFETCH(Variante, l);
    QLocale::setDefault(Locale(locale));
    QCOMPARE(Ricalcolo::Spaziatura(l, n), 0.5);
    const double induttanza = Ricalcolo::Induttanza(d, n, l);
    // 0.001 × 1600 × 12100 / 73
    QVERIFY2(Near(induttanza, 19360.0 / 73.0), qPrintable(QString::number(induttanza, 'g', 17)));
    const std::optional<double> f1 = Ricalcolo::Frequenza(induttanza, Variante(std::int16_t{365}));
    const std::optional<double> f2 = Ricalcolo::Frequenza(induttanza, Variante(QStringLiteral("35")));
    QVERIFY(f1 && f2);
    QVERIFY2(Near(*f1, std::sqrt(25330.0 / (19360.0 / 73.0 * 365.0))), qPrintable(QString::number(*f1, 'g', 17)));
    QVERIFY(std::fabs(*f1 - 0.5115403) < 1e-7);
    QVERIFY(std::fabs(*f2 - 1.6519326) < 1e-7);
    const double filo = Ricalcolo::Filo(d, n, l);
    QVERIFY(std::fabs(filo - 13.8231140) < 1e-7);
    QVERIFY2(Near(filo, std::sqrt(5.5 * 5.5 + 9.8696 * 12100.0 * 16.0) / 100.0), qPrintable(QString::number(filo, 'g', 17)));
    QVERIFY(!Ricalcolo::LatoQuadro(d));
}

void TestRicalcolo::squareLoop_data()
{
    QTest::addColumn<Variante>("d");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<double>("side");
    QTest::newRow("250 mm, on the bound") << Variante(QStringLiteral("250")) << true << 22.150056433336;
    QTest::newRow("249.5 mm, just under") << Variante(QStringLiteral("249.5")) << false << 0.0;
    QTest::newRow("1000 mm") << Variante(std::int16_t{1000}) << true << std::sqrt(250.0 * 3140.0) / 10.0;
    QTest::newRow("40 mm") << Variante(std::int16_t{40}) << false << 0.0;
}

void TestRicalcolo::squareLoop()
{
    QFETCH(Variante, d);
    QFETCH(bool, shown);
    QFETCH(double, side);
    const std::optional<double> lato = Ricalcolo::LatoQuadro(d);
    QCOMPARE(lato.has_value(), shown);
    if (!shown)
        return;
    QVERIFY2(std::fabs(*lato - side) < 1e-9, qPrintable(QString::number(*lato, 'g', 17)));
    QVERIFY(std::fabs(Ricalcolo::DiagonaleQuadro(*lato) - std::sqrt(2.0) * side) < 1e-9);
}

void TestRicalcolo::capacitanceNotAbove0_data()
{
    QTest::addColumn<Variante>("c");
    QTest::newRow("zero") << Variante(QStringLiteral("0"));
    QTest::newRow("negative") << Variante(QStringLiteral("-5"));
    QTest::newRow("zero as a whole number") << Variante(std::int16_t{0});
}

void TestRicalcolo::capacitanceNotAbove0()
{
    QFETCH(Variante, c);
    QVERIFY(!Ricalcolo::Frequenza(265.2, c));
}

QTEST_GUILESS_MAIN(TestRicalcolo)
#include "tst_ricalcolo.moc"
