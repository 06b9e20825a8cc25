// SPDX-License-Identifier: GPL-3.0-or-later
#include "designer/variante.h"

#include "numbers/checkedmath.h"
#include "numbers/localenumber.h"
#include "numbers/runtimeerror.h"
#include "numbers/val.h"

#include <QCoreApplication>

double Variante::ToDouble(const QLocale &locale) const
{
    if (const auto *whole = std::get_if<std::int16_t>(&m_value))
        return *whole;
    if (const auto *number = std::get_if<double>(&m_value))
        return *number;
    const QString &text = std::get<QString>(m_value);
    FieldReading reading;
    try {
        reading = ReadField(text, locale);
    } catch (const RuntimeError &error) {
        throw error.withDetail(Causa());
    }
    if (reading.kind == FieldReading::Kind::Number)
        return reading.value;
    const RuntimeError mismatch(ErrorNumber::TypeMismatch);
    if (m_campo.isEmpty())
        throw mismatch;
    if (reading.kind == FieldReading::Kind::Ambiguous)
        throw mismatch.withDetail(FieldRefusalMessage(m_campo, text, locale));
    throw mismatch.withDetail(
        QCoreApplication::translate("Form2", "Nel campo \"%1\" il testo \"%2\" non è un numero.")
            .arg(m_campo, text));
}

QString Variante::Causa() const
{
    if (m_campo.isEmpty())
        return QString();
    return QCoreApplication::translate("Form2", "Causa: \"%1\" vale %2.").arg(m_campo, ToText());
}

QString Variante::ToText(const QLocale &locale) const
{
    if (const auto *whole = std::get_if<std::int16_t>(&m_value))
        return QString::number(*whole);
    if (const auto *number = std::get_if<double>(&m_value))
        return FormatLocaleNumber(*number, locale);
    return std::get<QString>(m_value);
}

Variante operator+(const Variante &a, const Variante &b)
{
    if (a.IsText() && b.IsText())
        return Variante(std::get<QString>(a.m_value) + std::get<QString>(b.m_value));
    return Variante(Add(a.ToDouble(), b.ToDouble()));
}
