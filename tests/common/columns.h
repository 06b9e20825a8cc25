// SPDX-License-Identifier: GPL-3.0-or-later
// What the table tests share: a table's columns in one call, columns<double, QString>("value", "text"), a
// table of structs as its rows, and the run-time error a call raised.
#pragma once

#include "numbers/runtimeerror.h"

#include <QTest>

template<typename... T, typename... Name> void columns(Name... names)
{
    (QTest::addColumn<T>(names), ...);
}
// A table of structs as the rows: a column "i" and one row per element, named by its `name`; the test
// fetches i and reads table[i].
template<typename Row, std::size_t N> void rows(const Row (&table)[N])
{
    QTest::addColumn<int>("i");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(table[i].name) << int(i);
}
template<typename Body> int errorOf(Body body) // the run-time error number the body raised, 0 for none
{
    try {
        body();
    } catch (const RuntimeError &e) {
        return e.code();
    }
    return 0;
}
