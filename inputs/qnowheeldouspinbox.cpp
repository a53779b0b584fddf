#include "qnowheeldouspinbox.h"

QNoWheelDouSpinBox::QNoWheelDouSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    connect(this, &QDoubleSpinBox::editingFinished, this, &QNoWheelDouSpinBox::Slotvalidate);
}

QNoWheelDouSpinBox::~QNoWheelDouSpinBox() = default;

void QNoWheelDouSpinBox::Slotvalidate()
{
    // editingFinished after a focus change arrives when the focus has already gone.
    if (hasFocus())
        Q_EMIT sigCurVal(value());
}

void QNoWheelDouSpinBox::wheelEvent(QWheelEvent *e)
{
    Q_UNUSED(e)
}
