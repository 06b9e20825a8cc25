// SPDX-License-Identifier: GPL-3.0-or-later
// What the table tests share: a table's columns in one call, columns<double, QString>("value", "text"), and
// the run-time error a call raised.
#pragma once

#include "numbers/runtimeerror.h"

#include <QTest>

template<typename... T, typename... Name> void columns(Name... names)
{
    (QTest::addColumn<T>(names), ...);
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
