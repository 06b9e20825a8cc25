// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/svgimage.h"

#include <QPainter>
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
    // Drawn from the vectors at every paint, so it is crisp at any screen scale.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    rendererFor(m_source)->render(&painter, QRectF(rect()));
}
