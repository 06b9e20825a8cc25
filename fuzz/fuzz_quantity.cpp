// The quantity operations of the calculator and the converter, each against
// exact 128-bit integer arithmetic on the counts of ten-thousandths.
// Properties:
// - a ⊕ b is the exact sum, and overflow exactly when the sum leaves the range;
// - a ⊗ b is the exact product of the counts divided by 10 000 and rounded to
//   the nearest integer, a half to the even one, and overflow exactly when that
//   leaves the range; it is never more than half a ten-thousandth from the
//   exact product;
// - k ⊗ q is the exact product, overflow exactly out of range;
// - Int(q) is the floor to a whole number, overflow only below the range;
// - ToInteger16(q) is the nearest whole number, a half to the even one, and
//   overflow exactly outside -32768..32767;
// - ToQuantity of a decimal with at most four decimals and below 10^9 in
//   magnitude (what a user types) is exactly that decimal; of any finite
//   double it is within half a ten-thousandth plus the double's own rounding,
//   and it raises overflow for values beyond the range and for infinities and
//   NaN;
// - FromQuantity then ToQuantity gives back every count up to 2^50;
// - Compare(q, x) orders q against ToQuantity(x), and raises what it raises.
//
// The first byte chooses the operation.
#include "fuzzsupport.h"

#include "numbers/quantity.h"

#include <cmath>
#include <limits>

namespace {

using Int128 = __int128;
constexpr Int128 kMin = std::numeric_limits<std::int64_t>::min();
constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
constexpr Int128 kScale = 10000;

Quantity Q(std::int64_t raw)
{
    return Quantity::fromRaw(raw);
}

// Floor division and its remainder in [0, d).
Int128 FloorDiv(Int128 n, Int128 d)
{
    Int128 q = n / d;
    if (n % d < 0)
        --q;
    return q;
}

// The outcome of an operation that gives a quantity: its count, or the error.
template<typename Call>
Outcome RunQuantity(Call &&call)
{
    return Run([&] { return static_cast<double>(call().raw()); });
}

struct Expected
{
    bool overflow;
    Int128 count;
};

void CheckCount(const char *operation, Expected expected, std::int64_t got, bool raised, ErrorNumber error,
                const std::string &operands)
{
    const std::string detail = std::string(operation) + "(" + operands + ") expected "
        + (expected.overflow ? std::string("overflow") : Number(expected.count));
    if (expected.overflow) {
        FUZZ_CHECK(raised && error == ErrorNumber::Overflow,
                   detail + ", got " + (raised ? "another error" : Number(Int128(got))));
    } else {
        FUZZ_CHECK(!raised, detail + ", got error " + std::to_string(static_cast<int>(error)));
        FUZZ_CHECK(Int128(got) == expected.count, detail + ", got " + Number(Int128(got)));
    }
}

Expected InRange(Int128 n)
{
    return {n < kMin || n > kMax, n};
}

template<typename Call>
void Compare64(const char *operation, Expected expected, const std::string &operands, Call &&call)
{
    std::int64_t got = 0;
    bool raised = false;
    ErrorNumber error = ErrorNumber::Overflow;
    try {
        got = call();
    } catch (const RuntimeError &e) {
        raised = true;
        error = e.number();
    }
    CheckCount(operation, expected, got, raised, error, operands);
}

void CheckSum(std::int64_t a, std::int64_t b)
{
    Compare64("sum", InRange(Int128(a) + b), Number(Int128(a)) + ", " + Number(Int128(b)),
              [&] { return (Q(a) + Q(b)).raw(); });
}

void CheckProduct(std::int64_t a, std::int64_t b)
{
    const Int128 exact = Int128(a) * Int128(b); // the product of the counts, in units of 10^-8
    const Int128 floor = FloorDiv(exact, kScale);
    const Int128 twice = 2 * (exact - floor * kScale);
    Int128 nearest = floor;
    if (twice > kScale || (twice == kScale && floor % 2 != 0))
        nearest = floor + 1;
    const std::string operands = Number(Int128(a)) + ", " + Number(Int128(b));
    Compare64("product", InRange(nearest), operands, [&] { return (Q(a) * Q(b)).raw(); });
    // However a half were rounded, the result is within half a ten-thousandth.
    if (!(nearest < kMin || nearest > kMax)) {
        const Int128 error = nearest * kScale - exact;
        FUZZ_CHECK(error <= kScale / 2 && error >= -kScale / 2, "product(" + operands + ") off by " + Number(error));
    }
}

void CheckScaled(std::int16_t k, std::int64_t a)
{
    Compare64("k*q", InRange(Int128(k) * a), std::to_string(k) + ", " + Number(Int128(a)),
              [&] { return (k * Q(a)).raw(); });
}

void CheckInt(std::int64_t a)
{
    Compare64("Int", InRange(FloorDiv(a, kScale) * kScale), Number(Int128(a)), [&] { return Int(Q(a)).raw(); });
}

void CheckInteger16(std::int64_t a)
{
    const Int128 floor = FloorDiv(a, kScale);
    const Int128 twice = 2 * (Int128(a) - floor * kScale);
    Int128 nearest = floor;
    if (twice > kScale || (twice == kScale && floor % 2 != 0))
        nearest = floor + 1;
    const Expected expected{nearest < std::numeric_limits<std::int16_t>::min()
                                || nearest > std::numeric_limits<std::int16_t>::max(),
                            nearest};
    Compare64("ToInteger16", expected, Number(Int128(a)), [&] { return std::int64_t{ToInteger16(Q(a))}; });
}

// A decimal with up to four decimals below 10^9, as a user types it.
void CheckTypedDecimal(std::int64_t seed, bool negative)
{
    const Int128 count = (seed < 0 ? -(Int128(seed)) : Int128(seed)) % (Int128(1000000000) * kScale);
    const std::int64_t signedCount = static_cast<std::int64_t>(negative ? -count : count);
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld.%04lld", negative ? "-" : "", static_cast<long long>(count / kScale),
                  static_cast<long long>(count % kScale));
    const double x = std::strtod(text, nullptr);
    Compare64("ToQuantity", {false, signedCount}, text, [&] { return ToQuantity(x).raw(); });
}

