// The leading-number parse of typed text used by the calculator and the
// converter: decimal point only, never an error for text that is not a number.
#pragma once

#include <QString>

// The number at the start of the text, 0 when there is none. Blanks, tabs and
// line feeds are dropped wherever they stand; a comma ends the number; &H and &O
// read hexadecimal and octal whole numbers. Raises overflow for a number beyond
// the double range.
double Val(const QString &text);
