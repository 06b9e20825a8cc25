// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/runtimeerror.h"

RuntimeError::RuntimeError(ErrorNumber number)
    : m_number(number)
    , m_what(descriptionOf(number).toStdString())
{
}

RuntimeError RuntimeError::withDetail(const QString &detail) const
{
    RuntimeError error(m_number);
    error.m_detail = detail;
    return error;
}

QString RuntimeError::description() const
{
    return descriptionOf(m_number);
}

QString RuntimeError::descriptionOf(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return QStringLiteral("Chiamata di routine o argomento non validi");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("Indice non incluso nell'intervallo");
    case ErrorNumber::DivisionByZero:
        return QStringLiteral("Divisione per zero");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Tipo non corrispondente");
    case ErrorNumber::InvalidPropertyValue:
        return QStringLiteral("Valore della proprietà non valido");
    }
    return QStringLiteral("Errore sconosciuto");
}
