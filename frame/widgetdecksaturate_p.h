// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKSATURATE_P_H
#define WIDGETDECKSATURATE_P_H

#include <QtGlobal>

#include <climits>

namespace WidgetDeckPrivate {

/// @p value clamped into int: sums and differences of ints near the limits are done in
/// 64 bits and brought back with this instead of wrapping around.
constexpr int saturated(qint64 value)
{
    return value < qint64(INT_MIN) ? INT_MIN : value > qint64(INT_MAX) ? INT_MAX : int(value);
}

/// @p to - @p from without overflow (a full int range spans more than an int holds).
constexpr int saturatedDifference(int from, int to)
{
    return saturated(qint64(to) - from);
}

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKSATURATE_P_H
