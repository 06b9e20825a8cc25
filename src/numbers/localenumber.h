// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's conversion of a double into the text of a field, by the
// user's locale; the field is read back as every field is (val.h).
#pragma once

#include <QLocale>
#include <QString>

// The shortest decimal form with at most 15 significant digits, the locale's
// decimal separator, no group separator and no trailing zeros.
QString FormatLocaleNumber(double value, const QLocale &locale = QLocale());
