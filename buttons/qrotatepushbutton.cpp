// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qrotatepushbutton.h"
#include "widgetdeckbuttonkeys_p.h"

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
    painter.drawText(QRect(r.topLeft(), QSize(r.height(), r.width())), Qt::AlignCenter, text());
    painter.end();
}
