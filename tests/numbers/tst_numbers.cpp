// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arithmetic: quantities, the checked floating-point operations, the reading of a typed field
// and its refusal, display patterns and the locale conversions. The fuzz targets hold the same functions to
// references on any input; these rows hold the boundaries and the figures a user sees.
#include "common/columns.h"
#include "numbers/campo.h"
#include "numbers/checkedmath.h"
#include "numbers/format.h"
#include "numbers/localenumber.h"
#include "numbers/quantity.h"
#include "numbers/val.h"

namespace {
// kMin: the least quantity, -2^63 ten-thousandths.
const double kNaN = qQNaN(), kInf = qInf(), kMin = -922337203685477.5808;
const QLocale kEn(QLocale::English, QLocale::UnitedStates), kIt(QLocale::Italian, QLocale::Italy),
    kFr(QLocale::French, QLocale::France), kSv(QLocale::Swedish, QLocale::Sweden);
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void arithmetic_data();
    void arithmetic();
    void reading_data();
    void reading();
    void campo_data();
    void campo();
    void format_data();
    void format();
    void formatLocale();
};

// The calculator's and the converter's arithmetic: the figure, or the run-time error the report names
// (5 invalid argument, 6 overflow, 11 division by zero) instead of a wrong last decimal, a wrapped count
// or a NaN on screen. Quantities are typed values, a and b (b is k for k*q), x × 10 000 rounded a half to
// even; ToInteger16 rounds the same way, Format (below) a half away from 0.
const struct
{
    const char *name, *op;
    double a, b, result;
    int error;
} kArithmetic[] = {
    {"0.00005 is half of 1, to 0", "ToQuantity", 0.00005, 0, 0, 0},
    {"0.00035 is 3.5, to 4", "ToQuantity", 0.00035, 0, 0.0004, 0},
    {"-2^63 fits", "ToQuantity", kMin, 0, kMin, 0},
    {"2^63 overflows", "ToQuantity", -kMin, 0, 0, 6},
    {"a+b past -2^63", "q+q", kMin, -0.0001, 0, 6},
    {"0.0005 x 0.5 to even 0.0002", "q*q", 0.0005, 0.5, 0.0002, 0},
    {"a*b past -2^63", "q*q", kMin, 1.0001, 0, 6},
    {"-1 x -2^63 past 2^63", "k*q", kMin, -1, 0, 6},
    {"Int(-2.3) is -3", "Int", -2.3, 0, -3, 0},
    {"Int(-2^63) below the range", "Int", kMin, 0, 0, 6},
    {"2.5 to even 2", "ToInteger16", 2.5, 0, 2, 0},
    {"32767.5 past 16 bits", "ToInteger16", 32767.5, 0, 0, 6},
    {"0.6666 below 2/3", "Compare", 0.6666, 2.0 / 3, -1, 0},
    {"0 is 0.00005 once rounded", "Compare", 0, 0.00005, 0, 0},
    {"(-2)^0.5 invalid", "Power", -2, 0.5, 0, 5},
    {"0^-1 divides by 0", "Power", 0, -1, 0, 11},
    {"10^-400 underflows to 0", "Power", 10, -400, 0, 0},
    {"NaN^0 overflows", "Power", kNaN, 0, 0, 6},
    {"square root of -1e-300 invalid", "Sqr", -1e-300, 0, 0, 5},
    {"1/0 divides by 0", "Divide", 1, 0, 0, 11},
    {"0/0 overflows", "Divide", 0, 0, 0, 6},
    {"1e200 x 1e200 overflows", "Multiply", 1e200, 1e200, 0, 6},
};
void TestNumbers::arithmetic_data()
{
    rows(kArithmetic);
}
void TestNumbers::arithmetic()
{
    QFETCH(int, i);
    const auto &r = kArithmetic[i];
    const QLatin1StringView op(r.op);
    QCOMPARE(errorOf([&] {
                 QCOMPARE(op == "ToQuantity"        ? FromQuantity(ToQuantity(r.a))
                              : op == "q+q"         ? FromQuantity(ToQuantity(r.a) + ToQuantity(r.b))
                              : op == "q*q"         ? FromQuantity(ToQuantity(r.a) * ToQuantity(r.b))
                              : op == "k*q"         ? FromQuantity(std::int16_t(r.b) * ToQuantity(r.a))
                              : op == "Int"         ? FromQuantity(Int(ToQuantity(r.a)))
                              : op == "ToInteger16" ? ToInteger16(ToQuantity(r.a))
                              : op == "Compare"     ? Compare(ToQuantity(r.a), r.b)
                              : op == "Power"       ? Power(r.a, r.b)
                              : op == "Sqr"         ? Sqr(r.a)
                              : op == "Divide"      ? Divide(r.a, r.b)
                              : op == "Multiply"    ? Multiply(r.a, r.b)
                                                    : Add(r.a, r.b),
                          r.result);
             }),
             r.error);
}

