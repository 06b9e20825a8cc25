// SPDX-License-Identifier: GPL-3.0-or-later
// a + b, a * b (rounded half to even), k * q, Int, ToInteger16, ToQuantity,
// FromQuantity and Compare against exact 128-bit arithmetic on the counts of
// ten-thousandths (the count n is the decimal n e-4), overflow exactly when the
// result leaves the 64-bit count (the 16-bit integer for ToInteger16). Input: a
// byte giving j (below), counts a, b.
#include "fuzzsupport.h"
#include "numbers/quantity.h"

constexpr Int128 kScale = 10000;
constexpr auto Q = &Quantity::fromRaw;
static std::string Text(Quantity q) // its count
{
    return Text(Int128(q.raw()));
}
// n / d rounded to the nearest integer, a half to the even one (d > 0).
static Int128 HalfEven(Int128 n, Int128 d)
{
    const Int128 floor = n / d - (n % d < 0), twice = 2 * (n - floor * d);
    return floor + (twice > d || (twice == d && floor % 2 != 0));
}
// The call on a and b gave `exact` when that lies in [lo, hi], and raised overflow otherwise.
static void Expect(const char *what, Int128 exact, Int128 a, Int128 b, const std::string &got,
                   Int128 lo = INT64_MIN, Int128 hi = INT64_MAX)
{
    const std::string expected = exact < lo || exact > hi ? "error 6" : Text(exact);
    FUZZ_CHECK(got == expected,
               what + ("(" + Text(a) + ", " + Text(b) + ") = ") + got + ", exact " + Text(exact));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in{data, size};
    const int j = in.Take<std::uint8_t>() % 64 - 20;
    const std::int64_t a = in.Take<std::int64_t>(), b = in.Take<std::int64_t>(), a8 = a % 100000000,
                       b8 = b % 100000000, k = std::int16_t(b);
    Expect("a+b", Int128(a) + b, a, b, RUN(Q(a) + Q(b)));
    Expect("a*b", HalfEven(Int128(a) * b, kScale), a, b, RUN(Q(a) * Q(b)));
    Expect("a*b", HalfEven(Int128(a8) * b8, kScale), a8, b8, RUN(Q(a8) * Q(b8))); // near the scale
    Expect("k*q", Int128(a) * k, a, k, RUN(std::int16_t(k) * Q(a)));
    Expect("Int", Int128(a) - (a % kScale + kScale) % kScale, a, 0, RUN(Int(Q(a))));
    for (const std::int64_t n : {a, a % 400000000})
        Expect("ToInteger16", HalfEven(n, kScale), n, 0, RUN(Int128(ToInteger16(Q(n)))), -32768, 32767);
    // ToQuantity of a decimal with up to four decimals below 10^9, as typed; of
    // m * 2^j, |m| < 2^40, whose x * 10 000 is exact in double (exact halves with
    // m odd and j = -5, both sides of the limits for large j).
    const Int128 typed = (a < 0 ? -Int128(a) : a) % (1000000000 * kScale) * (b < 0 ? -1 : 1),
                 m = b % (Int128(1) << 40);
    Expect("ToQuantity", typed, typed, 0, RUN(ToQuantity(std::stod(Text(typed) + "e-4"))));
    Expect("ToQuantity", j >= 0 ? m * kScale * (Int128(1) << j) : HalfEven(m * kScale, Int128(1) << -j), m, j,
           RUN(ToQuantity(std::ldexp(static_cast<double>(m), j))));
    // Of any double: overflow if not finite; Compare(q, x) orders q and ToQuantity(x), or raises as that
    // does.
    const double x = std::bit_cast<double>(b);
    const std::string quantity = RUN(ToQuantity(x)), order = RUN(Int128(Compare(Q(a), x)));
    const bool raised = quantity.starts_with("error");
    const Int128 y = raised ? 0 : ToQuantity(x).raw();
    FUZZ_CHECK(order == (raised ? quantity : Text(Int128((a > y) - (a < y))))
                   && (std::isfinite(x) || quantity == "error 6"),
               "Compare(" + Text(Q(a)) + "e-4, " + Text(x) + ") = " + order + ", ToQuantity " + quantity);
    // FromQuantity: the nearest double to a / 10 000, as strtod reads the decimal
    // (beyond 2^53 the count itself is rounded to double first: one ulp more);
    // and ToQuantity gives every count up to 2^50 back.
    const double from = FromQuantity(Q(a)), nearest = std::stod(Text(Q(a)) + "e-4");
    FUZZ_CHECK(from == std::nextafter(nearest, from) && (from == nearest || Int128(a) * a > Int128(1) << 106),
               "FromQuantity(" + Text(Q(a)) + "e-4) = " + Text(from) + ", nearest " + Text(nearest));
    const std::int64_t n = a % (std::int64_t{1} << 50);
    Expect("ToQuantity(FromQuantity)", n, n, 0, RUN(ToQuantity(FromQuantity(Q(n)))));
    return 0;
}
