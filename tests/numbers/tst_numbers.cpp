// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arithmetic: quantities, the checked floating-point operations, the reading of a typed field
// and its refusal, display patterns and the locale conversions.
#include "common/columns.h"
#include "numbers/campo.h"
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
const QLocale kEn(QLocale::English, QLocale::UnitedStates), kIt(QLocale::Italian, QLocale::Italy);

Quantity q(qint64 tenThousandths)
{
    return Quantity::fromRaw(tenThousandths);
}

// A number as it_IT writes it, from the way en_US writes it: the two separators swapped.
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
    void readField_data();
    void readField();
    void campo_data();
    void campo();
    void format_data();
    void format();
    void formatLocale();
};

// [x]: x × 10 000 rounded a half to even; Compare(q, x) judges q against [x].
void TestNumbers::toQuantity_data()
{
    columns<double, qint64, int>("x", "raw", "error");
    QTest::newRow("2/3 to nearest") << 2.0 / 3 << qint64(6667) << 0;
    QTest::newRow("0.00005 is half of 1, to 0") << 0.00005 << qint64(0) << 0;
    QTest::newRow("0.00035 is 3.5, to 4") << 0.00035 << qint64(4) << 0;
    QTest::newRow("-0.00025 is -2.5, to -2") << -0.00025 << qint64(-2) << 0;
    QTest::newRow("1.00005 just above a half") << 1.00005 << qint64(10001) << 0;
    QTest::newRow("single 1.2") << double(1.2f) << qint64(12000) << 0;
    QTest::newRow("-2^63 fits") << -922337203685477.5808 << kMin << 0;
    QTest::newRow("2^63 overflows") << 922337203685477.5808 << qint64(0) << 6;
}
void TestNumbers::toQuantity()
{
    QFETCH(double, x);
    QFETCH(qint64, raw);
    QFETCH(int, error);
    QCOMPARE(errorOf([&] { QCOMPARE(ToQuantity(x).raw(), raw); }), error);
    QCOMPARE(errorOf([&] { QCOMPARE(Compare(q(raw), x), 0); }), error);
    if (!error && raw > kMin)
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
        {"+", kMax, kMin, -1, 0},      {"+", kMax, 1, 0, 6},
        {"*", 3333, 30000, 9999, 0},   {"*", 12345, 12345, 15240, 0},
        {"*", 5, 5000, 2, 0},          {"*", 7, 5000, 4, 0},
        {"*", -5, 5000, -2, 0},        {"*", kMax, 10001, 0, 6},
        {"k*", -3, 5, -15, 0},         {"k*", 2, kMax / 2 + 1, 0, 6},
        {"Int", -23000, 0, -30000, 0}, {"Int", kMin, 0, 0, 6},
        {"I16", 25000, 0, 2, 0},       {"I16", 35000, 0, 4, 0},
        {"I16", 327675000, 0, 0, 6},   {"I16", -327685000, 0, -32768, 0},
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
// Power, Sqr, Divide, Multiply, Add: the result, or the error raised (5, 6, 11).
void TestNumbers::checkedMath_data()
{
    columns<QString, double, double, double, int>("op", "a", "b", "result", "error");
    const struct
    {
        const char *op;
        double a, b, result;
        int error;
    } rows[] = {
        {"Power", -3, 2, 9, 0},     {"Power", -2, 3, -8, 0},
        {"Power", 0, 0, 1, 0},      {"Power", -2, 0.5, 0, 5},
        {"Power", 0, -1, 0, 11},    {"Power", 2, 1024, 0, 6},
        {"Power", 10, -400, 0, 0},  {"Sqr", 16, 0, 4, 0},
        {"Sqr", -1e-300, 0, 0, 5},  {"Divide", 1, 0, 0, 11},
        {"Divide", 0, 0, 0, 6},     {"Divide", 1e300, 1e-300, 0, 6},
        {"Multiply", 3, -2, -6, 0}, {"Add", 1.7e308, 1.7e308, 0, 6},
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
                                        : Add(a, b);
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
            errorOf([&] { Power(x, 0); }),         errorOf([&] { Sqr(x); }),
            errorOf([&] { Divide(1, x); }),        errorOf([&] { Subtract(1, x); })};
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
        {"40", 40, 0},     {".5", 0.5, 0},        {"2,5", 2, 0},         {"1.2.3", 1.2, 0},
        {"12abc", 12, 0},  {"abc", 0, 0},         {"12 34", 1234, 0},    {"1 e - 3", 0.001, 0},
        {"2D2", 200, 0},   {"3e+x", 3, 0},        {"1e309", 0, 6},       {"&H10", 16, 0},
        {"&HFFFF", -1, 0}, {"&H10000", 65536, 0}, {"&H100000000", 0, 6}, {"&O17", 15, 0},
        {"&H", 0, 0},
    };
    for (const auto &r : rows)
        QTest::addRow("\"%s\"", r.text) << QString::fromUtf8(r.text) << r.expected << r.error;
    QTest::newRow("400 nines") << QString(400, u'9') << 0.0 << 6;
}
void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(int, error);
    QCOMPARE(errorOf([&] { QCOMPARE(Val(text), expected); }), error);
}
// Every window's field: the number, or nothing (NaN) for a text that reads two ways or not in full, under
// en_US and it_IT. The group separator counts only between threes.
void TestNumbers::readField_data()
{
    columns<QLocale, QString, double>("locale", "text", "expected");
    const struct
    {
        const char *text;
        double point, comma;
    } rows[] = {
        {"2.200", 2.2, kNaN},
        {"2,5", kNaN, 2.5},
        {"3,004.8", 3004.8, kNaN},
        {"1.591,540", kNaN, 1591.54},
        {"5,033", 5033, 5.033},
        {"12abc", kNaN, kNaN},
        {" 7 ", 7, 7},
        {"", 0, 0},
        {"1.23.456", kNaN, kNaN},
        {"-abc", 0, 0},
        {"&HFFx", kNaN, kNaN},
        {"7.", 7, 7},
        {"+2,5e1", kNaN, 25},
        {"1,5e", kNaN, kNaN},
    };
    for (const auto &r : rows) {
        QTest::addRow("en_US \"%s\"", r.text) << kEn << QString::fromUtf8(r.text) << r.point;
        QTest::addRow("it_IT \"%s\"", r.text) << kIt << QString::fromUtf8(r.text) << r.comma;
    }
    QTest::newRow("fr_FR space as group") << QLocale(QLocale::French, QLocale::France) << "1 234,5" << 1234.5;
    QTest::newRow("sv_SE its own minus") << QLocale(QLocale::Swedish, QLocale::Sweden) << "\u22122,5" << -2.5;
}
void TestNumbers::readField()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ReadFieldNumber(text, locale),
             std::isnan(expected) ? std::nullopt : std::optional<double>(expected));
}
// A field read as a coil's: the value as the window uses it, or the refusal that names the field and its
// text.
void TestNumbers::campo_data()
{
    columns<QString, int, int, bool, QString>("text", "ammessi", "grandezza", "quantita", "said");
    const auto row = [](const char *text, Ammessi a, Grandezza g, bool quantita, const char *said) {
        QTest::addRow("%s %d %d", text, int(a), int(g)) << text << int(a) << int(g) << quantita << said;
    };
    row("40,5", Ammessi::Positivi, Grandezza::Diametro, false, "40.5");
    row("-0", Ammessi::ZeroEPositivi, Grandezza::Lunghezza, false, "0");
    row("", Ammessi::ZeroEPositivi, Grandezza::Lunghezza, false, "0");
    row("-5", Ammessi::Tutti, Grandezza::Capacita, false, "-5");
    row("5000", Ammessi::Positivi, Grandezza::Diametro, false, "5000");
    row("0,1", Ammessi::Positivi, Grandezza::Spire, false, "0.1");
    row("0,09", Ammessi::Positivi, Grandezza::Spire, false,
        "il valore \"0,09\" è troppo piccolo: il programma accetta da 0,1.");
    row("-0,001", Ammessi::Tutti, Grandezza::Capacita, false, "-0.001");
    row("0,00004", Ammessi::Positivi, Grandezza::Spire, true,
        "Nel campo \"X\" il valore \"0,00004\" non va bene: deve");
    row("", Ammessi::Positivi, Grandezza::Spire, false, "Nel campo \"X\" manca il valore.");
    row("abc", Ammessi::Tutti, Grandezza::Capacita, false,
        "Nel campo \"X\" il testo \"abc\" non è un numero.");
    row("-1", Ammessi::ZeroEPositivi, Grandezza::Lunghezza, false,
        "il valore \"-1\" non va bene: non può essere neg");
    row("5000,1", Ammessi::Positivi, Grandezza::Diametro, false,
        "il valore \"5000,1\" è troppo grande: il programma accetta fino a 5000.");
    row("-1e300", Ammessi::Tutti, Grandezza::Capacita, false, "il valore \"-1e300\" è troppo grande");
    row("1e999", Ammessi::Positivi, Grandezza::Frequenza, false, "il valore \"1e999\" è troppo grande");
    row("2.200", Ammessi::Positivi, Grandezza::Capacita, false,
        "si può leggere in due modi: 2200 oppure 2,2.");
}
void TestNumbers::campo()
{
    QFETCH(QString, text);
    QFETCH(int, ammessi);
    QFETCH(int, grandezza);
    QFETCH(bool, quantita);
    QFETCH(QString, said);
    const Precisione precisione = quantita ? Precisione::Quantita : Precisione::Double;
    const LetturaCampo lettura =
        LeggiCampo("X", text, Grandezza(grandezza), Ammessi(ammessi), precisione, kIt);
    QVERIFY2(lettura.valore ? QString::number(*lettura.valore) == said && lettura.rifiuto.isEmpty()
                            : lettura.rifiuto.contains(said),
             qPrintable(lettura.valore ? QString::number(*lettura.valore) : lettura.rifiuto));
    try { // the readers of the windows throw the same refusal
        QVERIFY(Leggi("X", text, Grandezza(grandezza), Ammessi(ammessi), precisione, kIt) == lettura.valore);
    } catch (const RifiutoCampo &rifiuto) {
        QCOMPARE(rifiuto.testo, lettura.rifiuto);
    }
}
// The windows' pictures, for a quantity and a double alike: a half goes away from 0, a double's is judged on
// 15 digits.
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
        {"###", {"", "1", "1235", "-1235"}},
        {"##0.00", {"0.00", "0.50", "1234.57", "-1234.57"}},
        {"###.000", {".000", ".500", "1234.568", "-1234.568"}},
    };
    const struct
    {
        const char *pattern;
        double value;
        const char *expected;
        bool quantity;
    } rows[] = {
        {"#,##0.000", 2.0005, "2.001", true},
        {"#,##0.000", -2.0005, "-2.001", true},
        {"##0.00", 9.999, "10.00", true},
        {"#,##0.0", 999.96, "1,000.0", true},
        {"###", -0.4, "", true},
        {"##0.00", -0.001, "0.00", true},
        {"##0.00", 2.675, "2.68", true},
        {"#,##0.000", 1.00049999999999, "1.000", false},
        {"###", 1e20, "100000000000000000000", false},
    };
    for (const QLocale &locale : {kEn, kIt}) {
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
void TestNumbers::formatLocale()
{
    for (const QLocale &locale : {kEn, kIt})
        for (const auto &[value, expected] :
             std::initializer_list<std::pair<double, const char *>>{{40, "40"},
                                                                    {-0.0, "0"},
                                                                    {0.1 + 0.2, "0.3"},
                                                                    {55.0 / 111 * 112, "55.4954954954955"},
                                                                    {12345.5, "12345.5"}}) {
            QCOMPARE(FormatLocaleNumber(value, locale), under(locale, expected));
            QCOMPARE(ReadFieldNumber(under(locale, expected), locale).value_or(NAN), value);
        }
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
