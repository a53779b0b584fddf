// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QROTATEPUSHBUTTON_H
#define QROTATEPUSHBUTTON_H

#include "widgetdeck_export.h"

#include <QPushButton>

/// Tall, narrow push button (30 x 150) whose caption runs top to bottom. Not auto-default;
/// focused, it answers Space, Return and Enter with a click.
class WIDGETDECK_EXPORT QRotatePushButton : public QPushButton
{
    Q_OBJECT
public:
    /// Creates the button with caption @p text and its fixed size.
    explicit QRotatePushButton(QWidget *parent = nullptr, QString text = QString());
    /// Destroys the widget together with the children it created.
    ~QRotatePushButton() override;

protected:
    /// Paints the bevel of a captionless button, then the caption turned by 90 degrees.
    void paintEvent(QPaintEvent *event) override;
};

#endif // QROTATEPUSHBUTTON_H
