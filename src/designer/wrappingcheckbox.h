// A check box whose caption wraps onto further lines when it is wider than the
// box, as the designer's lock caption must in its narrow place. The whole
// rectangle answers a click, caption included.
#pragma once

#include <QCheckBox>

class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit WrappingCheckBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
