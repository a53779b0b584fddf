#include "qmycombobox.h"

QMyCombobox::QMyCombobox(QWidget *parent)
    : QComboBox(parent)
{
}

QMyCombobox::~QMyCombobox() = default;

void QMyCombobox::hidePopup()
{
    Q_EMIT sigHidePopup();
    QComboBox::hidePopup();
}
