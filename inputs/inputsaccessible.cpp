// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Accessible interfaces of the input wrappers.
#include "qpresslabel.h"
#include "widgetdeckaccessible_p.h"

QAccessibleInterface *WidgetDeckAccessible::inputsInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QPressLabel"))
        return new PressLabel(static_cast<QLabel *>(object),
                              [](QLabel *label) { Q_EMIT static_cast<QPressLabel *>(label)->SigMousePress(); });
    return nullptr;
}
