// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: typed values read in order from the input (so
// seeds are easy to write by hand), the locales the program meets, what a call
// gives as text (its value, or the run-time error it raised) to compare with
// what it should give, and a check that stops with a message.
#pragma once
#include "numbers/runtimeerror.h"
#include <QLocale>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

using Int128 = __int128;
// The input read from the front, little-endian; past its end come zeros.
struct FuzzInput
{
    const std::uint8_t *data;
    std::size_t size;
    template<typename T> T Take()
    {
        T value{};
        const std::size_t n = std::min(sizeof(T), size);
        std::memcpy(&value, std::exchange(data, data + n), n);
        size -= n;
        return value;
    }
    std::uint32_t Below(std::uint32_t bound) { return Take<std::uint32_t>() % bound; }
};
// Decimal point; decimal comma; C; decimal comma with a group separator outside ASCII.
inline const QLocale kLocales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                   QLocale(QLocale::Italian, QLocale::Italy), QLocale::c(),
                                   QLocale(QLocale::French, QLocale::France)};
// Values as text: two numbers are equal when their texts are (0 and -0 alike); "refused" is no number.
inline std::string Text(double x)
{
    char s[32];
    return std::string(s, std::to_chars(s, s + sizeof s, x + 0.0).ptr);
}
inline std::string Text(std::optional<double> x)
{
    return x ? Text(*x) : "refused";
}
inline std::string Text(Int128 n)
{
    const unsigned __int128 m = n < 0 ? -static_cast<unsigned __int128>(n) : n;
    return (n < 0 ? "-" : "") + (m < 10 ? "" : Text(Int128(m / 10))) + char('0' + int(m % 10));
}
inline std::string Text(const QString &text)
{
    return "\"" + text.toStdString() + "\"";
}
// |x| with `digits` significant digits, d.ddde±x, by the C++ library: correctly rounded, a half to even.
inline std::string Form(double x, int digits)
{
    char s[800];
    const auto end = std::to_chars(s, s + 800, std::fabs(x), std::chars_format::scientific, digits - 1);
    return std::string(s, end.ptr);
}

// What the expression gives as text, or "error n" for the run-time error n it raises.
#define RUN(expression)                                                                                      \
    [&]() -> std::string {                                                                                   \
        try {                                                                                                \
            return Text(expression);                                                                         \
        } catch (const RuntimeError &e) {                                                                    \
            return "error " + std::to_string(e.code());                                                      \
        }                                                                                                    \
    }()
#define FUZZ_CHECK(condition, detail)                                                                        \
    ((condition) ? void()                                                                                    \
                 : (std::fprintf(stderr, "\nFAILED %s\n%s\n", #condition, (detail).c_str()), std::abort()))
