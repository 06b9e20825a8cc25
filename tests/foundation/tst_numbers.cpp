// Quantities, the leading-number parse and the checked floating-point operations.
#include "numbers/checkedmath.h"
#include "numbers/quantity.h"
#include "numbers/runtimeerror.h"
#include "numbers/val.h"

#include <QLocale>
#include <QTest>
#include <optional>
#include <cmath>
#include <limits>

namespace {
Quantity q(std::int64_t tenThousandths)
{
    return Quantity::fromRaw(tenThousandths);
}

// Runs body and returns the run-time error number it raised, or 0.
template<typename Body>
int errorOf(Body body)
{
    try {
        body();
    } catch (const RuntimeError &e) {
        return e.code();
    }
    return 0;
}
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void val_data();
    void val();
    void valOverflow_data();
    void valOverflow();
    void readFieldNumber_data();
    void readFieldNumber();

    void toQuantity_data();
    void toQuantity();
    void toQuantityOverflow();
    void fromQuantity();

    void sum();
    void product_data();
    void product();
    void integerProduct();
    void intPart_data();
    void intPart();
    void toInteger16_data();
    void toInteger16();
    void compare_data();
    void compare();

    void checkedMath_data();
    void checkedMath();
};

void TestNumbers::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << "40" << 40.0;
    QTest::newRow("decimal point") << "2.5" << 2.5;
    QTest::newRow("comma ends the number") << "2,5" << 2.0;
    QTest::newRow("group comma ends it too") << "1,234.5" << 1.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+7.25" << 7.25;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent capital, signed") << "25E-2" << 0.25;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+x" << 3.0;
    QTest::newRow("hex") << "&H10" << 16.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex four digits is 16-bit") << "&HFFFF" << -1.0;
    QTest::newRow("hex 8000 is 16-bit") << "&H8000" << -32768.0;
    QTest::newRow("hex five digits is 32-bit") << "&H10000" << 65536.0;
    QTest::newRow("hex eight digits") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex no digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal 16-bit") << "&O177777" << -1.0;
    QTest::newRow("blanks inside digits") << "12 34" << 1234.0;
    QTest::newRow("blanks, tabs and line feeds anywhere") << " \t1\n2 . 5 " << 12.5;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("two signs") << "+-3" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point then exponent") << ".e5" << 0.0;
    QTest::newRow("negative zero decimal") << "-0.0" << 0.0;
    QTest::newRow("non-ASCII ends") << "12µH" << 12.0;
    QTest::newRow("underflow is zero") << "1e-400" << 0.0;
    QTest::newRow("D exponent") << "2D2" << 200.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
}

void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TestNumbers::valOverflow_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("exponent beyond double") << "1e309";
    QTest::newRow("negative beyond double") << "-2e400";
    QTest::newRow("hex over 32 bits") << "&H100000000";
    QTest::newRow("many digits") << QString(400, u'9');
}

void TestNumbers::valOverflow()
{
    QFETCH(QString, text);
    QCOMPARE(errorOf([&] { Val(text); }), 6);
}

void TestNumbers::toQuantity_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("2.5") << 2.5 << qint64(25000);
    QTest::newRow("one third") << 1.0 / 3 << qint64(3333);
    QTest::newRow("two thirds") << 2.0 / 3 << qint64(6667);
    QTest::newRow("tie to even down") << 0.00025 << qint64(2);
    QTest::newRow("tie to even up") << 0.00035 << qint64(4);
    QTest::newRow("negative tie to even") << -0.00025 << qint64(-2);
    QTest::newRow("below half a unit") << 0.00004 << qint64(0);
    QTest::newRow("above half a unit") << 0.00006 << qint64(1);
    QTest::newRow("negative below half") << -0.00004 << qint64(0);
    QTest::newRow("more than four decimals") << 1.23456 << qint64(12346);
    QTest::newRow("large whole") << 900000000000000.0 << qint64(9000000000000000000);
    QTest::newRow("most negative") << -922337203685477.5808 << std::numeric_limits<qint64>::min();
}

void TestNumbers::toQuantity()
{
    QFETCH(double, x);
    QFETCH(qint64, raw);
    QCOMPARE(ToQuantity(x).raw(), raw);
}

void TestNumbers::toQuantityOverflow()
{
    QCOMPARE(errorOf([] { ToQuantity(922337203685477.6); }), 6);
    QCOMPARE(errorOf([] { ToQuantity(-1e16); }), 6);
    QCOMPARE(errorOf([] { ToQuantity(std::nan("")); }), 6);
    QCOMPARE(errorOf([] { ToQuantity(INFINITY); }), 6);
}

