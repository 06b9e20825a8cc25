// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a * b (rounded half to even), k * q, Int, ToInteger16, ToQuantity,
// FromQuantity and Compare against exact 128-bit arithmetic on the counts of
// ten-thousandths, overflow exactly when the result leaves the 64-bit count (the
// 16-bit integer for ToInteger16). Input: a byte giving j (below), counts a, b.
#include "fuzzsupport.h"
#include "numbers/quantity.h"

constexpr Int128 kScale = 10000;
static Quantity Q(std::int64_t n)
{
    return Quantity::fromRaw(n);
}
// n / d rounded to the nearest integer, a half to the even one (d > 0).
static Int128 HalfEven(Int128 n, Int128 d)
{
    const Int128 floor = n / d - (n % d < 0), twice = 2 * (n - floor * d);
    return floor + (twice > d || (twice == d && floor % 2 != 0));
}

// The count n as the decimal n / 10 000.
static std::string Decimal(Int128 n)
{
    const Int128 m = n < 0 ? -n : n;
    return (n < 0 ? "-" : "") + Number(m / kScale) + "." + Number(kScale + m % kScale).substr(1);
}
// The call on a and b gives `exact` when that lies in [lo, hi], and raises overflow otherwise.
template<typename Call>
static void Expect(const char *what, Int128 exact, Int128 a, Int128 b, Call &&call, Int128 lo = INT64_MIN,
                   Int128 hi = INT64_MAX)
{
    const auto got = Run([&] { return Int128(call()); });
    FUZZ_CHECK(
        exact < lo || exact > hi ? got.Raised(ErrorNumber::Overflow) : !got.raised && got.value == exact,
        what + ("(" + Number(a) + ", " + Number(b) + ") = ") + got.Text() + ", exact " + Number(exact));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const int j = in.Take<std::uint8_t>() % 64 - 20;
    const std::int64_t a = in.Take<std::int64_t>(), b = in.Take<std::int64_t>(), a8 = a % 100000000,
                       b8 = b % 100000000;
    Expect("a+b", Int128(a) + b, a, b, [&] { return (Q(a) + Q(b)).raw(); });
    Expect("a*b", HalfEven(Int128(a) * b, kScale), a, b, [&] { return (Q(a) * Q(b)).raw(); });
    Expect("a*b", HalfEven(Int128(a8) * b8, kScale), a8, b8,
           [&] { return (Q(a8) * Q(b8)).raw(); }); // near the scale
    Expect("k*q", Int128(a) * std::int16_t(b), a, std::int16_t(b),
           [&] { return (std::int16_t(b) * Q(a)).raw(); });
    Expect("Int", Int128(a) - (a % kScale + kScale) % kScale, a, 0, [&] { return Int(Q(a)).raw(); });
    for (const std::int64_t n : {a, a % 400000000})
        Expect(
            "ToInteger16", HalfEven(n, kScale), n, 0, [&] { return ToInteger16(Q(n)); }, INT16_MIN,
            INT16_MAX);
    // ToQuantity of a decimal with up to four decimals below 10^9, as typed; of
    // m * 2^j, |m| < 2^40, whose x * 10 000 is exact in double (exact halves with
    // m odd and j = -5, both sides of the limits for large j); of any double:
    // overflow if not finite, and Compare(q, x) orders q and ToQuantity(x).
    const Int128 typed = (a < 0 ? -Int128(a) : a) % (1000000000 * kScale) * (b < 0 ? -1 : 1),
                 m = b % (Int128(1) << 40);
    Expect("ToQuantity", typed, typed, 0, [&] { return ToQuantity(std::stod(Decimal(typed))).raw(); });
    Expect("ToQuantity", j >= 0 ? m * kScale * (Int128(1) << j) : HalfEven(m * kScale, Int128(1) << -j), m, j,
           [&] { return ToQuantity(std::ldexp(static_cast<double>(m), j)).raw(); });
    const double x = std::bit_cast<double>(b);
    const auto got = Run([&] { return Int128(ToQuantity(x).raw()); });
    const auto order = Run([&] { return Int128(Compare(Q(a), x)); });
    const Outcome<Int128> expected{got.raised, got.error, got.raised ? 0 : (a > got.value) - (a < got.value)};
    FUZZ_CHECK(order == expected, "Compare(" + Decimal(a) + ", " + Number(x) + ") = " + order.Text());
    FUZZ_CHECK(std::isfinite(x) || got.Raised(ErrorNumber::Overflow),
               "ToQuantity(" + Number(x) + ") = " + got.Text());
    // FromQuantity: the nearest double to a / 10 000, as strtod reads the decimal
    // (beyond 2^53 the count itself is rounded to double first: one ulp more);
    // and ToQuantity gives every count up to 2^50 back.
    const double from = FromQuantity(Q(a)), nearest = std::stod(Decimal(a));
    FUZZ_CHECK(from == std::nextafter(nearest, from) && (from == nearest || Int128(a) * a > Int128(1) << 106),
               "FromQuantity(" + Decimal(a) + ") = " + Number(from) + ", nearest " + Number(nearest));
    const std::int64_t n = a % (std::int64_t{1} << 50);
    Expect("ToQuantity(FromQuantity)", n, n, 0, [&] { return ToQuantity(FromQuantity(Q(n))).raw(); });
    return 0;
}
