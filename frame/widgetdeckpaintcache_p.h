// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKPAINTCACHE_P_H
#define WIDGETDECKPAINTCACHE_P_H

#include <QImage>
#include <QVector>

#include <functional>

class QPainter;
class QRegion;
class QSize;

namespace WidgetDeckPrivate {

/// A widget's own painting (a frame and its dots) kept as an image for the repaints its
/// children cause: Qt repaints the parent beneath a child that is not opaque, and a rounded
/// outline costs its whole length however small the repaint.
class PaintCache
{
public:
    /// Makes the image anew through @p paint, which draws the whole widget, unless it was made
    /// for the same @p key (whatever the painting depends on), @p size and @p ratio.
    void ensure(const QVector<qint64> &key, const QSize &size, qreal ratio,
                const std::function<void(QPainter &)> &paint);
    /// Copies @p region from the image onto @p painter and returns true, where that gives the
    /// very pixels painting would: only opaque pixels, 1:1 onto a raster device.
    bool copy(QPainter &painter, const QRegion &region) const;
    /// Forgets the image, for a change the key does not hold (a style sheet, say).
    void clear();

private:
    QImage m_image;
    QVector<qint64> m_key;
};

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKPAINTCACHE_P_H