void CheckAnyDouble(double x, std::int64_t other)
{
    const Outcome got = RunQuantity([&] { return ToQuantity(x); });
    const Outcome order = Run([&] { return static_cast<double>(Compare(Q(other), x)); });
    const long double scaled = static_cast<long double>(x) * 10000.0L;
    const long double edge = 9223372036854775808.0L; // 2^63
    if (!std::isfinite(x) || std::fabs(scaled) > edge * (1 + 1e-15L)) {
        FUZZ_CHECK(got.raised && got.error == ErrorNumber::Overflow, "ToQuantity(" + Number(x) + ") = " + got.Text());
        FUZZ_CHECK(order == got, "Compare with " + Number(x) + " = " + order.Text());
        return;
    }
    if (std::fabs(scaled) < edge * (1 - 1e-15L)) {
        FUZZ_CHECK(!got.raised, "ToQuantity(" + Number(x) + ") raised");
        const std::int64_t count = ToQuantity(x).raw();
        // x × 10 000 rounded once in double precision, then to an integer.
        const long double off = std::fabs(static_cast<long double>(count) - scaled);
        FUZZ_CHECK(off <= 0.5L + std::fabs(scaled) * 1.2e-16L,
                   "ToQuantity(" + Number(x) + ") = " + Number(Int128(count)) + "e-4");
        // Compare orders the quantity against the same conversion.
        const int expected = other < count ? -1 : (other == count ? 0 : 1);
        FUZZ_CHECK(!order.raised && order.value == expected,
                   "Compare(" + Number(Int128(other)) + "e-4, " + Number(x) + ") = " + order.Text());
    }
}

void CheckRoundTrip(std::int64_t a)
{
    const std::int64_t count = a % (std::int64_t{1} << 50);
    const double x = FromQuantity(Q(count));
    const long double exact = static_cast<long double>(count) / 10000.0L;
    FUZZ_CHECK(std::fabs(static_cast<long double>(x) - exact) <= std::fabs(exact) * 1.2e-16L,
               "FromQuantity(" + Number(Int128(count)) + "e-4) = " + Number(x));
    Compare64("ToQuantity(FromQuantity)", {false, count}, Number(Int128(count)),
              [&] { return ToQuantity(FromQuantity(Q(count))).raw(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t operation = in.Take<std::uint8_t>();
    const std::int64_t a = in.Take<std::int64_t>();
    const std::int64_t b = in.Take<std::int64_t>();
    switch (operation % 8) {
    case 0:
        CheckSum(a, b);
        break;
    case 1:
        CheckProduct(a, b);
        break;
    case 2:
        // Products of counts near the scale, where the rounding is decided.
        CheckProduct(a % 100000000, b % 100000000);
        break;
    case 3:
        CheckScaled(static_cast<std::int16_t>(b), a);
        break;
    case 4:
        CheckInt(a);
        CheckInteger16(a);
        CheckInteger16(a % 400000000);
        break;
    case 5:
        CheckTypedDecimal(a, b < 0);
        break;
    case 6: {
        double x = 0;
        static_assert(sizeof x == sizeof b);
        std::memcpy(&x, &b, sizeof x);
        CheckAnyDouble(x, a);
        break;
    }
    default:
        CheckRoundTrip(a);
        break;
    }
    return 0;
}
