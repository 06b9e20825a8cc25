// SPDX-License-Identifier: GPL-3.0-or-later
// Small checks shared by the coil sheet's sources: a value is a figure only
// when positive and finite, a coil only when all four sizes are.
#pragma once

#include "coil/coilsheet.h"

#include <cmath>
#include <optional>

inline bool PositiveFinite(double x)
{
    return std::isfinite(x) && x > 0;
}

inline std::optional<double> Finite(double x)
{
    return PositiveFinite(x) ? std::optional<double>(x) : std::nullopt;
}

inline bool ValidCoil(const CoilSpec &c)
{
    return PositiveFinite(c.diameterMm) && PositiveFinite(c.lengthMm) && PositiveFinite(c.turns)
        && PositiveFinite(c.wireMm);
}

// The wire's centres lie on the former's diameter plus one wire.
inline double HelixDiameterMm(const CoilSpec &c)
{
    return c.diameterMm + c.wireMm;
}
