#include "converter/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
}

WrappingButton::WrappingButton(QWidget *parent)
    : QPushButton(parent)
{
}

QSize WrappingButton::sizeHint() const
{
    // Wide enough for the longest word, tall enough for the lines it wraps into.
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString &word : text().split(u' ', Qt::SkipEmptyParts))
        widest = qMax(widest, metrics.horizontalAdvance(word));
    const QRect lines = metrics.boundingRect(QRect(0, 0, widest, 0), kTextFlags, text());
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, lines.size(), this);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the face and the focus frame; the caption is drawn here, wrapped.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(contents, kTextFlags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}
