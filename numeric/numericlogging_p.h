// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef NUMERICLOGGING_P_H
#define NUMERICLOGGING_P_H

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcWidgetDeckNumeric)

namespace WidgetDeckHex {
/// The 32-bit two's-complement pattern of @p value, upper case ("FFFFFFFF" for -1).
inline QString text(int value)
{
    return QString::number(quint32(value), 16).toUpper();
}

/// The part of @p now that an edit of @p before inserted (all of @p now without a before).
inline QString insertedPart(const QString *before, const QString &now)
{
    if (!before)
        return now;
    const int shorter = qMin(before->size(), now.size());
    int head = 0;
    while (head < shorter && before->at(head) == now.at(head))
        ++head;
    int tail = 0;
    while (tail < shorter - head && before->at(before->size() - 1 - tail) == now.at(now.size() - 1 - tail))
        ++tail;
    return now.mid(head, now.size() - head - tail);
}
} // namespace WidgetDeckHex

#endif
