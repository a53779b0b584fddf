#include "qclickradiobutton.h"

#include <QMouseEvent>

QClickRadioButton::QClickRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
}

QClickRadioButton::~QClickRadioButton() = default;

void QClickRadioButton::mousePressEvent(QMouseEvent *e)
{
    // The owner decides the selection, so the press is not handed on: the button is
    // never pressed, and therefore never toggled, by the mouse.
    if (e->button() == Qt::LeftButton)
        Q_EMIT SigClicked();
}

void QClickRadioButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    Q_UNUSED(e)
    Q_EMIT SigOk();
}
