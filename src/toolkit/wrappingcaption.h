// SPDX-License-Identifier: GPL-3.0-or-later
// Captions that wrap onto further lines inside their control, where a plain
// Qt control would cut them off: the calculator's mode buttons, the
// converter's tall narrow buttons and the designer's lock check box. text()
// stays the whole caption as the definition gives it.
#pragma once

#include <QCheckBox>
#include <QPushButton>

// A push button whose caption is centred and wraps at its blanks. With
// lineBreakAtBlanks, a run of two or more blanks ends the first line: the
// calculator's captions put the calculation's name before such a run and the
// data it needs after it.
class WrappingButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool lineBreakAtBlanks READ lineBreakAtBlanks WRITE setLineBreakAtBlanks)
public:
    explicit WrappingButton(QWidget *parent = nullptr);

    bool lineBreakAtBlanks() const { return m_lineBreakAtBlanks; }
    void setLineBreakAtBlanks(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption() const;

    bool m_lineBreakAtBlanks = false;
};

// A check box whose caption wraps beside its square, left-aligned and centred
// on the height. The whole rectangle answers a click, caption included.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit WrappingCheckBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
