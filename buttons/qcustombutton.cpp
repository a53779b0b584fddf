// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcustombutton.h"
#include "widgetdeckbuttonkeys_p.h"
#include "widgetdeckelide_p.h"

#include <QStyleOptionButton>

QCustomButton::QCustomButton(QWidget *parent, const QString &text)
    : QPushButton(parent)
{
    setMinimumSize(95, 35);
    setText(text);
    setToolTip(text);
    // Not a dialog's default behind the host's back; Return/Enter still click it when focused.
    setAutoDefault(false);
    WidgetDeckPrivate::claimButtonKeys(this);
}

QCustomButton::~QCustomButton() = default;

void QCustomButton::setButtonToolTipBtnText()
{
    setToolTip(text());
}

void QCustomButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    WidgetDeckElide::paintPushButton(this, option);
}
