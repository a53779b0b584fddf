// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKPIXMAP_P_H
#define WIDGETDECKPIXMAP_P_H

#include <QPixmap>
#include <QString>

namespace WidgetDeckPrivate {

/// Loads the image at @p path for a widget drawn at device pixel ratio @p ratio: above 1 the
/// twice-as-large "@2x" variant beside it is used when there is one, so icons stay sharp.
QPixmap loadPixmap(const QString &path, qreal ratio);

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKPIXMAP_P_H
