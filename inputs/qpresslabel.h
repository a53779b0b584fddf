// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QPRESSLABEL_H
#define QPRESSLABEL_H

#include "widgetdeck_export.h"

#include <QLabel>

/// Label that reports a left mouse press, or Space, Return or Enter while it has the
/// focus (it takes the focus by click and Tab); shows the pointing-hand cursor.
class WIDGETDECK_EXPORT QPressLabel : public QLabel
{
    Q_OBJECT
public:
    /// Creates the label owned by @p parent.
    explicit QPressLabel(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QPressLabel() override;

Q_SIGNALS:
    /// The left mouse button, or Space, Return or Enter, was pressed on the label.
    void SigMousePress();

protected:
    /// Emits SigMousePress() for a left press; the label's own handling is skipped.
    void mousePressEvent(QMouseEvent *e) override;
    /// Emits SigMousePress() for Space, Return and Enter.
    void keyPressEvent(QKeyEvent *e) override;
    /// Claims Space, Return and Enter from host shortcuts while the label has the focus.
    bool event(QEvent *e) override;
};

#endif // QPRESSLABEL_H
