// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/val.h"

#include "numbers/localenumber.h"
#include "numbers/runtimeerror.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// &H and &O: a whole number read in base 16 or 8. Up to 16 bits of digits give a
// 16-bit two's-complement value and up to 32 bits a 32-bit one, so &HFFFF is −1
// and &HFFFFFFFF is −1 too; more digits overflow.
double radixNumber(const std::string &s, std::size_t pos, int base, std::size_t &end)
{
    std::uint64_t value = 0;
    int bits = 0; // significant bits of what was read, leading zeros excluded
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= base)
            break;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        bits = value == 0 ? 0 : 64 - __builtin_clzll(value);
        if (bits > 32)
            throw RuntimeError(ErrorNumber::Overflow);
    }
    end = pos;
    if (bits <= 16)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

double decimalNumber(const std::string &s, std::size_t &end)
{
    // Collect the longest prefix of the form [sign] digits [. digits] [E [sign] digits].
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool mantissaDigits = false;
    while (i < s.size() && isDigit(s[i])) {
        number += s[i++];
        mantissaDigits = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            number += s[i++];
            mantissaDigits = true;
        }
    }
    end = 0;
    if (!mantissaDigits)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit) {
            number += exponent;
            i = j;
        }
    }
    end = i;

    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(value))
        throw RuntimeError(ErrorNumber::Overflow);
    return value; // an underflow gives 0 or a subnormal, used as it is
}

// Val's reading of the text with blanks dropped, and how many of its
// characters the number took (0 when there is no number at its start).
double readLeading(const QString &text, std::size_t &end, std::size_t &length)
{
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        if (ch == u' ' || ch == u'\t' || ch == u'\n')
            continue;
        // Anything outside ASCII ends the number where it stands.
        s += ch.unicode() < 128 ? static_cast<char>(ch.unicode()) : '\x7f';
    }
    length = s.size();
    end = 0;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H')
            return radixNumber(s, 2, 16, end);
        if (s[1] == 'o' || s[1] == 'O')
            return radixNumber(s, 2, 8, end);
    }
    return decimalNumber(s, end);
}

} // namespace

double Val(const QString &text)
{
    std::size_t end = 0;
    std::size_t length = 0;
    return readLeading(text, end, length);
}

std::optional<double> ReadFieldNumber(const QString &text, const QLocale &locale)
{
    std::size_t end = 0;
    std::size_t length = 0;
    const double leading = readLeading(text, end, length);
    if (locale.decimalPoint() == u',' && text.contains(u',')) {
        QString compact = text;
        compact.remove(u' ').remove(u'\t').remove(u'\n');
        try {
            return ParseLocaleNumber(compact, locale);
        } catch (const RuntimeError &error) {
            if (error.number() != ErrorNumber::TypeMismatch)
                throw;
        }
        // Not a number as the locale writes it either: refused, unless there
        // is no number at all, which reads 0 as everywhere.
        return end == 0 ? std::optional<double>(0) : std::nullopt;
    }
    // "&H" alone is no number; a radix number ends where its digits do.
    if (end == 0 || end == length)
        return leading;
    return std::nullopt;
}

QString UnreadableNumberMessage(const QString &caption, const QString &text, const QLocale &locale)
{
    return QStringLiteral("Nel campo \"%1\" il testo \"%2\" non si legge tutto come numero.\n\n"
                          "Scrivere il numero senza unità, con il separatore decimale del sistema: %3")
        .arg(caption, text, locale.toString(2.5));
}
