// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/svgimage.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>
#include <unordered_map>

namespace {
// One parsed picture per source, shared by every image that shows it.
QSvgRenderer *rendererFor(const QString &source)
{
    static std::unordered_map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    std::unique_ptr<QSvgRenderer> &renderer = renderers[source];
    if (!renderer)
        renderer = std::make_unique<QSvgRenderer>(source);
    return renderer.get();
}
} // namespace

SvgImage::SvgImage(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void SvgImage::setSource(const QString &source)
{
    m_source = source;
    update();
}

void SvgImage::paintEvent(QPaintEvent *)
{
    if (m_source.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const QString key = QStringLiteral("svg:%1:%2x%3").arg(m_source).arg(pixels.width()).arg(pixels.height());
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(pixels);
        picture.fill(Qt::transparent);
        QPainter render(&picture);
        render.setRenderHint(QPainter::Antialiasing);
        rendererFor(m_source)->render(&render, QRectF(QPointF(0, 0), QSizeF(pixels)));
        render.end();
        QPixmapCache::insert(key, picture);
    }
    picture.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}
