// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnowheeldatetimeedit.h"

QNoWheelDateTimeEdit::QNoWheelDateTimeEdit(QWidget *parent, QDateTime dateTime)
    : QDateTimeEdit(dateTime, parent)
{
    // WheelFocus would let a scrolling user land in the editor.
    setFocusPolicy(Qt::StrongFocus);
}

QNoWheelDateTimeEdit::QNoWheelDateTimeEdit(QWidget *parent)
    : QDateTimeEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QNoWheelDateTimeEdit::~QNoWheelDateTimeEdit() = default;

void QNoWheelDateTimeEdit::wheelEvent(QWheelEvent *e)
{
    Q_UNUSED(e)
}
