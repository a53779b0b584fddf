// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qwindowdragger.h"
#include "formcorelogging_p.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {
// Qt 6 reports mouse positions as floating-point; the drag works in whole pixels.
QPoint globalPoint(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

QPoint localPoint(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}
} // namespace

class QWindowDraggerPrivate
{
public:
    QWidget *window = nullptr;
    QPoint dragOffset;
    int bandHeight = 0;
    bool dragging = false;

    bool inDragArea(const QPoint &pos) const { return bandHeight <= 0 || pos.y() < bandHeight; }
    bool start(const QMouseEvent *event);
};

bool QWindowDraggerPrivate::start(const QMouseEvent *event)
{
    // The compositor (Wayland) or window manager (X11) moves the window where it can: a
    // Wayland client cannot place its own windows. Offscreen or without such support the
    // platform says no, and the dragger follows the pointer itself.
    QWindow *handle = window->isWindow() ? window->windowHandle() : nullptr;
    // Some window managers leave Qt's idea of a frameless window's position stale; the press
    // tells the true one, and a system move from a stale one would make the window jump.
    const QPoint actual = globalPoint(event) - localPoint(event);
    if (handle && actual != window->geometry().topLeft())
        handle->setPosition(actual);
    const bool accepted = handle && handle->startSystemMove();
    qCDebug(lcFormCore) << "startSystemMove" << accepted;
    // After a system move the window manager holds the pointer grab: no release may follow.
    dragging = !accepted;
    dragOffset = globalPoint(event) - window->pos();
    return accepted;
}

QWindowDragger::QWindowDragger(QWidget *window)
    : QObject(window)
    , d(new QWindowDraggerPrivate)
{
    setObjectName(QStringLiteral("windowDragger"));
    d->window = window;
    window->installEventFilter(this);
}

QWindowDragger::~QWindowDragger() = default;

void QWindowDragger::setBandHeight(int height)
{
    d->bandHeight = qMax(0, height);
}

int QWindowDragger::bandHeight() const
{
    return d->bandHeight;
}

bool QWindowDragger::isDragging() const
{
    return d->dragging;
}

bool QWindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != d->window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !d->inDragArea(localPoint(mouse)))
            return false;
        d->start(mouse);
        mouse->accept();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!d->dragging || !(mouse->buttons() & Qt::LeftButton))
            return false;
        d->window->move(globalPoint(mouse) - d->dragOffset);
        mouse->accept();
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Hide:
        // A double click in the band must not leave a drag running that no release ends.
        d->dragging = false;
        return false;
    default:
        return false;
    }
}
