// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: typed values read in order from the input (so
// seeds are easy to write by hand), the locales the program meets, the outcome
// of a call that may raise, and a check that stops with a message.
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
    std::string Rest() { return std::string(reinterpret_cast<const char *>(data), std::exchange(size, 0)); }
};
// Decimal point; decimal comma; C; decimal comma with a group separator outside ASCII.
inline const QLocale kLocales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                   QLocale(QLocale::Italian, QLocale::Italy), QLocale::c(),
                                   QLocale(QLocale::French, QLocale::France)};
inline std::string Number(double x)
{
    char s[32];
    return std::string(s, std::to_chars(s, s + sizeof s, x).ptr);
}
inline std::string Number(std::optional<double> x)
{
    return x ? Number(*x) : "refused";
}
inline std::string Number(Int128 n)
{
    const unsigned __int128 m = n < 0 ? -static_cast<unsigned __int128>(n) : n;
    return (n < 0 ? "-" : "") + (m < 10 ? "" : Number(Int128(m / 10))) + static_cast<char>('0' + int(m % 10));
}
inline std::string Quoted(const QString &text)
{
    return "\"" + text.toStdString() + "\"";
}
// |x| with `digits` significant digits, d.ddde±x, by the C++ library: correctly rounded, a half to even.
inline std::string Form(double x, int digits)
{
    char s[800];
    return std::string(
        s, std::to_chars(s, s + sizeof s, std::fabs(x), std::chars_format::scientific, digits - 1).ptr);
}

// A value, or the run-time error raised instead of it.
template<typename T> struct Outcome
{
    bool raised;
    ErrorNumber error;
    T value;
    bool operator==(const Outcome &o) const
    {
        return raised ? o.Raised(error) : !o.raised && value == o.value;
    }
    bool Raised(ErrorNumber e) const { return raised && error == e; }
    std::string Text() const { return raised ? "error " + std::to_string(int(error)) : Number(value); }
};
template<typename Call> auto Run(Call &&call) -> Outcome<decltype(call())>
{
    try {
        return {false, {}, call()};
    } catch (const RuntimeError &e) {
        return {true, e.number(), {}};
    }
}
#define FUZZ_CHECK(condition, detail)                                                                        \
    ((condition) ? void()                                                                                    \
                 : (std::fprintf(stderr, "\nFAILED %s\n%s\n", #condition, (detail).c_str()), std::abort()))