// A typed text, each row named after it: Val's number, the calculator's leading number (blanks dropped, a
// comma ends it, &H and &O 16- or 32-bit whole numbers), and every window's field under en_US, it_IT and
// fr_FR: NaN where the text reads two ways or not in full, so nothing is computed from what the user did
// not mean; the group separator only between threes; no number at all reads 0. Infinity: run-time error 6.
const struct
{
    const char *name;
    double val, en, it, fr;
} kReading[] = {
    {".5", 0.5, 0.5, 0.5, 0.5},
    {"2,5", 2, kNaN, 2.5, 2.5},
    {"2.200", 2.2, 2.2, kNaN, 2.2},
    {"5,033", 5, 5033, 5.033, 5.033},
    {"1.591,540", 1.591, kNaN, 1591.54, kNaN},
    {"1 234,5", 1234, kNaN, kNaN, 1234.5},
    {"1.23.456", 1.23, kNaN, kNaN, kNaN},
    {"+2,5e1", 2, kNaN, 25, 25},
    {"12abc", 12, kNaN, kNaN, kNaN},
    {"-abc", 0, 0, 0, 0},
    {"", 0, 0, 0, 0},
    {" 7. ", 7, 7, 7, 7},
    {"1e309", kInf, kInf, kInf, kInf},
    {"&HfFfF", -1, -1, -1, -1},
    {"&H100000000", kInf, kInf, kInf, kInf},
};
void TestNumbers::reading_data()
{
    rows(kReading);
}
void TestNumbers::reading()
{
    QFETCH(int, i);
    const auto &r = kReading[i];
    const double expected[] = {r.val, r.en, r.it, r.fr};
    const QLocale *locales[] = {nullptr, &kEn, &kIt, &kFr};
    for (int l = 0; l < 4; ++l) {
        double got = kInf;
        errorOf([&] { got = l == 0 ? Val(r.name) : ReadFieldNumber(r.name, *locales[l]).value_or(kNaN); });
        QCOMPARE(got, expected[l]);
    }
}

