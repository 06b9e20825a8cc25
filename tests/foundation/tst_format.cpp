// Display patterns and the designer's locale conversions, under a locale with
// the decimal point and one with the decimal comma.
#include "numbers/format.h"
#include "numbers/localenumber.h"
#include "numbers/quantity.h"
#include "numbers/runtimeerror.h"

#include <QTest>
#include <cmath>

namespace {
const QLocale point(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::Italian, QLocale::Italy);

// The same expected text under the comma locale: swap the two separators.
QString underComma(const QString &text)
{
    QString swapped = text;
    for (QChar &ch : swapped) {
        if (ch == u'.')
            ch = u',';
        else if (ch == u',')
            ch = u'.';
    }
    return swapped;
}

int errorOf(const std::function<void()> &body)
{
    try {
        body();
    } catch (const RuntimeError &e) {
        return e.code();
    }
    return 0;
}
} // namespace

class TestFormat : public QObject
{
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void doubleHalves_data();
    void doubleHalves();
    void nonFinite();

    void parseLocale_data();
    void parseLocale();
    void parseLocaleRefused_data();
    void parseLocaleRefused();
    void formatLocale_data();
    void formatLocale();
    void roundTrip_data();
    void roundTrip();
};

void TestFormat::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected"); // under the point locale

    const struct
    {
        const char *pattern;
        const char *zero, *half, *big, *negative;
    } rows[] = {
        {"#,##0.000", "0.000", "0.500", "1,234.568", "-1,234.568"},
        {"#,##0.0", "0.0", "0.5", "1,234.6", "-1,234.6"},
        {"##,##0.000", "0.000", "0.500", "1,234.568", "-1,234.568"},
        {"###.000", ".000", ".500", "1234.568", "-1234.568"},
        {"##0.000", "0.000", "0.500", "1234.568", "-1234.568"},
        {"##0.00", "0.00", "0.50", "1234.57", "-1234.57"},
        {"##0.0", "0.0", "0.5", "1234.6", "-1234.6"},
        {"#0.00", "0.00", "0.50", "1234.57", "-1234.57"},
        {"###", "", "1", "1235", "-1235"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s 0", row.pattern) << row.pattern << 0.0 << row.zero;
        QTest::addRow("%s 0.5", row.pattern) << row.pattern << 0.5 << row.half;
        QTest::addRow("%s 1234.5678", row.pattern) << row.pattern << 1234.5678 << row.big;
        QTest::addRow("%s -1234.5678", row.pattern) << row.pattern << -1234.5678 << row.negative;
    }
    QTest::newRow("no digit before the point") << "###.000" << 0.51154 << ".512";
    QTest::newRow("below a thousand") << "##,##0.000" << 265.25 << "265.250";
    QTest::newRow("just above a thousand") << "##,##0.000" << 1265.25 << "1,265.250";
    QTest::newRow("millions grouped") << "#,##0.0" << 1234567.89 << "1,234,567.9";
    QTest::newRow("integer part wider than the picture") << "#0.00" << 123456.0 << "123456.00";
    QTest::newRow("half away from zero") << "#,##0.000" << 2.0005 << "2.001";
    QTest::newRow("negative half away from zero") << "#,##0.000" << -2.0005 << "-2.001";
    QTest::newRow("rounding carries into integer") << "##0.00" << 9.999 << "10.00";
    QTest::newRow("rounding carries to a new group") << "#,##0.0" << 999.96 << "1,000.0";
    QTest::newRow("### half") << "###" << 2.5 << "3";
    QTest::newRow("### below half is empty") << "###" << 0.4 << "";
    QTest::newRow("negative rounding to zero shows no sign") << "##0.00" << -0.001 << "0.00";
}

void TestFormat::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Format(value, pattern, point), expected);
    QCOMPARE(Format(value, pattern, comma), underComma(expected));
    // A quantity of the same value (four decimals) shows the same text.
    QCOMPARE(Format(ToQuantity(value), pattern, point), expected);
    QCOMPARE(Format(ToQuantity(value), pattern, comma), underComma(expected));
}

