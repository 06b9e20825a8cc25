// The designer's conversions between text and double, under a decimal-point
// locale (English, C) and a decimal-comma locale (Italian, French).
// Properties:
// - ParseLocaleNumber(FormatLocaleNumber(x)) == x for every double x that is
//   the nearest double to a decimal of at most 15 significant digits, in the
//   normal range (the designer's values are such numbers). FormatLocaleNumber
//   keeps 15 significant digits, and a decimal of at most 15 digits survives
//   the trip to the nearest double and back to 15 digits unchanged, so its
//   text reads back as the same double; a double needing more digits comes
//   back only to within 15 digits, and a subnormal has fewer than 15
//   significant digits of its own, so neither is held to exact equality;
// - FormatLocaleNumber writes no group separator, the locale's decimal
//   separator only, no trailing zeros and at most 15 significant digits;
// - for any finite double, the text reads back within the 15-digit rounding,
//   and the only failure is overflow for a double whose 15-digit rounding lies
//   beyond the largest double;
// - ParseLocaleNumber of any text returns a finite number or raises type
//   mismatch or overflow; blanks around the text make no difference, and the
//   empty text is a type mismatch.
//
// The first byte chooses the case: a 15-digit decimal, any double, or text.
#include "fuzzsupport.h"

#include "numbers/localenumber.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

Outcome ParseOf(const QString &text, const QLocale &locale)
{
    return Run([&] { return ParseLocaleNumber(text, locale); });
}

std::string In(const QLocale &locale)
{
    return " in " + locale.name().toStdString();
}

// The form of FormatLocaleNumber's text, whatever the value.
void CheckForm(const QString &text, double x, const QLocale &locale)
{
    const QString decimal = locale.decimalPoint();
    const QString exponent = locale.exponential();
    const qsizetype e = text.indexOf(exponent, 0, Qt::CaseInsensitive);
    const QString mantissa = e < 0 ? text : text.left(e);
    const std::string shown = "FormatLocaleNumber(" + Number(x) + ") = " + Quoted(text) + In(locale);
    FUZZ_CHECK(!text.contains(locale.groupSeparator()), shown + ": group separator");
    int digits = 0;
    bool leading = true;
    for (const QChar c : mantissa) {
        if (c.isDigit()) {
            leading = leading && c == u'0';
            digits += leading ? 0 : 1;
        } else {
            FUZZ_CHECK(c == u'-' || QString(c) == decimal, shown + ": unexpected character");
        }
    }
    FUZZ_CHECK(digits <= 15, shown + ": more than 15 significant digits");
    if (mantissa.contains(decimal))
        FUZZ_CHECK(!mantissa.endsWith(u'0') && !mantissa.endsWith(decimal), shown + ": trailing zeros");
}

void CheckFifteenDigits(FuzzInput &in)
{
    const QLocale &locale = FuzzLocale(in.Take<std::uint8_t>());
    const std::uint64_t mantissa = in.Take<std::uint64_t>() % 1000000000000000ull; // below 10^15
    const int exponent = static_cast<int>(in.Below(308 + 323 + 1)) - 323;
    const bool negative = in.Below(2) == 1;
    char decimal[64];
    std::snprintf(decimal, sizeof decimal, "%s%llue%d", negative ? "-" : "", static_cast<unsigned long long>(mantissa),
                  exponent);
    const double x = std::strtod(decimal, nullptr);
    if (x != 0 && !(std::fabs(x) >= DBL_MIN && std::fabs(x) <= DBL_MAX))
        return; // outside the normal range

    const QString text = FormatLocaleNumber(x, locale);
    CheckForm(text, x, locale);
    const Outcome back = ParseOf(text, locale);
    FUZZ_CHECK(!back.raised && back.value == x,
               std::string(decimal) + " = " + Number(x) + " written " + Quoted(text) + " reads back as " + back.Text()
                   + In(locale));
}

void CheckAnyDouble(FuzzInput &in)
{
    const QLocale &locale = FuzzLocale(in.Take<std::uint8_t>());
    const double x = in.Take<double>();
    if (!std::isfinite(x)) {
        const Outcome written = Run([&] { return FormatLocaleNumber(x, locale).size(); });
        FUZZ_CHECK(written.raised && written.error == ErrorNumber::Overflow, "FormatLocaleNumber of " + Number(x));
        return;
    }
    const QString text = FormatLocaleNumber(x, locale);
    CheckForm(text, x, locale);
    const Outcome back = ParseOf(text, locale);
    // The 15-digit rounding of x, in the C library's own reading.
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    const double limit = std::strtod(rounded, nullptr);
    if (std::isinf(limit)) {
        FUZZ_CHECK(back.raised && back.error == ErrorNumber::Overflow,
                   Number(x) + " written " + Quoted(text) + " reads back as " + back.Text() + In(locale));
        return;
    }
    FUZZ_CHECK(!back.raised, Number(x) + " written " + Quoted(text) + " reads back as " + back.Text() + In(locale));
    FUZZ_CHECK(std::fabs(back.value - x) <= 6e-15 * std::fabs(x) + std::numeric_limits<double>::denorm_min(),
               Number(x) + " written " + Quoted(text) + " reads back as " + back.Text() + In(locale));
}

void CheckText(FuzzInput &in)
{
    const QLocale &locale = FuzzLocale(in.Take<std::uint8_t>());
    const std::string bytes = in.Rest();
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const Outcome outcome = ParseOf(text, locale);
    FUZZ_CHECK(!outcome.raised || outcome.error == ErrorNumber::TypeMismatch || outcome.error == ErrorNumber::Overflow,
               "ParseLocaleNumber(" + Quoted(text) + ") raised " + outcome.Text() + In(locale));
    FUZZ_CHECK(outcome.raised || std::isfinite(outcome.value),
               "ParseLocaleNumber(" + Quoted(text) + ") = " + outcome.Text() + In(locale));
    const QString padded = QStringLiteral("  ") + text + QStringLiteral(" \t");
    FUZZ_CHECK(ParseOf(padded, locale) == outcome,
               "blanks around " + Quoted(text) + " matter: " + outcome.Text() + " against "
                   + ParseOf(padded, locale).Text() + In(locale));
    if (text.trimmed().isEmpty())
        FUZZ_CHECK(outcome.raised && outcome.error == ErrorNumber::TypeMismatch,
                   "ParseLocaleNumber(" + Quoted(text) + ") = " + outcome.Text() + In(locale));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    switch (in.Take<std::uint8_t>() % 3) {
    case 0:
        CheckFifteenDigits(in);
        break;
    case 1:
        CheckAnyDouble(in);
        break;
    default:
        CheckText(in);
        break;
    }
    return 0;
}
