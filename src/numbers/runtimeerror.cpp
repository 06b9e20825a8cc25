// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/runtimeerror.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(ErrorNumber number)
    : m_number(number)
    , m_what(descriptionOf(number).toStdString())
{ }

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
        return QCoreApplication::translate("RuntimeError", "Chiamata di routine o argomento non validi");
    case ErrorNumber::Overflow:
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case ErrorNumber::SubscriptOutOfRange:
        return QCoreApplication::translate("RuntimeError", "Indice non incluso nell'intervallo");
    case ErrorNumber::DivisionByZero:
        return QCoreApplication::translate("RuntimeError", "Divisione per zero");
    case ErrorNumber::TypeMismatch:
        return QCoreApplication::translate("RuntimeError", "Tipo non corrispondente");
    case ErrorNumber::InvalidPropertyValue:
        return QCoreApplication::translate("RuntimeError", "Valore della proprietà non valido");
    }
    return QCoreApplication::translate("RuntimeError", "Errore sconosciuto");
}