void TestNumbers::fromQuantity()
{
    QCOMPARE(FromQuantity(q(33000)), 3.3);
    QCOMPARE(FromQuantity(q(-1)), -0.0001);
    QCOMPARE(FromQuantity(q(0)), 0.0);
}

void TestNumbers::sum()
{
    QCOMPARE((q(15) + q(-20)).raw(), -5);
    const auto max = std::numeric_limits<std::int64_t>::max();
    QCOMPARE(errorOf([&] { q(max) + q(1); }), 6);
    QCOMPARE(errorOf([&] { q(-max) + q(-2); }), 6);
}

void TestNumbers::product_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("third times three") << qint64(3333) << qint64(30000) << qint64(9999);
    QTest::newRow("rounded to nearest") << qint64(12345) << qint64(12345) << qint64(15240);
    QTest::newRow("half to even, down") << qint64(5) << qint64(5000) << qint64(2);   // 0.00025
    QTest::newRow("half to even, up") << qint64(7) << qint64(5000) << qint64(4);     // 0.00035
    QTest::newRow("negative half to even") << qint64(-5) << qint64(5000) << qint64(-2);
    QTest::newRow("negative rounds to nearest") << qint64(-12345) << qint64(12345) << qint64(-15240);
    QTest::newRow("tiny product is zero") << qint64(1) << qint64(1) << qint64(0);
    QTest::newRow("large exact") << qint64(30000000000000) << qint64(20000) << qint64(60000000000000);
}

void TestNumbers::product()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, expected);
    QCOMPARE((q(a) * q(b)).raw(), expected);
    QCOMPARE((q(b) * q(a)).raw(), expected);
}

void TestNumbers::integerProduct()
{
    QCOMPARE((std::int16_t{2} * q(12345)).raw(), 24690);
    QCOMPARE((std::int16_t{-3} * q(5)).raw(), -15);
    QCOMPARE(errorOf([] { std::int16_t{2} * q(std::numeric_limits<std::int64_t>::max() / 2 + 1); }), 6);
    // The 128-bit product of two large quantities is checked before it is narrowed.
    QCOMPARE(errorOf([] { q(3037000500LL * 10000) * q(3037000500LL * 10000); }), 6);
}

void TestNumbers::intPart_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("2.7") << qint64(27000) << qint64(20000);
    QTest::newRow("-2.3") << qint64(-23000) << qint64(-30000);
    QTest::newRow("whole stays") << qint64(-30000) << qint64(-30000);
    QTest::newRow("small positive") << qint64(1) << qint64(0);
    QTest::newRow("small negative") << qint64(-1) << qint64(-10000);
}

void TestNumbers::intPart()
{
    QFETCH(qint64, raw);
    QFETCH(qint64, expected);
    QCOMPARE(Int(q(raw)).raw(), expected);
}

void TestNumbers::toInteger16_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("expected"); // 0x10000 for overflow
    QTest::newRow("2.5 to even") << qint64(25000) << 2;
    QTest::newRow("3.5 to even") << qint64(35000) << 4;
    QTest::newRow("-2.5 to even") << qint64(-25000) << -2;
    QTest::newRow("2.5001 up") << qint64(25001) << 3;
    QTest::newRow("32767.4") << qint64(327674000) << 32767;
    QTest::newRow("32767.5 overflows") << qint64(327675000) << 0x10000;
    QTest::newRow("-32768.5 to even") << qint64(-327685000) << -32768;
    QTest::newRow("-32769 overflows") << qint64(-327690000) << 0x10000;
}

void TestNumbers::toInteger16()
{
    QFETCH(qint64, raw);
    QFETCH(int, expected);
    if (expected == 0x10000)
        QCOMPARE(errorOf([&] { ToInteger16(q(raw)); }), 6);
    else
        QCOMPARE(int(ToInteger16(q(raw))), expected);
}

void TestNumbers::compare_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("smallest positive above 0") << qint64(1) << 0.0 << 1;
    QTest::newRow("zero equals 0") << qint64(0) << 0.0 << 0;
    QTest::newRow("[0.00004] is 0") << qint64(ToQuantity(0.00004).raw()) << 0.0 << 0;
    QTest::newRow("[0.00006] is above 0") << qint64(ToQuantity(0.00006).raw()) << 0.0 << 1;
    QTest::newRow("single 1.2 equals 1.2") << qint64(12000) << double(1.2f) << 0;
    QTest::newRow("single 3.3 equals 3.3") << qint64(33000) << double(3.3f) << 0;
    QTest::newRow("negative below 0") << qint64(-1) << 0.0 << -1;
}

