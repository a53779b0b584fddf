// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qmycombobox.h"

#include <QPointer>

class QMyComboboxPrivate
{
public:
    bool announcing = false;
};

QMyCombobox::QMyCombobox(QWidget *parent)
    : QComboBox(parent)
    , d(new QMyComboboxPrivate)
{
}

QMyCombobox::~QMyCombobox() = default;

void QMyCombobox::hidePopup()
{
    if (d->announcing) {
        QComboBox::hidePopup();
        return;
    }
    QPointer<QMyCombobox> guard(this);
    d->announcing = true;
    Q_EMIT sigHidePopup();
    if (!guard)
        return;
    d->announcing = false;
    QComboBox::hidePopup();
}
