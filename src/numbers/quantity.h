// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed-point quantity of the calculator and the converter: a signed 64-bit
// count of ten-thousandths, with checked conversions and arithmetic. Every
// overflow is detected before it could happen and raised as run-time error 6.
#pragma once

#include <cstdint>

class Quantity
{
public:
    constexpr Quantity() = default;

    // The quantity whose count of ten-thousandths is n (n / 10 000).
    static constexpr Quantity fromRaw(std::int64_t n) { return Quantity(n); }
    constexpr std::int64_t raw() const { return m_n; }

    friend constexpr bool operator==(Quantity a, Quantity b) { return a.m_n == b.m_n; }
    friend constexpr bool operator!=(Quantity a, Quantity b) { return a.m_n != b.m_n; }
    friend constexpr bool operator<(Quantity a, Quantity b) { return a.m_n < b.m_n; }
    friend constexpr bool operator<=(Quantity a, Quantity b) { return a.m_n <= b.m_n; }
    friend constexpr bool operator>(Quantity a, Quantity b) { return a.m_n > b.m_n; }
    friend constexpr bool operator>=(Quantity a, Quantity b) { return a.m_n >= b.m_n; }

private:
    constexpr explicit Quantity(std::int64_t n)
        : m_n(n)
    { }
    std::int64_t m_n = 0;
};

// [x]: x × 10 000 in double precision, rounded to the nearest integer, a half to even.
Quantity ToQuantity(double x);
// n / 10 000 in double precision: the nearest double while |n| is below 2⁵³;
// beyond, the count is rounded to a double first, so the result may be one
// unit in the last place away from the nearest (no coil comes near it).
double FromQuantity(Quantity q);
// a ⊕ b: the exact sum.
Quantity operator+(Quantity a, Quantity b);
// a ⊗ b: the exact product rounded to the nearest ten-thousandth, a half to even.
Quantity operator*(Quantity a, Quantity b);
// k ⊗ q: the exact product by a 16-bit integer.
Quantity operator*(std::int16_t k, Quantity q);
// The greatest whole number not above q.
Quantity Int(Quantity q);
// The nearest whole number, a half to even, as a 16-bit integer.
std::int16_t ToInteger16(Quantity q);
// q against x converted to a quantity first: -1, 0 or 1.
int Compare(Quantity q, double x);
