// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/val.h"

#include "numbers/localenumber.h"
#include "numbers/runtimeerror.h"

#include <QCoreApplication>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

// The readers below look one character past what they take: at the end of the
// text that is the string's closing NUL, which is no digit, sign or letter.

// A number read, and where it ends in the text (0: no number there).
struct Read
{
    double value;
    std::size_t end;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// &H and &O: a whole number read in base 16 or 8. Up to 16 bits of digits give a
// 16-bit two's-complement value and up to 32 bits a 32-bit one, so &HFFFF is −1
// and &HFFFFFFFF is −1 too; more digits overflow.
Read radixNumber(const std::string &s, std::size_t pos, int base)
{
    std::uint64_t value = 0; // its significant bits: std::bit_width, leading zeros excluded
    for (;; ++pos) {
        const char c = s[pos];
        int digit = base; // none yet: ends the number as a digit beyond the base does
        if (isDigit(c))
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= base)
            break;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (std::bit_width(value) > 32)
            throw RuntimeError(ErrorNumber::Overflow);
    }
    if (std::bit_width(value) <= 16)
        return {static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value))), pos};
    return {static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value))), pos};
}

// A number written in the C locale's form (digits, a point, an exponent: never
// "inf"), so an infinity is an overflow beyond the double range.
double fromCNumber(const std::string &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (std::isinf(value))
        throw RuntimeError(ErrorNumber::Overflow);
    return value; // an underflow gives 0 or a subnormal, used as it is
}

Read decimalNumber(const std::string &s)
{
    // Collect the longest prefix of the form [sign] digits [. digits] [E [sign] digits].
    std::size_t i = 0;
    std::string number;
    if (s[i] == '+' || s[i] == '-')
        number += s[i++];
    bool mantissaDigits = false;
    while (isDigit(s[i])) {
        number += s[i++];
        mantissaDigits = true;
    }
    if (s[i] == '.') {
        number += s[i++];
        while (isDigit(s[i])) {
            number += s[i++];
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits)
        return {0, 0};
    if (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (s[j] == '+' || s[j] == '-')
            exponent += s[j++];
        const std::size_t firstDigit = j;
        while (isDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit) {
            number += exponent;
            i = j;
        }
    }
    return {fromCNumber(number), i};
}

// Val's reading of the text with blanks dropped: the number, how many of its
// characters the number took (0 when there is no number at its start), and
// how many there are.
struct Leading
{
    Read read;
    std::size_t length;
};

Leading readLeading(const QString &text)
{
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        if (ch == u' ' || ch == u'\t' || ch == u'\n')
            continue;
        // Anything outside ASCII (Latin-1's own byte, or 0 beyond it) is no
        // digit, sign or letter of a number, and ends it where it stands.
        s += ch.toLatin1();
    }
    if (s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H')
            return {radixNumber(s, 2, 16), s.size()};
        if (s[1] == 'o' || s[1] == 'O')
            return {radixNumber(s, 2, 8), s.size()};
    }
    return {decimalNumber(s), s.size()};
}

} // namespace

double Val(const QString &text)
{
    return readLeading(text).read.value;
}

