// SPDX-License-Identifier: GPL-3.0-or-later
// Floating-point operations that test their result as the program's rules ask:
// an invalid operation or a result beyond the double range raises overflow (6),
// a non-zero value divided by 0 raises division by zero (11), and the square
// root of a negative value or a negative base to a fractional power raises
// invalid argument (5). A result that underflows towards 0 is used unchanged.
#pragma once

// Raises overflow unless x is finite.
double Checked(double x);
// x ^ y in double precision; x ^ 2 is x × x.
double Power(double x, double y);
// The square root.
double Sqr(double x);
// a / b.
double Divide(double a, double b);
// a × b and a + b, tested like every other operation.
double Multiply(double a, double b);
double Add(double a, double b);
double Subtract(double a, double b);
