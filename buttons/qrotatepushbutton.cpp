// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qrotatepushbutton.h"
#include "widgetdeckbuttonkeys_p.h"
#include "widgetdeckelide_p.h"

#include <QStyleOptionButton>
#include <QStylePainter>

QRotatePushButton::QRotatePushButton(QWidget *parent, QString text)
    : QPushButton(text, parent)
{
    setFixedSize(30, 150);
    // A side strip's button is never a dialog's default; focused, Return/Enter click it.
    setAutoDefault(false);
    WidgetDeckPrivate::claimButtonKeys(this);
}

QRotatePushButton::~QRotatePushButton() = default;

void QRotatePushButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    // The caption is blanked in a copy of the style option only: changing the text
    // property here would schedule yet another repaint.
    QStylePainter bevel(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    bevel.drawControl(QStyle::CE_PushButton, option);
    bevel.end();

    QPainter painter(this);
    painter.rotate(90);
    painter.translate(0, -width());
    const QRect r = rect();
    // Along the button, a few pixels off its ends; a caption too long for them is elided.
    const QRect along = QRect(r.topLeft(), QSize(r.height(), r.width())).adjusted(4, 0, -4, 0);
    const QString shown = WidgetDeckElide::fitted(painter.fontMetrics(), text(), along.width());
    WidgetDeckElide::followElision(this, text(), shown != text());
    style()->drawItemText(&painter, along, Qt::AlignCenter, palette(), isEnabled(), shown, QPalette::ButtonText);
    painter.end();
}
