// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef TST_WHEEL_H
#define TST_WHEEL_H

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

// One notch of the mouse wheel over the middle of @p w; negative turns towards the user.
inline void turnWheel(QWidget *w, int notches)
{
    const QPointF pos = w->rect().center();
    QWheelEvent event(pos, w->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

#endif // TST_WHEEL_H
