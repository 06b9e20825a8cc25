// SPDX-License-Identifier: GPL-3.0-or-later
// What the window definitions need of the toolkit that Qt does not say in its
// own terms: twips, the fonts the definitions name, the application's help-file
// name, and the range check of a scroll bar's value.
#pragma once

#include <QString>

class QLineEdit;
class QScrollBar;
class QWidget;

// 15 twips are one logical pixel (1440 twips per inch at 96 dpi).
int TwipsToPixels(int twips);
// Maps the definitions' fonts onto free, metric-close families.
void InstallFontSubstitutions();
// A window definition holds whole point sizes only; the fractional sizes of
// its fonts (8.25, 9.75, 13.5, 14.25) travel in a "pointSizeF" property of
// the window and its controls and are set here, the window first.
void ApplyFractionalFontSizes(QWidget *window);
// The application's help file, as the windows set it.
void SetHelpFile(const QString &name);
QString HelpFile();
// Writes a scroll bar's value as the definitions' scroll bars take it: 0 to
// 32767, anything else refused with run-time error 380. Qt raises the bar's
// change notification inside the write when the value differs.
void SetScrollValue(QScrollBar *bar, int value);

// Labels and pictures are drawn on their container's surface, beneath every
// control that has a window of its own, whatever their order in the
// definition: within each container they go beneath the other children,
// keeping their own order among themselves, so they never take a click meant
// for a button, an option, a field or a bar.
void LowerWindowlessControls(QWidget *window);

// Writes a field's text as the program's windows write their fields: the
// field shows the start of the text, however long, not its end.
void SetFieldText(QLineEdit *field, const QString &text);
