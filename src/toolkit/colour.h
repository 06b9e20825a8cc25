// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the window definitions write them: &H00BBGGRR& with red in the
// lowest byte, and &H8000000k& naming system colour k.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <cstdint>

// Reads a colour written as hexadecimal text, "&HC0C0FF" or "&H00C0E0FF&".
std::uint32_t ParseColour(const QString &text);
// The colour a definition value stands for; system colours come from the palette.
QColor ColourFromValue(std::uint32_t value, const QPalette &palette = QPalette());
// Paints a widget's background (a button's face, a label's ground) in a definition colour.
class QWidget;
void SetBackColour(QWidget *widget, std::uint32_t value);
void SetForeColour(QWidget *widget, std::uint32_t value);
