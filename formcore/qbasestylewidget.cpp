// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qbasestylewidget.h"

#include <QPainter>
#include <QStyleOption>

QBaseStyleWidget::QBaseStyleWidget(QWidget *parent)
    : QWidget(parent)
{
}

QBaseStyleWidget::~QBaseStyleWidget() = default;

void QBaseStyleWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
