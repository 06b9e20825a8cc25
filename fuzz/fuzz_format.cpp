// Format with every display pattern the windows use, under four locales.
// The text it writes is read back here, independently of how Format builds
// it, and compared with exact decimal arithmetic. Properties:
// - for a quantity, the text is the quantity rounded to the pattern's
//   decimals, a half away from zero, computed exactly in 128 bits;
// - for a double that is the nearest double to a decimal of at most 15
//   significant digits (Format judges a double by its 15-digit form), the
//   text is that decimal rounded the same way; any other finite double comes
//   out within half a unit of the last decimal shown (plus the 15-digit
//   rounding), and a double that is not finite raises overflow;
// - the text has the pattern's form: "-" only before a value that does not
//   round to 0, an integer part with no leading zeros, a "0" before the
//   separator where the pattern has one and nothing where it has only "#"
//   (so "###" shows nothing for 0), exactly the pattern's decimals after the
//   locale's decimal separator, and the locale's group separator every three
//   digits exactly when the pattern groups.
//
// The first byte chooses the case: a quantity, a 15-digit decimal, any double.
#include "fuzzsupport.h"

#include "numbers/format.h"
#include "numbers/quantity.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

struct Pattern
{
    const char *text;
    int decimals;   // digits after the separator
    bool zeroDigit; // a "0" among the integer positions
    bool grouped;
};

// Every pattern the windows use.
constexpr Pattern kPatterns[] = {
    {"#,##0.000", 3, true, true}, {"#,##0.0", 1, true, true}, {"##,##0.000", 3, true, true},
    {"###.000", 3, false, false}, {"##0.000", 3, true, false}, {"##0.00", 2, true, false},
    {"##0.0", 1, true, false},    {"#0.00", 2, true, false},   {"###", 0, false, false},
};

using Int128 = __int128;

Int128 Power10(int n)
{
    Int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// |numerator| / denominator rounded to the nearest integer, a half away from zero.
Int128 RoundedMagnitude(Int128 numerator, Int128 denominator)
{
    const Int128 magnitude = numerator < 0 ? -numerator : numerator;
    Int128 q = magnitude / denominator;
    if (2 * (magnitude % denominator) >= denominator)
        ++q;
    return q;
}

// What a text says, read back by the pattern's rules: its sign, its integer
// digits and its decimals. Checks the form on the way.
struct Shown
{
    bool negative = false;
    std::string integer;
    std::string fraction;
};

Shown ReadBack(const QString &text, const Pattern &pattern, const QLocale &locale, const std::string &context)
{
    Shown shown;
    QString rest = text;
    if (rest.startsWith(u'-')) {
        shown.negative = true;
        rest.remove(0, 1);
    }
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    QString integerText = rest;
    if (pattern.decimals > 0) {
        const qsizetype at = rest.indexOf(decimal);
        FUZZ_CHECK(at >= 0, context + ": no decimal separator");
        integerText = rest.left(at);
        const QString fraction = rest.mid(at + decimal.size());
        FUZZ_CHECK(fraction.size() == pattern.decimals, context + ": wrong number of decimals");
        for (const QChar c : fraction)
            FUZZ_CHECK(c >= u'0' && c <= u'9', context + ": not a digit among the decimals");
        shown.fraction = fraction.toStdString();
    } else {
        FUZZ_CHECK(!rest.contains(decimal), context + ": a decimal separator without decimals");
    }

    // The integer part: groups of three separated by the group separator,
    // the first of one to three digits, exactly when the pattern groups.
    const QStringList groups = pattern.grouped ? integerText.split(group) : QStringList{integerText};
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString &g = groups.at(i);
        for (const QChar c : g)
            FUZZ_CHECK(c >= u'0' && c <= u'9', context + ": not a digit in the integer part");
        if (i == 0)
            FUZZ_CHECK(groups.size() == 1 || (g.size() >= 1 && g.size() <= 3), context + ": first group");
        else
            FUZZ_CHECK(g.size() == 3, context + ": a group of other than three digits");
        shown.integer += g.toStdString();
    }
    if (groups.size() == 1)
        FUZZ_CHECK(!pattern.grouped || shown.integer.size() <= 3, context + ": not grouped");
    FUZZ_CHECK(shown.integer.size() <= 1 || shown.integer.front() != '0', context + ": leading zero");
    return shown;
}

