#include "qnowheeldatetimeedit.h"

QNoWheelDateTimeEdit::QNoWheelDateTimeEdit(QWidget *parent, QDateTime dateTime)
    : QDateTimeEdit(dateTime, parent)
{
}

QNoWheelDateTimeEdit::~QNoWheelDateTimeEdit() = default;

void QNoWheelDateTimeEdit::wheelEvent(QWheelEvent *e)
{
    Q_UNUSED(e)
}
