// SPDX-License-Identifier: GPL-3.0-or-later
// A data table's columns in one call: columns<double, QString>("value", "text").
#pragma once

#include <QTest>

template<typename... T, typename... Name> void columns(Name... names) { (QTest::addColumn<T>(names), ...); }