// A field read as a coil's under it_IT, each row named after its text: the value as the window uses it, or
// the refusal the user reads, naming the field and quoting its text. A field with the largest or the
// smallest value of its kind takes it; past either it is refused.
using A = Ammessi;
using G = Grandezza;
const struct
{
    const char *name; // the text
    Ammessi ammessi;
    Grandezza grandezza;
    const char *said; // the value, or a part of the refusal
    Precisione precisione = Precisione::Double;
} kCampo[] = {
    {"5000", A::Positivi, G::Diametro, "5000"},
    {"5000,1", A::Positivi, G::Diametro, "troppo grande: il programma accetta fino a 5000."},
    {"0,1", A::Positivi, G::Spire, "0.1"},
    {"0,09", A::Positivi, G::Spire, "\"0,09\" è troppo piccolo: il programma accetta da 0,1."},
    {"", A::ZeroEPositivi, G::Lunghezza, "0"},
    {" ", A::Positivi, G::Spire, "Nel campo \"X\" manca il valore."},
    {"0,00004", A::Positivi, G::Spire, "deve essere maggiore di zero", Precisione::Quantita},
    {"abc", A::Tutti, G::Capacita, "Nel campo \"X\" il testo \"abc\" non è un numero."},
    {"12abc", A::Tutti, G::Capacita, "\"12abc\" non si legge tutto come numero"},
    {"-1", A::ZeroEPositivi, G::Lunghezza, "\"-1\" non va bene: non può essere negativo."},
    {"-1e300", A::Tutti, G::Capacita, "\"-1e300\" è troppo grande"},
    {"2.200", A::Positivi, G::Capacita, "\"2.200\" si può leggere in due modi: 2200 oppure 2,2."},
};
void TestNumbers::campo_data()
{
    rows(kCampo);
}
void TestNumbers::campo()
{
    QFETCH(int, i);
    const auto &r = kCampo[i];
    const LetturaCampo lettura = LeggiCampo("X", r.name, r.grandezza, r.ammessi, r.precisione, kIt);
    const QString said = lettura.valore ? QString::number(*lettura.valore) : lettura.rifiuto;
    QVERIFY2(lettura.valore ? said == r.said : said.contains(r.said), qPrintable(said));
}

// The windows' figures through their patterns, for a double and (`quantity`) the same value as a quantity:
// a last decimal rounded the wrong way, a stray minus or leading zero, the wrong separators, a figure that
// reads back as another number. A half goes away from 0, a double's judged on its 15 significant digits.
const struct
{
    const char *name;
    const QLocale &locale;
    const char *pattern;
    double value;
    const char *text;
    bool quantity = true;
} kFormat[] = {
    {"grouped, rounded", kIt, "#,##0.000", -1234.5678, "-1.234,568"},
    {"a negative half away from 0", kIt, "#,##0.000", -2.0005, "-2,001"},
    {"a carry into a new group", kEn, "#,##0.0", 999.96, "1,000.0"},
    {"2.675 is a half", kIt, "##0.00", 2.675, "2,68"},
    {"no -0", kEn, "##0.00", -0.001, "0.00"},
    {"no leading 0", kIt, "###.000", 0.5, ",500"},
    {"0 shows nothing", kEn, "###", 0, ""},
    {"15 digits are not a half", kIt, "#,##0.000", 1.00049999999999, "1,000", false},
    {"past the quantities", kEn, "###", 1e20, "100000000000000000000", false},
};
void TestNumbers::format_data()
{
    rows(kFormat);
}
void TestNumbers::format()
{
    QFETCH(int, i);
    const auto &r = kFormat[i];
    QCOMPARE(Format(r.value, r.pattern, r.locale), r.text);
    if (r.quantity)
        QCOMPARE(Format(ToQuantity(r.value), r.pattern, r.locale), r.text);
    // Written into a field, a figure reads back as the value shown, in its locale: never refused.
    const double scale = std::pow(10.0, QString(r.pattern).section(u'.', 1).size());
    QCOMPARE(ReadFieldNumber(r.text, r.locale).value_or(kNaN), std::round(r.value * scale) / scale);
}

// What the designer writes into a field: the shortest form to 15 digits, no group separator, the locale's
// signs; in every locale it reads back as the value shown, never refused or read as another number.
void TestNumbers::formatLocale()
{
    QCOMPARE(FormatLocaleNumber(-0.0, kEn), "0");
    QCOMPARE(FormatLocaleNumber(0.1 + 0.2, kEn), "0.3");
    QCOMPARE(FormatLocaleNumber(55.0 / 111 * 112, kEn), "55.4954954954955");
    QCOMPARE(FormatLocaleNumber(-12345.5, kIt), "-12345,5");
    for (const QLocale &locale : {kEn, kIt, kFr, kSv})
        QCOMPARE(ReadFieldNumber(FormatLocaleNumber(-12345.5, locale), locale), -12345.5);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
