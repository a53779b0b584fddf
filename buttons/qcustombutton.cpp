#include "qcustombutton.h"

QCustomButton::QCustomButton(QWidget *parent, const QString &text)
    : QPushButton(parent)
{
    setMinimumSize(95, 35);
    setText(text);
    setToolTip(text);
}

QCustomButton::~QCustomButton() = default;

void QCustomButton::setButtonToolTipBtnText()
{
    setToolTip(text());
}
