// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/format.h"

#include "numbers/quantity.h"
#include "numbers/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A non-negative decimal: digits / 10^scale.
struct Decimal
{
    std::string digits;
    int scale;
    bool negative;
};

struct Picture
{
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouped = false;
};

Picture parsePicture(const QString &pattern)
{
    Picture p;
    bool afterPoint = false;
    for (const QChar ch : pattern) {
        if (ch == u'.') {
            afterPoint = true;
        } else if (ch == u'0') {
            if (afterPoint) {
                ++p.minDecimals;
                ++p.maxDecimals;
            } else {
                ++p.minIntegerDigits;
            }
        } else if (ch == u'#') {
            if (afterPoint)
                ++p.maxDecimals;
        } else if (ch == u',' && !afterPoint) {
            p.grouped = true;
        }
    }
    return p;
}

// At least one digit stands before the decimal position.
void normalise(Decimal &d)
{
    if (static_cast<int>(d.digits.size()) <= d.scale)
        d.digits.insert(0, static_cast<std::size_t>(d.scale) + 1 - d.digits.size(), '0');
}

Decimal decimalOf(Quantity q)
{
    const __int128 n = q.raw();
    Decimal d{{}, 4, n < 0}; // a count of ten-thousandths
    unsigned __int128 magnitude =
        d.negative ? static_cast<unsigned __int128>(-n) : static_cast<unsigned __int128>(n);
    do {
        d.digits.insert(d.digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    normalise(d);
    return d;
}

Decimal decimalOf(double x)
{
    if (!std::isfinite(x))
        throw RuntimeError(ErrorNumber::Overflow);
    char buffer[64];
    // Fifteen significant digits: d.dddddddddddddde±x
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x));
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    // A zero, -0 too, is written without its sign.
    Decimal d{text.substr(0, 1) + text.substr(2, e - 2), 14 - std::atoi(text.c_str() + e + 1),
              std::signbit(x)};
    if (d.scale < 0) {
        d.digits.append(static_cast<std::size_t>(-d.scale), '0');
        d.scale = 0;
    }
    normalise(d);
    return d;
}

// Rounds to `decimals` places, a half away from zero: zeros up to the places
// asked for; past them, the first digit dropped decides (with none dropped, it
// is the string's closing NUL, below '5').
void roundTo(Decimal &d, int decimals)
{
    d.digits.append(static_cast<std::size_t>(std::max(decimals - d.scale, 0)), '0');
    d.scale = std::max(d.scale, decimals);
    const std::size_t keep = d.digits.size() - static_cast<std::size_t>(d.scale - decimals);
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    d.scale = decimals;
    if (up) {
        int i = static_cast<int>(d.digits.size()) - 1;
        for (; i >= 0; --i) {
            if (d.digits[static_cast<std::size_t>(i)] == '9') {
                d.digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++d.digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0)
            d.digits.insert(d.digits.begin(), '1');
    }
    normalise(d);
}

QString render(Decimal d, const QString &pattern, const QLocale &locale)
{
    const Picture p = parsePicture(pattern);
    roundTo(d, p.maxDecimals);

    std::string integer = d.digits.substr(0, d.digits.size() - static_cast<std::size_t>(d.scale));
    std::string fraction = d.digits.substr(d.digits.size() - static_cast<std::size_t>(d.scale));
    while (static_cast<int>(fraction.size()) > p.minDecimals && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const std::size_t firstSignificant = integer.find_first_not_of('0');
    integer = firstSignificant == std::string::npos ? std::string() : integer.substr(firstSignificant);
    const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    const int missing = p.minIntegerDigits - static_cast<int>(integer.size()); // the picture's leading zeros
    integer.insert(0, static_cast<std::size_t>(std::max(missing, 0)), '0');

    QString out;
    if (d.negative && !zero)
        out += u'-';
    const QString group = locale.groupSeparator();
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (p.grouped && i > 0 && (integer.size() - i) % 3 == 0)
            out += group;
        out += QLatin1Char(integer[i]);
    }
    // Only a picture with places after its point shows one (the fraction is empty without).
    if (p.maxDecimals > 0) {
        out += locale.decimalPoint();
        out += QString::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    }
    return out;
}

} // namespace

QString Format(Quantity value, const QString &pattern, const QLocale &locale)
{
    return render(decimalOf(value), pattern, locale);
}

QString Format(double value, const QString &pattern, const QLocale &locale)
{
    return render(decimalOf(value), pattern, locale);
}
