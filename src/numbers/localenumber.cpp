// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/localenumber.h"

#include "numbers/runtimeerror.h"

#include <cmath>

QString FormatLocaleNumber(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorNumber::Overflow);
    if (value == 0)
        return QStringLiteral("0");
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}
