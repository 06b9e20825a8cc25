// SPDX-License-Identifier: GPL-3.0-or-later
// The run-time error: a numeric fault or a refused property value, carried by its
// number and its Italian description until a handler guard reports it.
#pragma once

#include <QString>
#include <exception>

enum class ErrorNumber : int {
    InvalidArgument = 5,     // invalid procedure call or argument
    Overflow = 6,            // a result outside its range, or an invalid operation
    SubscriptOutOfRange = 9, // an array index outside its bounds
    DivisionByZero = 11,
    TypeMismatch = 13, // text that is not a number
    InvalidPropertyValue = 380,
};

class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(ErrorNumber number);

    ErrorNumber number() const { return m_number; }
    int code() const { return static_cast<int>(m_number); }
    QString description() const;
    const char *what() const noexcept override { return m_what.c_str(); }

    // What the user can act on, when the fault has one cause the program
    // knows: the field whose text is no number, the input that was 0.
    const QString &detail() const { return m_detail; }
    RuntimeError withDetail(const QString &detail) const;

    // The Italian description of an error number.
    static QString descriptionOf(ErrorNumber number);

private:
    ErrorNumber m_number;
    std::string m_what;
    QString m_detail;
};
