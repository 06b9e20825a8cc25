// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/conversione.h"

#include "numbers/checkedmath.h"

namespace {

// The henry scale of the coil formula: lengths in mm give µH.
constexpr double kMilli = 0.001;
constexpr double kDiameterShare = 0.45;
constexpr double kPiSquared = 9.8696;

} // namespace

Quantity DiameterTerm(Quantity diameter)
{
    return ToQuantity(Multiply(kDiameterShare, FromQuantity(diameter)));
}

Quantity CoilInductance(Quantity turns, Quantity diameter, Quantity length)
{
    const double numerator = Multiply(Power(FromQuantity(turns), 2.0), Power(FromQuantity(diameter), 2.0));
    const Quantity denominator = length + DiameterTerm(diameter);
    return ToQuantity(Multiply(Divide(numerator, FromQuantity(denominator)), kMilli));
}

Quantity Spacing(Quantity length, Quantity turns)
{
    return ToQuantity(Divide(FromQuantity(length), FromQuantity(turns)));
}

Quantity TurnsForInductance(Quantity inductance, Quantity diameter, Quantity lengthEstimate)
{
    // The product is a quantity product, rounded to four decimals before the division.
    const Quantity product = inductance * (lengthEstimate + DiameterTerm(diameter));
    const double perTurnSquared = Multiply(Power(FromQuantity(diameter), 2.0), kMilli);
    return ToQuantity(Sqr(Divide(FromQuantity(product), perTurnSquared)));
}

Quantity CutToTenth(Quantity turns)
{
    const Quantity tenths = Int(std::int16_t{10} * turns);
    return ToQuantity(Divide(FromQuantity(tenths), 10.0));
}

int Halves(Quantity value)
{
    return ToInteger16(std::int16_t{2} * value);
}

Quantity WireLength(Quantity turns, Quantity diameter, Quantity length)
{
    const double circle = Power(Divide(FromQuantity(diameter), 10.0), 2.0);
    const double around = Multiply(Multiply(Power(FromQuantity(turns), 2.0), kPiSquared), circle);
    const double along = Power(Divide(FromQuantity(length), 10.0), 2.0);
    return ToQuantity(Divide(Sqr(Add(along, around)), 100.0));
}

Quantity ScrollInductance(Quantity diameter, int turnsHalves, int lengthHalves)
{
    const double d = FromQuantity(diameter);
    const double numerator = Multiply(Power(d, 2.0), Power(Divide(turnsHalves, 2.0), 2.0));
    const double denominator = Add(Multiply(d, kDiameterShare), Divide(lengthHalves, 2.0));
    return ToQuantity(Multiply(Divide(numerator, denominator), kMilli));
}

double ScrollSpacing(int turnsHalves, int lengthHalves)
{
    return Divide(lengthHalves, turnsHalves);
}
