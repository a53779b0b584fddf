#include "qnowheelcombobox.h"

QNoWheelComboBox::QNoWheelComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

QNoWheelComboBox::~QNoWheelComboBox() = default;

void QNoWheelComboBox::wheelEvent(QWheelEvent *e)
{
    Q_UNUSED(e)
}
