// SPDX-License-Identifier: GPL-3.0-or-later
// Display patterns: a quantity or a double shown through a picture such as
// "#,##0.000", with the decimal and group separators of the given locale.
#pragma once

#include <QLocale>
#include <QString>

class Quantity;

// The picture language: "0" always shows a digit, "#" only a significant one,
// "." places the decimal separator (the value is rounded there, a half away from
// zero), a "," among the integer positions groups thousands. The integer part
// always shows all its digits; a negative value is preceded by "-". A half is
// exact for a quantity and judged on the 15-significant-digit decimal form of a
// double.
QString Format(Quantity value, const QString &pattern, const QLocale &locale = QLocale());
QString Format(double value, const QString &pattern, const QLocale &locale = QLocale());
