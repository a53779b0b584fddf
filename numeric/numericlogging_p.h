// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef NUMERICLOGGING_P_H
#define NUMERICLOGGING_P_H

#include <QLoggingCategory>
#include <QString>

#include "widgetdecktext_p.h"

Q_DECLARE_LOGGING_CATEGORY(lcWidgetDeckNumeric)

namespace WidgetDeckHex {
/// The 32-bit two's-complement pattern of @p value, upper case ("FFFFFFFF" for -1).
inline QString text(int value)
{
    return QString::number(quint32(value), 16).toUpper();
}

} // namespace WidgetDeckHex

#endif
