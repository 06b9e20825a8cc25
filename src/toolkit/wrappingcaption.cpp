// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/wrappingcaption.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kButtonText = Qt::AlignCenter | Qt::TextWordWrap;
constexpr int kCheckBoxText = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

// A margin of `pixels` at the left and at the right.
QMargins aiLati(int pixels)
{
    return {pixels, 0, pixels, 0};
}

// The style draws the control without its caption; the caption is drawn here,
// wrapped within the given rectangle.
void drawCaption(QStylePainter &painter, const QWidget *control, const QRect &area, int flags,
                 const QPalette &palette, const QString &caption, QPalette::ColorRole role)
{
    painter.drawItemText(area, flags, palette, control->isEnabled(), caption, role);
}

} // namespace

WrappingButton::WrappingButton(QWidget *parent)
    : QPushButton(parent)
{ }

void WrappingButton::setLineBreakAtBlanks(bool on)
{
    m_lineBreakAtBlanks = on;
    update();
}

QString WrappingButton::caption() const
{
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QString text = this->text();
    if (m_lineBreakAtBlanks) {
        const QRegularExpressionMatch gap = blanks.match(text);
        if (gap.hasMatch())
            text = text.left(gap.capturedStart()) + u'\n' + text.mid(gap.capturedEnd());
    }
    return text;
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The calculator's long captions keep clear of the button's edges.
    if (m_lineBreakAtBlanks)
        contents -= aiLati(3);
    drawCaption(painter, this, contents, kButtonText, option.palette, caption(), QPalette::ButtonText);
}

WrappingCheckBox::WrappingCheckBox(QWidget *parent)
    : QCheckBox(parent)
{ }

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();

    // The square stands at the left, centred on the height like a plain check box.
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    // The caption takes the rest of the width, past the square and its spacing.
    const QRect text = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    drawCaption(painter, this, text, kCheckBoxText, option.palette, caption, QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(text, kCheckBoxText, caption).marginsAdded(aiLati(1)) & rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
