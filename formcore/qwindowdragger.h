// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QWINDOWDRAGGER_H
#define QWINDOWDRAGGER_H

#include "formcore_export.h"

#include <QObject>

#include <memory>

class QWidget;
class QWindowDraggerPrivate;

/// Moves a frameless window when the user drags it with the left button: the window manager
/// or compositor moves it where the platform offers that, the dragger follows the pointer
/// otherwise. Owned by the window it watches.
class FORMCORE_EXPORT QWindowDragger : public QObject
{
    Q_OBJECT
public:
    /// Watches @p window, which becomes the dragger's parent; a press anywhere in it drags.
    explicit QWindowDragger(QWidget *window);
    /// Stops watching the window.
    ~QWindowDragger() override;

    /// Limits the drag area to the band of @p height pixels along the window's top edge;
    /// 0 or less makes the whole window the drag area.
    void setBandHeight(int height);
    /// Height of the drag band; 0 when the whole window drags.
    int bandHeight() const;
    /// True while the dragger itself follows the pointer (not while the platform moves the window).
    bool isDragging() const;

protected:
    /// Starts, follows and ends drags from the window's mouse events.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<QWindowDraggerPrivate> const d;
};

#endif // QWINDOWDRAGGER_H
