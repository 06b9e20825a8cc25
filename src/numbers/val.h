// SPDX-License-Identifier: GPL-3.0-or-later
// The leading-number parse of typed text used by the calculator and the
// converter: decimal point only, never an error for text that is not a number.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The number at the start of the text, 0 when there is none. Blanks, tabs and
// line feeds are dropped wherever they stand; a comma ends the number; &H and &O
// read hexadecimal and octal whole numbers. Raises overflow for a number beyond
// the double range.
double Val(const QString &text);

// A calculator or converter field as the user wrote it. Under a locale whose
// decimal separator is the comma, a text with a comma is read as the locale
// writes numbers (100,5 and 1.591,540); any other text as Val reads it. Empty
// when the text would be read only in part (something other than blanks
// follows the number: 2,5 under a decimal-point locale, 40mm, 12abc), so that
// nothing is computed from a figure the user did not write. A text with no
// number at its start reads 0, as with Val; overflow is raised as Val raises it.
std::optional<double> ReadFieldNumber(const QString &text, const QLocale &locale = QLocale());

// The message that refuses such a text: it names the field by its caption,
// quotes the text and says how to write the number under the locale.
QString UnreadableNumberMessage(const QString &caption, const QString &text, const QLocale &locale = QLocale());
