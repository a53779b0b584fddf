// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT
#ifndef WIDGETDECKTEXT_P_H
#define WIDGETDECKTEXT_P_H

#include <QString>

namespace WidgetDeckText {

/// The part of @p now that an edit of @p before inserted (all of @p now without a before);
/// validators judge this, not the whole text, so a text the host set cannot unlock keystrokes.
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

} // namespace WidgetDeckText

#endif
