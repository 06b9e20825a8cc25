// SPDX-License-Identifier: GPL-3.0-or-later
// An icon drawn from an SVG picture in the resources, read only when a size of
// it is first asked for and drawn afresh at every size asked for.
#pragma once

#include <QIcon>
#include <QString>

QIcon SvgIcon(const QString &source);
