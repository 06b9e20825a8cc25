// SPDX-License-Identifier: GPL-3.0-or-later
// The designer's window-level values: each holds a 16-bit whole number, a
// double or a text, and converts when it is used. Text meets arithmetic or a
// comparison as the number it denotes under the user's locale; two texts added
// together are joined; written into a field, a value becomes locale text.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <variant>

class Variante
{
public:
    Variante()
        : m_value(std::int16_t{0})
    { }
    Variante(std::int16_t value)
        : m_value(value)
    { }
    Variante(double value)
        : m_value(value)
    { }
    Variante(const QString &text)
        : m_value(text)
    { }
    // The text of the field with this caption: a fault that comes from it
    // names the field in its report.
    Variante(const QString &text, const QString &campo)
        : m_value(text)
        , m_campo(campo)
    { }

    bool IsInteger() const { return std::holds_alternative<std::int16_t>(m_value); }
    bool IsDouble() const { return std::holds_alternative<double>(m_value); }
    bool IsText() const { return std::holds_alternative<QString>(m_value); }

    // The value as a number: a whole number or a double as it is, a text read
    // as every field is (ReadField): type mismatch 13 when it is no number or
    // reads two ways, the report naming the field.
    double ToDouble(const QLocale &locale = QLocale()) const;
    // The text a field receives: a whole number as plain digits, a double
    // through FormatLocaleNumber, a text unchanged.
    QString ToText(const QLocale &locale = QLocale()) const;

    // "Spire" vale 0: the input named when it alone causes a fault; empty for
    // a value that comes from no field.
    QString Causa() const;

    // Two texts are joined; any other pair is added as numbers, giving a double.
    friend Variante operator+(const Variante &a, const Variante &b);

private:
    std::variant<std::int16_t, double, QString> m_value;
    QString m_campo;
};
