// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qpresslabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
bool isPressKey(const QKeyEvent *e)
{
    if (e->modifiers() & ~Qt::KeypadModifier)
        return false;
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}
} // namespace

QPressLabel::QPressLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    // Keyboard users press it like a button.
    setFocusPolicy(Qt::StrongFocus);
}

QPressLabel::~QPressLabel() = default;

void QPressLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        Q_EMIT SigMousePress();
}

void QPressLabel::keyPressEvent(QKeyEvent *e)
{
    if (isPressKey(e)) {
        // A held key presses once; its repeats must not reach the host dialog either.
        e->accept();
        if (!e->isAutoRepeat())
            Q_EMIT SigMousePress();
        return;
    }
    QLabel::keyPressEvent(e);
}

bool QPressLabel::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride && isPressKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    return QLabel::event(e);
}
