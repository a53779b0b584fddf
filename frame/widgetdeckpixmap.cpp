// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckpixmap_p.h"

namespace WidgetDeckPrivate {

QPixmap loadPixmap(const QString &path, qreal ratio)
{
    QPixmap pixmap;
    if (ratio > 1.0 && !path.isEmpty() && pixmap.load(path + QStringLiteral("@2x"))) {
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    pixmap.load(path);
    return pixmap;
}

} // namespace WidgetDeckPrivate
