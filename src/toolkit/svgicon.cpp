// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/svgicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace {

class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString &source)
        : m_source(source)
    { }

    QIconEngine *clone() const override { return new SvgIconEngine(m_source); }
    QString key() const override { return QStringLiteral("SolenoriumSvgIcon"); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        renderer()->render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(&painter, picture.rect(), mode, state);
        painter.end();
        return picture;
    }

private:
    QSvgRenderer *renderer()
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_source);
        return m_renderer.get();
    }

    QString m_source;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QIcon SvgIcon(const QString &source)
{
    return QIcon(new SvgIconEngine(source));
}
