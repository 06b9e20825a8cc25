// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arithmetic: quantities, the checked floating-point operations, the
// leading-number parse, display patterns and the locale conversions.
#include "common/columns.h"
#include "numbers/checkedmath.h"
#include "numbers/format.h"
#include "numbers/localenumber.h"
#include "numbers/quantity.h"
#include "numbers/val.h"
#include <cmath>
#include <limits>
#include <optional>

namespace {
constexpr qint64 kMax = std::numeric_limits<qint64>::max(), kMin = std::numeric_limits<qint64>::min();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(),
                 kInf = std::numeric_limits<double>::infinity();
const QLocale kC = QLocale::c(), kEn(QLocale::English, QLocale::UnitedStates),
              kIt(QLocale::Italian, QLocale::Italy);

Quantity q(qint64 tenThousandths)
{
    return Quantity::fromRaw(tenThousandths);
}

// A number as the locale writes it, from the way C and en_US write it: it_IT swaps the two separators.
QString under(const QLocale &locale, QString text)
{
    for (QChar &ch : text)
        ch = locale != kIt ? ch : ch == u'.' ? u',' : ch == u',' ? u'.' : ch;
    return text;
}
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void toQuantity_data();
    void toQuantity();
    void quantityOps_data();
    void quantityOps();
    void checkedMath_data();
    void checkedMath();
    void nonFinite();
    void val_data();
    void val();
    void readFieldNumber_data();
    void readFieldNumber();
    void refusalMessage_data();
    void refusalMessage();
    void format_data();
    void format();
    void formatLocale_data();
    void formatLocale();
};

