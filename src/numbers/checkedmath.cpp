// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/checkedmath.h"

#include "numbers/runtimeerror.h"

#include <cmath>

double Checked(double x)
{
    if (!std::isfinite(x))
        throw RuntimeError(ErrorNumber::Overflow);
    return x;
}

double Power(double x, double y)
{
    Checked(x);
    Checked(y);
    if (x < 0 && std::trunc(y) != y)
        throw RuntimeError(ErrorNumber::InvalidArgument);
    if (x == 0 && y < 0)
        throw RuntimeError(ErrorNumber::DivisionByZero);
    if (y == 2)
        return Checked(x * x);
    return Checked(std::pow(x, y));
}

double Sqr(double x)
{
    Checked(x);
    if (x < 0)
        throw RuntimeError(ErrorNumber::InvalidArgument);
    return std::sqrt(x);
}

double Divide(double a, double b)
{
    Checked(a);
    Checked(b);
    if (b == 0)
        throw RuntimeError(a == 0 ? ErrorNumber::Overflow : ErrorNumber::DivisionByZero);
    return Checked(a / b);
}

double Multiply(double a, double b)
{
    return Checked(Checked(a) * Checked(b));
}

double Add(double a, double b)
{
    return Checked(Checked(a) + Checked(b));
}

double Subtract(double a, double b)
{
    return Checked(Checked(a) - Checked(b));
}
