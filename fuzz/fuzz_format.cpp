// SPDX-License-Identifier: GPL-3.0-or-later
// Format with every pattern the windows use, in four locales, against the text
// for the value rounded at the pattern's decimals, a half away from zero, done
// here on its decimal digits in 128-bit integers. The first byte chooses a
// quantity, a decimal of at most 15 digits, or any double (judged by 15 digits).
#include "fuzzsupport.h"
#include "numbers/format.h"
#include "numbers/quantity.h"

constexpr const char *kPatterns[] = {"#,##0.000", "#,##0.0", "##,##0.000", "###.000", "##0.000",
                                     "##0.00",    "##0.0",   "#0.00",      "###"};

// The text for the decimal ±m e exponent (0 <= m < 10^19): the locale's separators, "-" only if not
// shown as 0, a "0" before the separator only where the pattern has one among its integer positions,
// groups where it has a ",".
static QString Expected(const std::string &value, const std::string &p, const QLocale &locale)
{
    const bool negative = value[0] == '-';
    const Int128 m = std::stoull(value.substr(negative));
    const std::size_t point = std::min(p.find('.'), p.size());
    const int decimals = int(p.size() - std::min(point + 1, p.size()));
    // The value is m * 10^shift units of the last decimal.
    const int shift = std::stoi(value.substr(value.find('e') + 1)) + decimals;
    Int128 unit = 1;
    for (int i = 0; i < std::min(-shift, 37); ++i)
        unit *= 10;
    std::string units = shift >= 0 ? Text(m) + std::string(m == 0 ? 0 : shift, '0')
        : shift < -37              ? "0"
                                   : Text(m / unit + (2 * (m % unit) >= unit));
    const bool zero = units == "0";
    units.insert(0, std::max(0, decimals + 1 - int(units.size())), '0');
    const std::string integer = units.substr(0, units.size() - decimals);
    QString text = integer == "0" && p.find('0') > point ? QString() : QString::fromStdString(integer);
    for (qsizetype at = text.size() - 3; p.find(',') < point && at > 0; at -= 3)
        text.insert(at, locale.groupSeparator());
    if (decimals > 0)
        text += locale.decimalPoint() + QString::fromStdString(units.substr(units.size() - decimals));
    return negative && !zero ? u'-' + text : text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const int kind = in.Take<std::uint8_t>() % 3;
    const char *pattern = kPatterns[in.Below(std::size(kPatterns))];
    const QLocale &locale = kLocales[in.Take<std::uint8_t>() % 4];
    std::string value; // the value given to Format, as the decimal ±m e exponent
    QString text;
    if (kind == 0) {
        const std::int64_t raw = in.Take<std::int64_t>();
        value = Text(Int128(raw)) + "e-4";
        text = Format(Quantity::fromRaw(raw), pattern, locale);
    } else if (kind == 1) {
        const std::uint64_t m = in.Take<std::uint64_t>() % 1000000000000000ull; // below 10^15
        const std::string exponent = "e" + std::to_string(static_cast<int>(in.Below(51)) - 30);
        value = (in.Below(2) == 1 ? "-" : "") + std::to_string(m) + exponent;
        text = Format(std::stod(value), pattern, locale);
    } else {
        const double x = in.Take<double>();
        // Overflow when not finite (a finite x that raises stops the fuzzer as it is); ddddddddddddddde±x,
        // the 15 significant digits it is judged on.
        FUZZ_CHECK(std::isfinite(x) || RUN(Format(x, pattern, locale)) == "error 6",
                   "Format(" + Text(x) + ")");
        if (!std::isfinite(x))
            return 0;
        const std::string form = Form(x, 15).erase(1, 1);
        value = (std::signbit(x) ? "-" : "") + form.substr(0, 15) + "e"
            + std::to_string(std::stoi(form.substr(16)) - 14);
        text = Format(x, pattern, locale);
    }
    const QString expected = Expected(value, pattern, locale);
    FUZZ_CHECK(text == expected,
               "Format(" + value + ", \"" + pattern + "\") in " + locale.name().toStdString() + " = "
                   + Text(text) + ", expected " + Text(expected));
    return 0;
}