// [x]: the double x × 10 000 rounded a half to even; back: FromQuantity(raw); Compare(q, x) judges q against
// [x].
void TestNumbers::toQuantity_data()
{
    columns<double, qint64, double, int>("x", "raw", "back", "error");
    const struct
    {
        const char *name;
        double x;
        qint64 raw;
        double back;
        int error;
    } rows[] = {
        {"2/3 to nearest", 2.0 / 3, 6667, 0.6667, 0},
        {"-0.00004 to nearest", -0.00004, 0, 0, 0},
        {"0.00005 x 1e4 is 0.5, to 0", 0.00005, 0, 0, 0},
        {"-0.00005 x 1e4 is -0.5, to 0", -0.00005, 0, 0, 0},
        {"0.00035 x 1e4 is 3.5, to 4", 0.00035, 4, 0.0004, 0},
        {"-0.00025 x 1e4 is -2.5, to -2", -0.00025, -2, -0.0002, 0},
        {"2.00005 x 1e4 is 20000.5", 2.00005, 20000, 2, 0},
        {"0.00015 x 1e4 below 1.5", 0.00015, 1, 0.0001, 0},
        {"1.00005 x 1e4 above 10000.5", 1.00005, 10001, 1.0001, 0},
        {"single 1.2", double(1.2f), 12000, 1.2, 0},
        {"just below 2^63", 922337203685477.5, 9223372036854774784, 922337203685477.5, 0},
        {"-2^63 fits", -922337203685477.5808, kMin, -922337203685477.5808, 0},
        {"2^63 overflows", 922337203685477.5808, 0, 0, 6},
        {"-1e16 overflows", -1e16, 0, 0, 6},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.x << r.raw << r.back << r.error;
}
void TestNumbers::toQuantity()
{
    QFETCH(double, x);
    QFETCH(qint64, raw);
    QFETCH(double, back);
    QFETCH(int, error);
    QCOMPARE(errorOf([&] { QCOMPARE(ToQuantity(x).raw(), raw); }), error);
    QCOMPARE(errorOf([&] { QCOMPARE(Compare(q(raw), x), 0); }), error);
    if (error)
        return;
    QVERIFY2(FromQuantity(q(raw)) == back,
             qPrintable(QString::number(FromQuantity(q(raw)), 'g', 17))); // exactly
    if (raw < kMax)
        QCOMPARE(Compare(q(raw + 1), x), 1);
    if (raw > kMin)
        QCOMPARE(Compare(q(raw - 1), x), -1);
}
// Counts of ten-thousandths: a + b and a × b (both orders), k × b with a 16-bit k, Int(a), ToInteger16(a).
void TestNumbers::quantityOps_data()
{
    columns<QString, qint64, qint64, qint64, int>("op", "a", "b", "expected", "error");
    const struct
    {
        const char *op;
        qint64 a, b, expected;
        int error;
    } rows[] = {
        {"+", 15, -20, -5, 0},
        {"+", kMax, kMin, -1, 0},
        {"+", kMax, 1, 0, 6},
        {"+", kMin, -1, 0, 6},
        {"*", 3333, 30000, 9999, 0},
        {"*", 12345, 12345, 15240, 0},
        {"*", -12345, 12345, -15240, 0},
        {"*", 5, 5000, 2, 0},
        {"*", 7, 5000, 4, 0},
        {"*", -5, 5000, -2, 0},
        {"*", -7, 5000, -4, 0},
        {"*", 4999, 5, 2, 0},
        {"*", 5001, 5, 3, 0},
        {"*", kMax, 10000, kMax, 0},
        {"*", kMin, -10000, 0, 6},
        {"*", kMax, 10001, 0, 6},
        {"k*", 2, 12345, 24690, 0},
        {"k*", -3, 5, -15, 0},
        {"k*", -1, kMin, 0, 6},
        {"k*", 2, kMax / 2 + 1, 0, 6},
        {"Int", 27000, 0, 20000, 0},
        {"Int", -23000, 0, -30000, 0},
        {"Int", -30000, 0, -30000, 0},
        {"Int", kMax, 0, 9223372036854770000, 0},
        {"Int", kMin, 0, 0, 6},
        {"I16", 25000, 0, 2, 0},
        {"I16", 35000, 0, 4, 0},
        {"I16", -35000, 0, -4, 0},
        {"I16", 25001, 0, 3, 0},
        {"I16", 327674999, 0, 32767, 0},
        {"I16", 327675000, 0, 0, 6},
        {"I16", -327685000, 0, -32768, 0},
        {"I16", -327685001, 0, 0, 6},
        {"*", kMin, 10000, kMin, 0},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %lld %lld", r.op, r.a, r.b) << QString(r.op) << r.a << r.b << r.expected << r.error;
}
void TestNumbers::quantityOps()
{
    QFETCH(QString, op);
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, expected);
    QFETCH(int, error);
    const auto result = [&](bool swapped) -> qint64 {
        if (op == "+")
            return (swapped ? q(b) + q(a) : q(a) + q(b)).raw();
        if (op == "*")
            return (swapped ? q(b) * q(a) : q(a) * q(b)).raw();
        if (op == "k*")
            return (std::int16_t(a) * q(b)).raw();
        return op == "Int" ? Int(q(a)).raw() : ToInteger16(q(a));
    };
    for (const bool swapped : {false, true})
        QCOMPARE(errorOf([&] { QCOMPARE(result(swapped), expected); }), error);
}
// Power, Sqr, Divide, Multiply, Add, Subtract: the result, or the error raised (5, 6, 11).
void TestNumbers::checkedMath_data()
{
    columns<QString, double, double, double, int>("op", "a", "b", "result", "error");
    const struct
    {
        const char *op;
        double a, b, result;
        int error;
    } rows[] = {
        {"Power", -3, 2, 9, 0},
        {"Power", 1e200, 2, 0, 6},
        {"Power", 2, -1, 0.5, 0},
        {"Power", -2, 3, -8, 0},
        {"Power", 2, 0.5, 1.4142135623730951, 0},
        {"Power", 0, 0, 1, 0},
        {"Power", 0, 3, 0, 0},
        {"Power", -2, 0.5, 0, 5},
        {"Power", -8, 1.0 / 3, 0, 5},
        {"Power", 0, -1, 0, 11},
        {"Power", -0.0, -3, 0, 11},
        {"Power", 0, -0.5, 0, 11},
        {"Power", 2, 1024, 0, 6},
        {"Power", 10, -400, 0, 0},
        {"Sqr", 16, 0, 4, 0},
        {"Sqr", 0, 0, 0, 0},
        {"Sqr", -1e-300, 0, 0, 5},
        {"Divide", 1, 4, 0.25, 0},
        {"Divide", 1, 0, 0, 11},
        {"Divide", -1, 0, 0, 11},
        {"Divide", 0, 0, 0, 6},
        {"Divide", -0.0, 0, 0, 6},
        {"Divide", 1e300, 1e-300, 0, 6},
        {"Divide", 1e-300, 1e300, 0, 0},
        {"Multiply", 3, -2, -6, 0},
        {"Multiply", 1e200, 1e200, 0, 6},
        {"Add", 1, 2, 3, 0},
        {"Add", 1.7e308, 1.7e308, 0, 6},
        {"Subtract", 5, 3, 2, 0},
        {"Subtract", -1.7e308, 1.7e308, 0, 6},
    };
    for (const auto &r : rows)
        QTest::addRow("%s(%g, %g)", r.op, r.a, r.b) << QString(r.op) << r.a << r.b << r.result << r.error;
}
void TestNumbers::checkedMath()
{
    QFETCH(QString, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, result);
    QFETCH(int, error);
    double value = kNaN;
    QCOMPARE(errorOf([&] {
                 value = op == "Power"  ? Power(a, b)
                     : op == "Sqr"      ? Sqr(a)
                     : op == "Divide"   ? Divide(a, b)
                     : op == "Multiply" ? Multiply(a, b)
                     : op == "Add"      ? Add(a, b)
                                        : Subtract(a, b);
             }),
             error);
    if (!error)
        QCOMPARE(value, result);
}
// Every operation refuses a value that is not a finite number with overflow.
void TestNumbers::nonFinite()
{
    for (const double x : {kNaN, kInf, -kInf}) {
        const QList<int> raised{
            errorOf([&] { ToQuantity(x); }),       errorOf([&] { Compare(q(0), x); }),
            errorOf([&] { Format(x, "##0.00"); }), errorOf([&] { FormatLocaleNumber(x); }),
            errorOf([&] { Checked(x); }),          errorOf([&] { Power(x, 0); }),
            errorOf([&] { Power(1, x); }),         errorOf([&] { Sqr(x); }),
            errorOf([&] { Divide(x, 0); }),        errorOf([&] { Divide(1, x); }),
            errorOf([&] { Multiply(0, x); }),      errorOf([&] { Add(x, 1); }),
            errorOf([&] { Subtract(1, x); })};
        QCOMPARE(raised, QList<int>(raised.size(), 6));
    }
}
void TestNumbers::val_data()
{
    columns<QString, double, int>("text", "expected", "error");
    const struct
    {
        const char *text;
        double expected;
        int error;
    } rows[] = {
        // each row named after its text
        {"40", 40, 0},
        {".5", 0.5, 0},
        {"2,5", 2, 0},
        {"1.2.3", 1.2, 0},
        {"+7.25", 7.25, 0},
        {"+-3", 0, 0},
        {"12abc", 12, 0},
        {"abc", 0, 0},
        {"", 0, 0},
        {"12µH", 12, 0},
        {"12 34", 1234, 0},
        {"- 3", -3, 0},
        {"1 e - 3", 0.001, 0},
        {"1e3", 1000, 0},
        {"25E-2", 0.25, 0},
        {"2D2", 200, 0},
        {"5d-1", 0.5, 0},
        {"3e+x", 3, 0},
        {"1e-400", 0, 0},
        {"1e309", 0, 6},
        {"-2e400", 0, 6},
        {"&H10", 16, 0},
        {"&hff", 255, 0},
        {"&HFFFF", -1, 0},
        {"&H8000", -32768, 0},
        {"&H0000FFFF", -1, 0},
        {"&H10000", 65536, 0},
        {"&HFFFFFFFF", -1, 0},
        {"&H80000000", -2147483648.0, 0},
        {"&H100000000", 0, 6},
        {"& H 1 0", 16, 0},
        {"&H", 0, 0},
        {"&HAa", 170, 0},
        {"&O17", 15, 0},
        {"&o177777", -1, 0},
        {"&O8", 0, 0},
        {"&O37777777777", -1, 0},
        {"&O40000000000", 0, 6},
        {"1.7976931348623157e308", 1.7976931348623157e308, 0},
    };
    for (const auto &r : rows)
        QTest::addRow("\"%s\"", r.text) << QString::fromUtf8(r.text) << r.expected << r.error;
    QTest::newRow("blanks, tabs, line feeds") << " \t1\n2 . 5 " << 12.5 << 0;
    QTest::newRow("400 nines") << QString(400, u'9') << 0.0 << 6;
}
void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(int, error);
    QCOMPARE(errorOf([&] { QCOMPARE(Val(text), expected); }), error);
}
// Every window's field: the number, or nothing (NaN) for a text that reads
// two ways or not in full. The group separator counts only between threes.
void TestNumbers::readFieldNumber_data()
{
    columns<QLocale, QString, double>("locale", "text", "expected");
    const struct
    {
        const char *text;
        double point, comma;
    } rows[] = {
        // under en_US and under it_IT
        {"2.200", 2.2, kNaN},
        {"2.5", 2.5, 2.5},
        {"2,5", kNaN, 2.5},
        {"3,004.8", 3004.8, kNaN},
        {"1,591.540", 1591.54, kNaN},
        {"1.591,540", kNaN, 1591.54},
        {"5,033", 5033, 5.033},
        {"12abc", kNaN, kNaN},
        {" 7 ", 7, 7},
        {"", 0, 0},
        {"1e9", 1e9, 1e9},
        {"2.000", 2, kNaN},
        {"1.000.000", kNaN, 1e6},
        {"12,34", kNaN, 12.34},
        {"1,2345", kNaN, 1.2345},
        {"1,234,567.5", 1234567.5, kNaN},
        {"12,3456", kNaN, 12.3456},
        {"1.23.456", kNaN, kNaN},
        {"-abc", 0, 0},
        {"40mm", kNaN, kNaN},
        {"abc", 0, 0},
        {" 1 0 0 , 5 ", kNaN, kNaN},
        {"3.004,8", kNaN, 3004.8},
        {"-2,5", kNaN, -2.5},
        {"1e3", 1000, 1000},
        {"1e", kNaN, kNaN},
        {"&HFF", 255, 255},
        {"&HFFx", kNaN, kNaN},
        {"&H", 0, 0},
        {"2,5mm", kNaN, kNaN},
        {",", 0, 0},
        {"7.", 7, 7},
        {"123,456", 123456, 123.456},
        {"5µ", kNaN, kNaN},
        {"+2,5e1", kNaN, 25},
        {"1,5e", kNaN, kNaN},
        {"1 2", 12, 12},
    };
    for (const auto &r : rows) {
        QTest::addRow("en_US \"%s\"", r.text) << kEn << QString::fromUtf8(r.text) << r.point;
        QTest::addRow("it_IT \"%s\"", r.text) << kIt << QString::fromUtf8(r.text) << r.comma;
    }
    QTest::newRow("fr_FR space as group") << QLocale(QLocale::French, QLocale::France) << "1 234,5" << 1234.5;
    QTest::newRow("sv_SE its own minus") << QLocale(QLocale::Swedish, QLocale::Sweden) << "\u22122,5" << -2.5;
    QTest::newRow("sv_SE the keyboard's minus")
        << QLocale(QLocale::Swedish, QLocale::Sweden) << "-2,5" << -2.5;
}
void TestNumbers::readFieldNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ReadFieldNumber(text, locale),
             std::isnan(expected) ? std::nullopt : std::optional<double>(expected));
}
// The refusal says how the text reads and how to write each reading so it reads one way.
void TestNumbers::refusalMessage_data()
{
    columns<QLocale, QString, QString>("locale", "text", "expected");
    QTest::newRow("2.200 ambiguous")
        << kIt << "2.200"
        << "Nel campo \"C\" il testo \"2.200\" si può leggere in due modi: 2200 oppure 2,2.\n\n"
           "Scrivere \"2200\" per il primo, \"2,2\" per il secondo.";
    QTest::newRow("12abc unreadable")
        << kEn << "12abc"
        << "Nel campo \"C\" il testo \"12abc\" non si legge tutto come numero.\n\n"
           "Scrivere il numero senza unità, con il separatore decimale del sistema: 2.5";
}
void TestNumbers::refusalMessage()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FieldRefusalMessage(QStringLiteral("C"), text, locale), expected);
}
// The windows' pictures; quantity: so does a quantity. A half goes away from 0, a double's judged on 15
// digits.
void TestNumbers::format_data()
{
    columns<QLocale, QString, double, QString, bool>("locale", "pattern", "value", "expected", "quantity");
    const double values[] = {0, 0.5, 1234.5678, -1234.5678};
    const struct
    {
        const char *pattern, *texts[4];
    } pictures[] = {
        {"#,##0.000", {"0.000", "0.500", "1,234.568", "-1,234.568"}},
        {"#,##0.0", {"0.0", "0.5", "1,234.6", "-1,234.6"}},
        {"##,##0.000", {"0.000", "0.500", "1,234.568", "-1,234.568"}},
        {"###", {"", "1", "1235", "-1235"}},
        {"##0.000", {"0.000", "0.500", "1234.568", "-1234.568"}},
        {"##0.00", {"0.00", "0.50", "1234.57", "-1234.57"}},
        {"##0.0", {"0.0", "0.5", "1234.6", "-1234.6"}},
        {"#0.00", {"0.00", "0.50", "1234.57", "-1234.57"}},
        {"###.000", {".000", ".500", "1234.568", "-1234.568"}},
    };
    const struct
    {
        const char *pattern;
        double value;
        const char *expected;
        bool quantity;
    } rows[] = {
        {"##,##0.000", 1265.25, "1,265.250", true},
        {"#,##0.0", 1234567.89, "1,234,567.9", true},
        {"###", 2.5, "3", true},
        {"#,##0.000", 2.0005, "2.001", true},
        {"#,##0.000", -2.0005, "-2.001", true},
        {"##0.0", 0.05, "0.1", true},
        {"##0.00", 9.999, "10.00", true},
        {"#,##0.0", 999.96, "1,000.0", true},
        {"###", 0.4, "", true},
        {"###", -0.4, "", true},
        {"##0.00", -0.001, "0.00", true},
        {"##0.0", 0.15, "0.2", true},
        {"##0.00", 2.675, "2.68", true},
        {"#,##0.000", 1.0005, "1.001", true},
        {"##0.000", 1e-20, "0.000", true},
        {"#,##0.000", 1.00049999999999, "1.000", false},
        {"###", 1e20, "100000000000000000000", false},
        {"000.0", 5, "005.0", true},
    };
    for (const QLocale &locale : {kC, kEn, kIt}) {
        const auto add = [&](const char *pattern, double value, const char *text, bool quantity) {
            QTest::addRow("%s %s %.15g", qPrintable(locale.name()), pattern, value)
                << locale << QString(pattern) << value << under(locale, text) << quantity;
        };
        for (const auto &p : pictures)
            for (int i = 0; i < 4; ++i)
                add(p.pattern, values[i], p.texts[i], true);
        for (const auto &r : rows)
            add(r.pattern, r.value, r.expected, r.quantity);
    }
}
void TestNumbers::format()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QFETCH(bool, quantity);
    QCOMPARE(Format(value, pattern, locale), expected);
    if (quantity)
        QCOMPARE(Format(ToQuantity(value), pattern, locale), expected);
}
// The shortest form to 15 digits, no group separator; it reads back as the same number.
void TestNumbers::formatLocale_data()
{
    columns<QLocale, double, QString>("locale", "value", "expected");
    const struct
    {
        double value;
        const char *expected;
    } rows[] = {
        {40, "40"},           {1, "1"},           {-0.0, "0"},
        {40.5, "40.5"},       {0.1 + 0.2, "0.3"}, {55.0 / 111 * 112, "55.4954954954955"},
        {12345.5, "12345.5"}, {-0.25, "-0.25"},   {0, "0"},
        {-0.0, "0"},
    };
    for (const QLocale &locale : {kC, kEn, kIt})
        for (const auto &r : rows)
            QTest::addRow("%s %.15g", qPrintable(locale.name()), r.value)
                << locale << r.value << under(locale, r.expected);
}
void TestNumbers::formatLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatLocaleNumber(value, locale), expected);
    QCOMPARE(ReadFieldNumber(expected, locale).value_or(NAN), value);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
