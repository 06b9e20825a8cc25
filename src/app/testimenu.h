// SPDX-License-Identifier: GPL-3.0-or-later
// The two prose pages of the menu: the explanation of the converter (tab
// "Diametri") and the story of the programs (tab "Circa").
#pragma once

#include <QString>

QString TestoDiametri();
QString TestoCirca();
