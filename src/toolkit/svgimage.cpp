// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/svgimage.h"

#include "toolkit/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <memory>
#include <unordered_map>

namespace {

// The words of the pictures, in the language of the program: each picture's
// texts are written in Italian and drawn through the translation.
[[maybe_unused]] constexpr const char *kParole[] = {
    QT_TRANSLATE_NOOP("Picture", "Radio a galena (1)"),
    QT_TRANSLATE_NOOP("Picture", "Radio a galena (2)"),
    QT_TRANSLATE_NOOP("Picture", "110 spire"),
    QT_TRANSLATE_NOOP("Picture", "auricolare a cristallo"),
    QT_TRANSLATE_NOOP("Picture", "terra"),
    QT_TRANSLATE_NOOP("Picture", "commut."),
    QT_TRANSLATE_NOOP("Picture", "con"),
    QT_TRANSLATE_NOOP("Picture", "prese"),
};

// The picture's source with the text of each <text> element translated.
QByteArray tradotto(const QString &source)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression testo(QStringLiteral("(<text[^>]*>)([^<]+)(</text>)"));
    QString risultato;
    qsizetype da = 0;
    for (QRegularExpressionMatchIterator i = testo.globalMatch(svg); i.hasNext();) {
        const QRegularExpressionMatch m = i.next();
        risultato += svg.mid(da, m.capturedStart(2) - da);
        risultato +=
            QCoreApplication::translate("Picture", m.captured(2).toUtf8().constData()).toHtmlEscaped();
        da = m.capturedEnd(2);
    }
    risultato += svg.mid(da);
    return risultato.toUtf8();
}

// One parsed picture per source and language, shared by every image that shows it.
QSvgRenderer *rendererFor(const QString &source)
{
    static std::unordered_map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    std::unique_ptr<QSvgRenderer> &renderer = renderers[source + QString::number(int(CurrentLanguage()))];
    if (!renderer)
        renderer = std::make_unique<QSvgRenderer>(tradotto(source));
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
    const QString key = QStringLiteral("svg:%1:%2:%3x%4")
                            .arg(m_source)
                            .arg(int(CurrentLanguage()))
                            .arg(pixels.width())
                            .arg(pixels.height());
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
