// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcustombutton.h"
#include "widgetdeckbuttonkeys_p.h"
#include "widgetdeckelide_p.h"
#include "widgetdeckeventhook_p.h"


QCustomButton::QCustomButton(QWidget *parent, const QString &text)
    : QPushButton(parent)
{
    setMinimumSize(95, 35);
    setText(text);
    setToolTip(text);
    // Not a dialog's default behind the host's back; Return/Enter still click it when focused.
    setAutoDefault(false);
    WidgetDeckPrivate::claimButtonKeys(this);
    // Elided rather than clipped; a subclass of the host's with its own paintEvent() keeps it.
    WidgetDeckPrivate::hookEvent(this, QEvent::Paint, [this](QEvent *) {
        if (metaObject() != &QCustomButton::staticMetaObject)
            return false;
        WidgetDeckElide::paintPushButton(this);
        return true;
    });
}

QCustomButton::~QCustomButton() = default;

void QCustomButton::setButtonToolTipBtnText()
{
    setToolTip(text());
}