// Compares the text with the exact rounded value: magnitude R in units of the
// last decimal, and whether the value was negative.
void CheckAgainst(const QString &text, const Pattern &pattern, const QLocale &locale, Int128 rounded, bool negative,
                  const std::string &what)
{
    const std::string context = "Format(" + what + ", \"" + pattern.text + "\") = " + Quoted(text) + " in "
        + locale.name().toStdString() + ", exact " + (negative ? "-" : "") + Number(rounded) + " units of 10^-"
        + std::to_string(pattern.decimals);
    const Shown shown = ReadBack(text, pattern, locale, context);
    const Int128 unit = Power10(pattern.decimals);
    const Int128 whole = rounded / unit;
    FUZZ_CHECK(shown.negative == (negative && rounded != 0), context + ": sign");
    if (whole == 0) {
        // "0" where the pattern has a zero digit, nothing where it has only "#".
        FUZZ_CHECK(shown.integer == (pattern.zeroDigit ? "0" : ""), context + ": integer part of a value below 1");
    } else {
        FUZZ_CHECK(shown.integer == Number(whole), context + ": integer part");
    }
    FUZZ_CHECK(shown.fraction.empty() || Int128(std::stoll(shown.fraction)) == rounded % unit, context + ": decimals");
    if (pattern.decimals == 0 && rounded == 0)
        FUZZ_CHECK(text.isEmpty(), context + ": \"###\" of 0 shows nothing");
}

void CheckQuantity(FuzzInput &in)
{
    const Pattern &pattern = kPatterns[in.Below(std::size(kPatterns))];
    const QLocale &locale = FuzzLocale(in.Take<std::uint8_t>());
    const std::int64_t raw = in.Take<std::int64_t>();
    const QString text = Format(Quantity::fromRaw(raw), QString::fromLatin1(pattern.text), locale);
    const Int128 rounded = RoundedMagnitude(raw, Power10(4 - pattern.decimals));
    CheckAgainst(text, pattern, locale, rounded, raw < 0, "quantity " + Number(Int128(raw)) + "e-4");
}

void CheckFifteenDigits(FuzzInput &in)
{
    const Pattern &pattern = kPatterns[in.Below(std::size(kPatterns))];
    const QLocale &locale = FuzzLocale(in.Take<std::uint8_t>());
    const std::uint64_t mantissa = in.Take<std::uint64_t>() % 1000000000000000ull; // below 10^15
    const int exponent = static_cast<int>(in.Below(51)) - 30;                      // 10^-30 to 10^20
    const bool negative = in.Below(2) == 1;
    char decimal[64];
    std::snprintf(decimal, sizeof decimal, "%s%llue%d", negative ? "-" : "", static_cast<unsigned long long>(mantissa),
                  exponent);
    const double x = std::strtod(decimal, nullptr);
    const QString text = Format(x, QString::fromLatin1(pattern.text), locale);
    // mantissa × 10^exponent in units of 10^-decimals, exactly.
    const int shift = exponent + pattern.decimals;
    const Int128 rounded = shift >= 0 ? Int128(mantissa) * Power10(shift)
                                      : RoundedMagnitude(Int128(mantissa), Power10(-shift));
    CheckAgainst(text, pattern, locale, rounded, negative, std::string(decimal));
}

void CheckAnyDouble(FuzzInput &in)
{
    const Pattern &pattern = kPatterns[in.Below(std::size(kPatterns))];
    const QLocale &locale = FuzzLocale(in.Take<std::uint8_t>());
    const double x = in.Take<double>();
    const Outcome outcome = Run([&] { return Format(x, QString::fromLatin1(pattern.text), locale).size(); });
    if (!std::isfinite(x)) {
        FUZZ_CHECK(outcome.raised && outcome.error == ErrorNumber::Overflow, "Format of " + Number(x));
        return;
    }
    FUZZ_CHECK(!outcome.raised, "Format of " + Number(x) + " raised " + outcome.Text());
    const QString text = Format(x, QString::fromLatin1(pattern.text), locale);
    const std::string context = "Format(" + Number(x) + ", \"" + pattern.text + "\") = " + Quoted(text) + " in "
        + locale.name().toStdString();
    const Shown shown = ReadBack(text, pattern, locale, context);
    FUZZ_CHECK(shown.negative == (std::signbit(x) && text.contains(QRegularExpression(QStringLiteral("[1-9]")))),
               context + ": sign");
    const std::string plain = (shown.negative ? "-" : "") + (shown.integer.empty() ? std::string("0") : shown.integer)
        + "." + shown.fraction + "0";
    // Read in extended precision, whose range holds the 15-digit rounding of
    // the largest double.
    const long double back = std::strtold(plain.c_str(), nullptr);
    const long double unit = std::pow(10.0L, -pattern.decimals);
    const long double exact = x;
    FUZZ_CHECK(std::fabs(back - exact) <= 0.5L * unit + 1e-14L * std::fabs(exact), context + ": reads as " + plain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    switch (in.Take<std::uint8_t>() % 3) {
    case 0:
        CheckQuantity(in);
        break;
    case 1:
        CheckFifteenDigits(in);
        break;
    default:
        CheckAnyDouble(in);
        break;
    }
    return 0;
}
