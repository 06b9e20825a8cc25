// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/localenumber.h"

#include "numbers/runtimeerror.h"

#include <cmath>

double ParseLocaleNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    // QLocale would also take "inf" and "nan", which are no numbers to a user.
    for (const QChar ch : trimmed) {
        if (ch.isLetter() && ch != u'e' && ch != u'E')
            throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (ok && std::isfinite(value))
        return value;
    if (!trimmed.isEmpty()) {
        // A well-formed number too large for a double is an overflow, not a mismatch.
        QLocale relaxed = locale;
        relaxed.setNumberOptions(QLocale::DefaultNumberOptions);
        bool parsed = false;
        const double huge = relaxed.toDouble(trimmed, &parsed);
        if (std::isinf(huge))
            throw RuntimeError(ErrorNumber::Overflow);
    }
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

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
