// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnowheelcombobox.h"

QNoWheelComboBox::QNoWheelComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // WheelFocus would let a scrolling user land in the box.
    setFocusPolicy(Qt::StrongFocus);
}

QNoWheelComboBox::~QNoWheelComboBox() = default;

void QNoWheelComboBox::wheelEvent(QWheelEvent *e)
{
    Q_UNUSED(e)
}
