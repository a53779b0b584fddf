#include "qmycombobox.h"

#include <QPointer>

QMyCombobox::QMyCombobox(QWidget *parent)
    : QComboBox(parent)
{
}

QMyCombobox::~QMyCombobox() = default;

void QMyCombobox::hidePopup()
{
    QPointer<QMyCombobox> guard(this);
    Q_EMIT sigHidePopup();
    if (guard)
        QComboBox::hidePopup();
}
