// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckpaintcache_p.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTransform>

#include <cmath>

namespace WidgetDeckPrivate {

void PaintCache::ensure(const QVector<qint64> &key, const QSize &size, qreal ratio,
                        const std::function<void(QPainter &)> &paint)
{
    const QSize pixels = size * ratio;
    if (!m_image.isNull() && m_key == key && m_image.size() == pixels && m_image.devicePixelRatio() == ratio)
        return;
    m_key = key;
    m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (m_image.isNull())
        return;
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::transparent);
    QPainter painter(&m_image);
    paint(painter);
}

bool PaintCache::copy(QPainter &painter, const QRegion &region) const
{
    if (m_image.isNull() || !painter.paintEngine() || painter.paintEngine()->type() != QPaintEngine::Raster
        || painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    // Only a whole ratio and a whole-pixel offset map the image's pixels one to one.
    const qreal ratio = m_image.devicePixelRatio();
    const QTransform device = painter.deviceTransform();
    if (ratio != std::round(ratio) || device.type() > QTransform::TxScale || device.m11() != ratio
        || device.m22() != ratio || device.dx() != std::round(device.dx()) || device.dy() != std::round(device.dy()))
        return false;

    const int scale = int(ratio);
    const QRect bounds(QPoint(0, 0), m_image.size() / scale);
    const QRegion wanted = region & bounds;
    if (wanted.isEmpty() || wanted != region)
        return false;
    // A pixel that is not opaque would be blended with what lies beneath: paint those anew.
    for (const QRect &rect : wanted) {
        for (int y = rect.top() * scale; y < (rect.bottom() + 1) * scale; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
            for (int x = rect.left() * scale; x < (rect.right() + 1) * scale; ++x) {
                if (qAlpha(line[x]) != 255)
                    return false;
            }
        }
    }
    for (const QRect &rect : wanted)
        painter.drawImage(QRectF(rect), m_image, QRectF(rect.topLeft() * scale, rect.size() * scale));
    return true;
}

void PaintCache::clear()
{
    m_image = QImage();
    m_key.clear();
}

} // namespace WidgetDeckPrivate
