// Lets QCOMPARE print a quantity that differs, with its four decimals.
#pragma once

#include "numbers/quantity.h"

#include <QByteArray>
#include <cstring>

inline char *toString(const Quantity &q)
{
    return qstrdup(QByteArray::number(FromQuantity(q), 'f', 4).constData());
}
