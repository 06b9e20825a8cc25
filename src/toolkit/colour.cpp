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
    bool ok = false;
    const std::uint32_t value = hex.toUInt(&ok, 16);
    return ok ? value : 0;
}

QColor ColourFromValue(std::uint32_t value, const QPalette &palette)
{
    if (value & 0x80000000u) {
        switch (value & 0xffu) {
        case 5: // window background
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        case 15: // button face
            return palette.color(QPalette::Button);
        case 18: // button text
            return palette.color(QPalette::ButtonText);
        default:
            return palette.color(QPalette::Window);
        }
    }
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