void TestFormat::doubleHalves_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    // 1.0005 is held as 1.000499999…; its 15-digit form is the half.
    QTest::newRow("double just below a half") << 1.0005 << "#,##0.000" << "1.001";
    QTest::newRow("double 0.125") << 0.125 << "##0.00" << "0.13";
    QTest::newRow("double 2.675") << 2.675 << "##0.00" << "2.68";
    QTest::newRow("sixteenth digit ignored") << 1.00049999999999 << "#,##0.000" << "1.000";
    QTest::newRow("huge value") << 1e20 << "###" << "100000000000000000000";
    QTest::newRow("tiny value") << 1e-20 << "##0.000" << "0.000";
}

void TestFormat::doubleHalves()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(Format(value, pattern, point), expected);
}

void TestFormat::nonFinite()
{
    QCOMPARE(errorOf([] { Format(std::nan(""), QStringLiteral("##0.00"), point); }), 6);
    QCOMPARE(errorOf([] { Format(INFINITY, QStringLiteral("##0.00"), point); }), 6);
}

void TestFormat::parseLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("point: decimal") << point << "40.5" << 40.5;
    QTest::newRow("point: blanks around") << point << "  40 " << 40.0;
    QTest::newRow("point: sign") << point << "-3.25" << -3.25;
    QTest::newRow("point: grouping") << point << "1,234.5" << 1234.5;
    QTest::newRow("point: exponent") << point << "1e3" << 1000.0;
    QTest::newRow("comma: decimal") << comma << "40,5" << 40.5;
    QTest::newRow("comma: grouping") << comma << "1.234,5" << 1234.5;
    QTest::newRow("comma: spacing") << comma << "0,50" << 0.5;
}

void TestFormat::parseLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ParseLocaleNumber(text, locale), expected);
}

void TestFormat::parseLocaleRefused_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error");
    QTest::newRow("empty") << point << "" << 13;
    QTest::newRow("blanks only") << point << "   " << 13;
    QTest::newRow("letters") << point << "abc" << 13;
    QTest::newRow("trailing letters") << point << "12abc" << 13;
    QTest::newRow("infinity") << point << "inf" << 13;
    QTest::newRow("not a number") << point << "nan" << 13;
    QTest::newRow("comma where the point is decimal") << point << "40,5,5" << 13;
    QTest::newRow("two decimal separators") << comma << "1,2,3" << 13;
    QTest::newRow("beyond double") << point << "1e400" << 6;
}

void TestFormat::parseLocaleRefused()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(int, error);
    QCOMPARE(errorOf([&] { ParseLocaleNumber(text, locale); }), error);
}

void TestFormat::formatLocale_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected"); // under the point locale
    QTest::newRow("whole") << 40.0 << "40";
    QTest::newRow("half") << 40.5 << "40.5";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 55.0 / 111 * 112 << "55.4954954954955";
    QTest::newRow("no grouping") << 12345.5 << "12345.5";
    QTest::newRow("negative") << -0.25 << "-0.25";
    QTest::newRow("zero") << 0.0 << "0";
}

void TestFormat::formatLocale()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatLocaleNumber(value, point), expected);
    QCOMPARE(FormatLocaleNumber(value, comma), QString(expected).replace(u'.', u','));
}

void TestFormat::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("spacing") << 0.5;
    QTest::newRow("locked length") << 55.4954954954955;
    QTest::newRow("large") << 123456789.125;
    QTest::newRow("small") << 0.000123;
    QTest::newRow("negative") << -1000.75;
}

void TestFormat::roundTrip()
{
    QFETCH(double, value);
    for (const QLocale &locale : {point, comma, QLocale::c()})
        QCOMPARE(ParseLocaleNumber(FormatLocaleNumber(value, locale), locale), value);
}

QTEST_APPLESS_MAIN(TestFormat)
#include "tst_format.moc"