void TestNumbers::compare()
{
    QFETCH(qint64, raw);
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(Compare(q(raw), x), expected);
}

void TestNumbers::checkedMath_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("result");
    QTest::addColumn<int>("error");
    QTest::newRow("square") << "power" << -3.0 << 2.0 << 9.0 << 0;
    QTest::newRow("negative base, whole exponent") << "power" << -2.0 << 3.0 << -8.0 << 0;
    QTest::newRow("negative base, fraction") << "power" << -2.0 << 0.5 << 0.0 << 5;
    QTest::newRow("power overflow") << "power" << 1e200 << 2.0 << 0.0 << 6;
    QTest::newRow("zero to a negative power") << "power" << 0.0 << -1.0 << 0.0 << 11;
    QTest::newRow("square root") << "sqr" << 16.0 << 0.0 << 4.0 << 0;
    QTest::newRow("square root of zero") << "sqr" << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("square root of negative") << "sqr" << -1e-300 << 0.0 << 0.0 << 5;
    QTest::newRow("division") << "divide" << 1.0 << 4.0 << 0.25 << 0;
    QTest::newRow("division by zero") << "divide" << 1.0 << 0.0 << 0.0 << 11;
    QTest::newRow("negative by zero") << "divide" << -1.0 << 0.0 << 0.0 << 11;
    QTest::newRow("zero by zero") << "divide" << 0.0 << 0.0 << 0.0 << 6;
    QTest::newRow("division overflow") << "divide" << 1e300 << 1e-300 << 0.0 << 6;
    QTest::newRow("underflow is used") << "divide" << 1e-300 << 1e300 << 0.0 << 0;
    QTest::newRow("product overflow") << "multiply" << 1e200 << 1e200 << 0.0 << 6;
    QTest::newRow("sum overflow") << "add" << 1.7e308 << 1.7e308 << 0.0 << 6;
}

void TestNumbers::checkedMath()
{
    QFETCH(QString, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, result);
    QFETCH(int, error);
    double value = 0;
    const int raised = errorOf([&] {
        if (operation == "power")
            value = Power(a, b);
        else if (operation == "sqr")
            value = Sqr(a);
        else if (operation == "divide")
            value = Divide(a, b);
        else if (operation == "multiply")
            value = Multiply(a, b);
        else
            value = Add(a, b);
    });
    QCOMPARE(raised, error);
    if (error == 0)
        QCOMPARE(value, result);
}

// What the calculator and the converter make of a field: the number, or
// nothing when the text would be read only in part (NaN stands for nothing).
void TestNumbers::readFieldNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double refused = std::nan("");
    const struct
    {
        const char *text;
        double point, comma; // under en_US and under it_IT
    } rows[] = {
        {"100,5", refused, 100.5},     {"5,033", refused, 5.033},  {"1.591,540", refused, 1591.54},
        {"2,5", refused, 2.5},         {"40mm", refused, refused}, {"12abc", refused, refused},
        {"abc", 0, 0},                 {"", 0, 0},                 {"2.5", 2.5, 2.5},
        {" 1 0 0 , 5 ", refused, 100.5}, {"3.004,8", refused, 3004.8}, {"-2,5", refused, -2.5},
        {"1e3", 1000, 1000},           {"1e", refused, refused},   {"&HFF", 255, 255},
        {"&HFFx", refused, refused},   {"&H", 0, 0},               {"2,5mm", refused, refused},
        {",", 0, 0},                   {"7.", 7, 7},               {"5µ", refused, refused},
    };
    for (const auto &row : rows) {
        QTest::addRow("en_US \"%s\"", row.text) << "en_US" << QString::fromUtf8(row.text) << row.point;
        QTest::addRow("it_IT \"%s\"", row.text) << "it_IT" << QString::fromUtf8(row.text) << row.comma;
    }
}

void TestNumbers::readFieldNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    const std::optional<double> read = ReadFieldNumber(text, QLocale(locale));
    if (std::isnan(expected))
        QVERIFY2(!read, qPrintable(QString::number(read.value_or(0))));
    else
        QCOMPARE(read, std::optional<double>(expected));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
