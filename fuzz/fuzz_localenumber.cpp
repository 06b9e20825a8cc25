// SPDX-License-Identifier: GPL-3.0-or-later
// FormatLocaleNumber then the fields' reading gives x to 15 significant digits
// (x itself for a decimal of 15 digits), overflow past the largest double, with
// no group separator written (fuzz_val checks the reading of any text). First
// byte: a 15-digit decimal or any double.
#include "fuzzsupport.h"
#include "numbers/localenumber.h"
#include "numbers/val.h"

// x to 15 significant digits, as the fields read it: overflow past the largest double.
static std::string Fifteen(double x)
{
    const double y = std::copysign(std::strtod(Form(x, 15).c_str(), nullptr), x);
    return std::isinf(y) ? "error 6" : Text(y);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const int kind = in.Take<std::uint8_t>() % 2;
    const QLocale &locale = kLocales[in.Take<std::uint8_t>() % 4];
    double x = kind == 1 ? in.Take<double>() : 0;
    if (kind == 0) { // m below 10^15, an exponent, a sign
        const std::uint64_t m = in.Take<std::uint64_t>() % 1000000000000000ull;
        const std::string exponent = "e" + std::to_string(static_cast<int>(in.Below(632)) - 323);
        x = std::strtod(((in.Below(2) == 1 ? "-" : "") + std::to_string(m) + exponent).c_str(), nullptr);
    }
    FUZZ_CHECK(std::isfinite(x) || RUN(FormatLocaleNumber(x, locale)) == "error 6",
               "FormatLocaleNumber(" + Text(x) + ")");
    if (!std::isfinite(x))
        return 0;
    // A half between two 15-digit decimals may go either way.
    const std::string all = Form(x, 771); // every digit of x
    const bool half = all[16] == '5' && all.find_first_not_of('0', 17) == all.find('e');
    const QString text = FormatLocaleNumber(x, locale);
    const std::string back = RUN(ReadFieldNumber(text, locale));
    FUZZ_CHECK((back == Fifteen(half ? std::nextafter(x, 0) : x)
                || back == Fifteen(half ? std::nextafter(x, 2 * x) : x))
                   && !text.contains(locale.groupSeparator()),
               Text(x) + " written " + Text(text) + " reads " + back);
    return 0;
}