namespace {

// The whole text as the locale writes numbers: [sign] whole part, grouped by
// threes or not at all, [decimal separator and digits] [exponent]. A locale
// whose group separator is a kind of space takes a plain space too.
std::optional<double> readAsLocale(const QString &text, const QLocale &locale)
{
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const bool spaceGroup = group.size() == 1 && group[0].isSpace();
    const std::u16string t = text.toStdU16String(); // closed by a NUL, as above
    const qsizetype n = text.size();
    qsizetype i = 0;
    std::string number;
    const auto is = [&](qsizetype at, const QString &sign) { return QString(QChar(t[at])) == sign; };
    if (t[i] == u'-' || t[i] == u'+' || is(i, locale.negativeSign()) || is(i, locale.positiveSign())) {
        number += (t[i] == u'-' || is(i, locale.negativeSign())) ? '-' : '+';
        ++i;
    }
    const auto digitsFrom = [&](qsizetype &at) {
        qsizetype count = 0;
        while (t[at] >= u'0' && t[at] <= u'9') {
            number += static_cast<char>(t[at]);
            ++at;
            ++count;
        }
        return count;
    };
    const auto groupAt = [&](qsizetype at) {
        if (text.mid(at, group.size()) == group)
            return group.size();
        return spaceGroup && t[at] == u' ' ? qsizetype{1} : qsizetype{0};
    };
    qsizetype whole = digitsFrom(i);
    if (whole >= 1 && whole <= 3 && !group.isEmpty()) {
        // Groups of three after the first one to three digits.
        for (qsizetype sep = groupAt(i); sep > 0; sep = groupAt(i)) {
            qsizetype at = i + sep;
            if (digitsFrom(at) != 3) {
                return std::nullopt;
            }
            i = at;
            whole += 3;
        }
    }
    qsizetype fraction = 0;
    if (!decimal.isEmpty() && text.mid(i, decimal.size()) == decimal) {
        i += decimal.size();
        number += '.';
        fraction = digitsFrom(i);
    }
    if (whole + fraction == 0)
        return std::nullopt;
    if (t[i] == u'e' || t[i] == u'E') {
        qsizetype at = i + 1;
        number += 'e';
        if (t[at] == u'+' || t[at] == u'-')
            number += static_cast<char>(t[at++]);
        if (digitsFrom(at) == 0)
            return std::nullopt;
        i = at;
    }
    if (i != n)
        return std::nullopt;
    return fromCNumber(number);
}

} // namespace

FieldReading ReadField(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    const auto [read, length] = readLeading(trimmed);
    const auto [leading, end] = read;
    // "&H" alone is no number; a radix number ends where its digits do.
    std::optional<double> asVal;
    if (end > 0 && end == length)
        asVal = leading;
    const std::optional<double> asLocale = readAsLocale(trimmed, locale);

    FieldReading reading;
    if (asVal && asLocale && *asVal != *asLocale) {
        reading.kind = FieldReading::Kind::Ambiguous;
        reading.localeValue = *asLocale;
        reading.valValue = *asVal;
    } else if (asVal || asLocale) {
        reading.kind = FieldReading::Kind::Number;
        reading.value = asLocale ? *asLocale : *asVal;
    } else {
        reading.kind = end == 0 ? FieldReading::Kind::NoNumber : FieldReading::Kind::Unreadable;
    }
    return reading;
}

std::optional<double> ReadFieldNumber(const QString &text, const QLocale &locale)
{
    const FieldReading reading = ReadField(text, locale);
    switch (reading.kind) {
    case FieldReading::Kind::Number:
    case FieldReading::Kind::NoNumber:
        return reading.value;
    case FieldReading::Kind::Ambiguous:
    case FieldReading::Kind::Unreadable:
        break;
    }
    return std::nullopt;
}

QString FieldRefusalMessage(const QString &caption, const QString &text, const QLocale &locale)
{
    FieldReading reading;
    try {
        reading = ReadField(text, locale);
    } catch (const RuntimeError &) {
        // A number beyond the double range does not read as a number either.
        reading.kind = FieldReading::Kind::Unreadable;
    }
    if (reading.kind == FieldReading::Kind::Ambiguous) {
        // Written without grouping, each reading reads one way only.
        const QString comeLocale = FormatLocaleNumber(reading.localeValue, locale);
        const QString comeVal = FormatLocaleNumber(reading.valValue, locale);
        return QCoreApplication::translate(
                   "FieldReading",
                   "Nel campo \"%1\" il testo \"%2\" si può leggere in due modi: %3 oppure %4.\n\n"
                   "Scrivere \"%3\" per il primo, \"%4\" per il secondo.")
            .arg(caption, text, comeLocale, comeVal);
    }
    return QCoreApplication::translate(
               "FieldReading",
               "Nel campo \"%1\" il testo \"%2\" non si legge tutto come numero.\n\n"
               "Scrivere il numero senza unità, con il separatore decimale del sistema: %3")
        .arg(caption, text, locale.toString(2.5));
}
