// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckpixmap_p.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace WidgetDeckPrivate {

QPixmap loadPixmap(const QString &path, qreal ratio)
{
    if (ratio > 1.0 && !path.isEmpty()) {
        QPixmap large = pixmapIfAvailable(path + QStringLiteral("@2x"));
        if (!large.isNull()) {
            large.setDevicePixelRatio(2.0);
            return large;
        }
    }
    return pixmapIfAvailable(path);
}

bool imageAvailable(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists())
        return true;
    // QPixmap::load gives up on a missing name with a suffix; without one, the reader tries
    // the name with each format's suffix.
    if (!info.completeSuffix().isEmpty())
        return false;
    const QDir dir = info.dir();
    if (!dir.exists())
        return false;
    const QString name = info.fileName();
    const QStringList candidates =
        dir.entryList({name + QStringLiteral(".*")}, QDir::Files | QDir::CaseSensitive);
    if (candidates.isEmpty())
        return false;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QString &candidate : candidates) {
        if (formats.contains(candidate.mid(name.size() + 1).toLatin1()))
            return true;
    }
    return false;
}

QPixmap pixmapIfAvailable(const QString &path)
{
    return imageAvailable(path) ? QPixmap(path) : QPixmap();
}

} // namespace WidgetDeckPrivate
