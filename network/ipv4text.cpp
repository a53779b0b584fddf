// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "ipv4text_p.h"

namespace WidgetDeckNet {

QStringList ipv4Groups(const QString &text)
{
    const QStringList groups = text.split(QLatin1Char('.'));
    if (groups.size() != 4)
        return QStringList();
    for (const QString &group : groups) {
        if (group.isEmpty() || group.size() > 3)
            return QStringList();
        // Only ASCII digits: QChar::isDigit() would also let other scripts' digits through.
        for (const QChar c : group)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QStringList();
    }
    return groups;
}

QString canonicalIPv4(const QString &text)
{
    QStringList groups = ipv4Groups(text);
    if (groups.isEmpty())
        return QString();
    for (QString &group : groups) {
        const int value = group.toInt();
        if (value > 255)
            return QString();
        group = QString::number(value);
    }
    return groups.join(QLatin1Char('.'));
}

} // namespace WidgetDeckNet
