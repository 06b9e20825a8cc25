// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/svgicon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace {

class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString &source) : m_source(source) {}

    QIconEngine *clone() const override { return new SvgIconEngine(m_source); }
    QString key() const override { return QStringLiteral("SolenoriumSvgIcon"); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        renderer()->render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const quint64 key = (quint64(size.width()) << 32) | quint64(size.height());
        auto it = m_pixmaps.find(key);
        if (it == m_pixmaps.end()) {
            QPixmap picture(size);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
            painter.end();
            it = m_pixmaps.insert(key, picture);
        }
        return it.value();
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
    QHash<quint64, QPixmap> m_pixmaps;
};

} // namespace

QIcon SvgIcon(const QString &source)
{
    return QIcon(new SvgIconEngine(source));
}
