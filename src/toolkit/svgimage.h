// SPDX-License-Identifier: GPL-3.0-or-later
// An image control: paints its SVG picture stretched over its whole rectangle,
// crisp at any screen scale, its words in the program's language. Each picture
// is rendered once per size and language.
#pragma once

#include <QString>
#include <QWidget>

class SvgImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit SvgImage(QWidget *parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString &source);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_source;
};
