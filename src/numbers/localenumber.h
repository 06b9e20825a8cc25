// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's conversions between text and double precision, both by the
// user's locale (its decimal and digit-group separators).
#pragma once

#include <QLocale>
#include <QString>

// The number the text denotes: blanks around it, a sign, the locale's decimal
// and group separators and an exponent are accepted. Empty text and anything
// else raise type mismatch (13); a number beyond the double range raises
// overflow (6).
double ParseLocaleNumber(const QString &text, const QLocale &locale = QLocale());

// The shortest decimal form with at most 15 significant digits, the locale's
// decimal separator, no group separator and no trailing zeros.
QString FormatLocaleNumber(double value, const QLocale &locale = QLocale());
