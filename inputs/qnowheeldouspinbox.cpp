// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnowheeldouspinbox.h"

#include <QPointer>

class QNoWheelDouSpinBoxPrivate
{
public:
    // Qt's key handling goes on using the spin box after editingFinished; the report
    // waits until that handling is over.
    int eventDepth = 0;
    bool pending = false;
};

QNoWheelDouSpinBox::QNoWheelDouSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
    , d(new QNoWheelDouSpinBoxPrivate)
{
    // WheelFocus would let a scrolling user land in the box.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QDoubleSpinBox::editingFinished, this, &QNoWheelDouSpinBox::Slotvalidate);
}

QNoWheelDouSpinBox::~QNoWheelDouSpinBox() = default;

void QNoWheelDouSpinBox::Slotvalidate()
{
    // editingFinished after a focus change arrives when the focus has already gone.
    if (!hasFocus())
        return;
    if (d->eventDepth > 0)
        d->pending = true;
    else
        Q_EMIT sigCurVal(value());
}

bool QNoWheelDouSpinBox::event(QEvent *e)
{
    QPointer<QNoWheelDouSpinBox> guard(this);
    ++d->eventDepth;
    const bool result = QDoubleSpinBox::event(e);
    if (!guard || --d->eventDepth > 0 || !d->pending)
        return result;
    d->pending = false;
    Q_EMIT sigCurVal(value());
    return result;
}

void QNoWheelDouSpinBox::wheelEvent(QWheelEvent *e)
{
    Q_UNUSED(e)
}
