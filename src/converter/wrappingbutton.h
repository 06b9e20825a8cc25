// A push button whose caption wraps at word boundaries to fit the button, as
// the converter's tall, narrow buttons need; text() stays the whole caption.
#pragma once

#include <QPushButton>

class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrappingButton(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
