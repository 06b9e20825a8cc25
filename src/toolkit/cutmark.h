// SPDX-License-Identifier: GPL-3.0-or-later
// Results too long for their box: a "…" at the edge where the text is cut, and
// the whole text in the tooltip, above the note the tooltip already has. The
// result's text itself stays whole, for copying and for screen readers.
#pragma once

#include <initializer_list>

class QWidget;

// Watches result labels and fields: whenever their text or size changes, the
// mark comes and goes with the need for it.
void MarkCutResults(std::initializer_list<QWidget *> results);

// Whether a label's or a field's text is wider than the room it has.
bool IsCut(const QWidget *result);
