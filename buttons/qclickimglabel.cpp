// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qclickimglabel.h"

#include <QMouseEvent>
#include <QPointer>

QClickImgLabel::QClickImgLabel(QWidget *parent)
    : QLabel(parent)
{
}

QClickImgLabel::~QClickImgLabel() = default;

void QClickImgLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        const QPointer<QClickImgLabel> guard(this);
        Q_EMIT SigClicked();
        if (!guard)
            return;
    }
    QLabel::mousePressEvent(e);
}

void QClickImgLabel::mouseDoubleClickEvent(QMouseEvent *e)
{
    Q_UNUSED(e)
    Q_EMIT SigOk();
}
