// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/quantity.h"

#include "numbers/runtimeerror.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kScale = 10000;

[[noreturn]] void overflow()
{
    throw RuntimeError(ErrorNumber::Overflow);
}

// Divides by 10 000 with the quotient rounded to nearest, a half to even:
// the quotient rounded down, and one more past a half (or at a half, to an
// even quotient).
__int128 divideScaleHalfEven(__int128 v)
{
    const __int128 r = (v % kScale + kScale) % kScale; // v − r is a multiple of 10 000, r from 0 up
    const __int128 q = (v - r) / kScale;
    return 2 * r > kScale || (2 * r == kScale && q % 2 != 0) ? q + 1 : q;
}

Quantity fromWide(__int128 v)
{
    if (v > std::numeric_limits<std::int64_t>::max() || v < std::numeric_limits<std::int64_t>::min())
        overflow();
    return Quantity::fromRaw(static_cast<std::int64_t>(v));
}

} // namespace

Quantity ToQuantity(double x)
{
    const double scaled = std::nearbyint(x * static_cast<double>(kScale)); // ties to even
    // 2^63 is the first double outside the range; -2^63 is inside it.
    constexpr double limit = 0x1p63;
    if (!(scaled < limit && scaled >= -limit))
        overflow();
    return Quantity::fromRaw(static_cast<std::int64_t>(scaled));
}

double FromQuantity(Quantity q)
{
    // Dividing the exact count by 10 000 rounds once, to the nearest double.
    return static_cast<double>(q.raw()) / static_cast<double>(kScale);
}

Quantity operator+(Quantity a, Quantity b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.raw(), b.raw(), &sum))
        overflow();
    return Quantity::fromRaw(sum);
}

Quantity operator*(Quantity a, Quantity b)
{
    // Both counts fit in 64 bits, so their product fits in 128.
    const __int128 product = static_cast<__int128>(a.raw()) * b.raw();
    return fromWide(divideScaleHalfEven(product));
}

Quantity operator*(std::int16_t k, Quantity q)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(q.raw(), static_cast<std::int64_t>(k), &product))
        overflow();
    return Quantity::fromRaw(product);
}

Quantity Int(Quantity q)
{
    std::int64_t whole = q.raw() / kScale;
    if (q.raw() % kScale < 0)
        --whole;
    // The floor of the most negative quantity is below the range.
    return fromWide(static_cast<__int128>(whole) * kScale);
}

std::int16_t ToInteger16(Quantity q)
{
    const __int128 whole = divideScaleHalfEven(q.raw());
    if (whole > std::numeric_limits<std::int16_t>::max() || whole < std::numeric_limits<std::int16_t>::min())
        overflow();
    return static_cast<std::int16_t>(whole);
}

int Compare(Quantity q, double x)
{
    const Quantity other = ToQuantity(x);
    return q < other ? -1 : (q == other ? 0 : 1);
}
