// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qclickradiobutton.h"

#include <QKeyEvent>
#include <QMouseEvent>

QClickRadioButton::QClickRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
}

QClickRadioButton::~QClickRadioButton() = default;

void QClickRadioButton::mousePressEvent(QMouseEvent *e)
{
    // The owner decides the selection, so the press is not handed on: the button is
    // never pressed, and therefore never toggled, by the mouse.
    if (e->button() == Qt::LeftButton)
        Q_EMIT SigClicked();
}

void QClickRadioButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    Q_UNUSED(e)
    Q_EMIT SigOk();
}

namespace {
bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}
} // namespace

void QClickRadioButton::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        e->accept();
        if (!e->isAutoRepeat())
            Q_EMIT SigClicked();
        return;
    }
    if (isArrow(e->key())) {
        // The owner of the group moves the selection.
        e->ignore();
        return;
    }
    QRadioButton::keyPressEvent(e);
}

void QClickRadioButton::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space || isArrow(e->key())) {
        e->accept();
        return;
    }
    QRadioButton::keyReleaseEvent(e);
}

bool QClickRadioButton::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Space) {
            e->accept();
            return true;
        }
    }
    return QRadioButton::event(e);
}
