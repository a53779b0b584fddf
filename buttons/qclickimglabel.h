// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCLICKIMGLABEL_H
#define QCLICKIMGLABEL_H

#include "widgetdeck_export.h"

#include <QLabel>

/// Label (usually showing an image) that reports a left press and a double click.
class WIDGETDECK_EXPORT QClickImgLabel : public QLabel
{
    Q_OBJECT
public:
    /// Creates the label owned by @p parent.
    explicit QClickImgLabel(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QClickImgLabel() override;

Q_SIGNALS:
    /// The left mouse button was pressed on the label.
    void SigClicked();
    /// The label was double-clicked with any button.
    void SigOk();

protected:
    /// Emits SigClicked() for a left press, then hands the event to QLabel.
    void mousePressEvent(QMouseEvent *e) override;
    /// Emits SigOk(); the label's own handling is skipped.
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};

#endif // QCLICKIMGLABEL_H
