// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/colour.h"

#include <QWidget>
#include <initializer_list>

std::uint32_t ParseColour(const QString &text)
{
    QString hex = text.trimmed();
    if (hex.endsWith(u'&'))
        hex.chop(1);
    if (hex.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive))
        hex = hex.mid(2);
    return hex.toUInt(nullptr, 16); // 0, black, when it is no number
}

QColor ColourFromValue(std::uint32_t value, const QPalette &palette)
{
    // Of the system's colours the windows use only the window text; any other
    // stands for the window's background.
    if (value & 0x80000000u)
        return palette.color((value & 0xffu) == 8 ? QPalette::Text : QPalette::Window);
    return QColor(static_cast<int>(value & 0xffu), static_cast<int>((value >> 8) & 0xffu),
                  static_cast<int>((value >> 16) & 0xffu));
}

namespace {
// One definition colour in every palette role that draws the given part.
void paintRoles(QWidget *widget, std::uint32_t value, std::initializer_list<QPalette::ColorRole> roles)
{
    QPalette palette = widget->palette();
    const QColor colour = ColourFromValue(value, palette);
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget->setPalette(palette);
}
} // namespace

void SetBackColour(QWidget *widget, std::uint32_t value)
{
    paintRoles(widget, value, {QPalette::Button, QPalette::Window, QPalette::Base});
    widget->setAutoFillBackground(true);
}

void SetForeColour(QWidget *widget, std::uint32_t value)
{
    paintRoles(widget, value, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText});
}
