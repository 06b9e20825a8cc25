// SPDX-License-Identifier: GPL-3.0-or-later
// Where a person clicks a control, and a click sent there as the window system
// sends it: to the window, at the point, so whatever lies on top of the control
// takes the click instead, as it would on the screen.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QList>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>
#include <QWindow>

// The middle of the control; for an option or a check box the middle of its
// round or square button and the middle of its caption; for a scroll bar its
// lower and upper arrows after its middle.
inline QList<QPoint> ClickPoints(const QWidget *control)
{
    if (const auto *bar = qobject_cast<const QScrollBar *>(control)) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation(); // the arrows lie at the ends whatever the value
        const auto part = [&](QStyle::SubControl sc) {
            return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, sc, bar).center();
        };
        return {bar->rect().center(), part(QStyle::SC_ScrollBarAddLine), part(QStyle::SC_ScrollBarSubLine)};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    const bool radio = qobject_cast<const QRadioButton *>(control);
    if (!button || (!radio && !qobject_cast<const QCheckBox *>(control)))
        return {control->rect().center()};
    QStyleOptionButton option;
    option.initFrom(control);
    option.text = button->text();
    QStyle *style = control->style();
    const QRect indicator = style->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, control);
    const QRect contents = style->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, control);
    const QRect caption = control->fontMetrics().boundingRect(
        contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, button->text());
    return {indicator.center(), (caption & contents).center()};
}

// Press and release at a point of the control, delivered through its window.
inline void ClickAt(QWidget *control, QPoint point = QPoint(-1, -1))
{
    if (point == QPoint(-1, -1))
        point = ClickPoints(control).constFirst();
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, point));
}
