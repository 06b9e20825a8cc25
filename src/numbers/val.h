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

// How a typed field reads. The text, trimmed of blanks, is read two ways, each
// in full: as the locale writes numbers (its decimal separator, its group
// separator only between groups of three digits of the whole part) and as Val
// reads it (point as decimal, no grouping). One reading, or two that agree,
// give the number; two that differ ("2.200" under an Italian locale: 2200 or
// 2.2) leave the text ambiguous; a text that neither reads in full is
// unreadable, and one with no number at its start has none.
struct FieldReading
{
    enum class Kind {
        Number,
        NoNumber,
        Ambiguous,
        Unreadable,
    };
    Kind kind = Kind::NoNumber;
    double value = 0;       // the number; 0 when there is none
    double localeValue = 0; // both readings of an ambiguous text
    double valValue = 0;
};

// Raises overflow, as Val does, for a number beyond the double range.
FieldReading ReadField(const QString &text, const QLocale &locale = QLocale());

// The number of a field, 0 for a text with no number at its start (each window
// then applies its own rule for empty and zero fields), empty when the text is
// ambiguous or unreadable: nothing is computed from a figure the user did not
// write.
std::optional<double> ReadFieldNumber(const QString &text, const QLocale &locale = QLocale());

// The message that refuses an ambiguous or unreadable text: it names the field
// by its caption, quotes the text and says how to write the number, for an
// ambiguous text both readings and how to write each so it reads one way only.
QString FieldRefusalMessage(const QString &caption, const QString &text, const QLocale &locale = QLocale());
