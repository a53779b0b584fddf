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

/// True when an image reader would find something at @p path: the file itself or, for a name
/// without a suffix, the name with a format's suffix appended. Cheap where nothing is there.
bool imageAvailable(const QString &path);

/// The image at @p path, or a null pixmap without a load attempt when none is there: a failed
/// load of a suffix-less name probes every image format, at each construction.
QPixmap pixmapIfAvailable(const QString &path);

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKPIXMAP_P_H
