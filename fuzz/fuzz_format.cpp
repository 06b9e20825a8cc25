// SPDX-License-Identifier: GPL-3.0-or-later
// Format with every pattern the windows use, in four locales, against the text
// for the value rounded at the pattern's decimals, a half away from zero, done
// here on its decimal digits in 128-bit integers. The first byte chooses a
// quantity, a decimal of at most 15 digits, or any double (judged by 15 digits).
#include "fuzzsupport.h"
#include "numbers/format.h"
#include "numbers/quantity.h"

// The pattern, its decimals, a "0" among its integer positions, a ",".
struct Pattern
{
    const char *text;
    int decimals;
    bool zeroDigit, grouped;
};
constexpr Pattern kPatterns[] = {
    {"#,##0.000", 3, true, true}, {"#,##0.0", 1, true, true},  {"##,##0.000", 3, true, true},
    {"###.000", 3, false, false}, {"##0.000", 3, true, false}, {"##0.00", 2, true, false},
    {"##0.0", 1, true, false},    {"#0.00", 2, true, false},   {"###", 0, false, false}};

static Int128 Power10(int n)
{
    return n <= 0 ? 1 : 10 * Power10(n - 1);
}
// The text for ±m * 10^exponent (0 <= m < 10^19): the locale's separators, "-"
// only if not shown as 0, "0" before the separator only where the pattern has one.
static QString Expected(bool negative, Int128 m, int exponent, const Pattern &p, const QLocale &locale)
{
    const int shift = exponent + p.decimals; // m * 10^shift is the value in units of the last decimal
    const Int128 unit = Power10(std::min(-shift, 37));
    std::string units = shift >= 0 ? Number(m) + std::string(m == 0 ? 0 : shift, '0')
        : shift < -37              ? "0"
                                   : Number(m / unit + (2 * (m % unit) >= unit));
    const bool zero = units == "0";
    units.insert(0, std::max(0, p.decimals + 1 - int(units.size())), '0');
    const std::string integer = units.substr(0, units.size() - p.decimals);
    QString text = integer == "0" && !p.zeroDigit ? QString() : QString::fromStdString(integer);
    for (qsizetype at = text.size() - 3; p.grouped && at > 0; at -= 3)
        text.insert(at, locale.groupSeparator());
    if (p.decimals > 0)
        text += locale.decimalPoint() + QString::fromStdString(units.substr(units.size() - p.decimals));
    return negative && !zero ? u'-' + text : text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const int kind = in.Take<std::uint8_t>() % 3;
    const Pattern &p = kPatterns[in.Below(std::size(kPatterns))];
    const QString pattern = QString::fromLatin1(p.text);
    const QLocale &locale = kLocales[in.Take<std::uint8_t>() % 4];
    const auto check = [&](const QString &text, bool negative, Int128 m, int exponent,
                           const std::string &what) {
        const QString expected = Expected(negative, m, exponent, p, locale);
        FUZZ_CHECK(text == expected,
                   "Format(" + what + ", \"" + p.text + "\") in " + locale.name().toStdString() + " = "
                       + Quoted(text) + ", expected " + Quoted(expected));
    };
    if (kind == 0) {
        const std::int64_t raw = in.Take<std::int64_t>();
        check(Format(Quantity::fromRaw(raw), pattern, locale), raw < 0, raw < 0 ? -Int128(raw) : raw, -4,
              Number(Int128(raw)) + "e-4");
    } else if (kind == 1) {
        const auto m =
            static_cast<std::int64_t>(in.Take<std::uint64_t>() % 1000000000000000ull); // below 10^15
        const int exponent = static_cast<int>(in.Below(51)) - 30;
        const bool negative = in.Below(2) == 1;
        const std::string decimal =
            (negative ? "-" : "") + std::to_string(m) + "e" + std::to_string(exponent);
        check(Format(std::stod(decimal), pattern, locale), negative, m, exponent, decimal);
    } else {
        const double x = in.Take<double>();
        const auto text = Run([&] { return Format(x, pattern, locale); });
        FUZZ_CHECK(std::isfinite(x) ? !text.raised : text.Raised(ErrorNumber::Overflow),
                   "Format(" + Number(x) + ")");
        const std::string form = Form(x, 15).erase(1, 1); // ddddddddddddddde±x: its 15 significant digits
        if (std::isfinite(x))
            check(text.value, std::signbit(x), std::stoll(form), std::stoi(form.substr(16)) - 14, Number(x));
    }
    return 0;
}
