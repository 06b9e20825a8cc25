// What the fuzz targets share: reading typed values from the fuzzer's bytes in
// order (so that seed files are easy to write by hand), the locales the
// program meets, and stopping with a readable message when a property fails.
#pragma once

#include "numbers/runtimeerror.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// The fuzzer's input, read from the front: little-endian integers, then text.
// Reading past the end gives zeros.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    template<typename T>
    T Take()
    {
        T value{};
        const std::size_t n = sizeof(T) < m_size ? sizeof(T) : m_size;
        std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }

    // A number in [0, bound).
    std::uint32_t Below(std::uint32_t bound) { return bound == 0 ? 0 : Take<std::uint32_t>() % bound; }

    std::string Rest()
    {
        std::string text(reinterpret_cast<const char *>(m_data), m_size);
        m_data += m_size;
        m_size = 0;
        return text;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

// Decimal point with comma grouping, decimal comma with point grouping, the C
// locale, and a decimal comma with a group separator outside ASCII.
inline const QLocale &FuzzLocale(std::uint32_t index)
{
    static const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::Italian, QLocale::Italy),
        QLocale::c(),
        QLocale(QLocale::French, QLocale::France),
    };
    return locales[index % (sizeof locales / sizeof locales[0])];
}

[[noreturn]] inline void FuzzFail(const char *property, const std::string &detail)
{
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  %s\n", property, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzFail(#condition, (detail));                                                                            \
    } while (false)

inline std::string Quoted(const QString &text)
{
    return "\"" + text.toStdString() + "\"";
}

inline std::string Number(double x)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

inline std::string Number(__int128 n)
{
    if (n == 0)
        return "0";
    const bool negative = n < 0;
    unsigned __int128 m = negative ? static_cast<unsigned __int128>(-(n + 1)) + 1 : static_cast<unsigned __int128>(n);
    std::string digits;
    while (m != 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    }
    return negative ? "-" + digits : digits;
}

// The outcome of a call that may raise a run-time error.
struct Outcome
{
    bool raised = false;
    ErrorNumber error = ErrorNumber::Overflow;
    double value = 0;

    friend bool operator==(const Outcome &a, const Outcome &b)
    {
        return a.raised == b.raised && (a.raised ? a.error == b.error : a.value == b.value);
    }
    std::string Text() const
    {
        return raised ? "error " + std::to_string(static_cast<int>(error)) : Number(value);
    }
};

template<typename Call>
Outcome Run(Call &&call)
{
    Outcome outcome;
    try {
        outcome.value = call();
    } catch (const RuntimeError &error) {
        outcome.raised = true;
        outcome.error = error.number();
    }
    return outcome;
}
