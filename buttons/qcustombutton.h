// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCUSTOMBUTTON_H
#define QCUSTOMBUTTON_H

#include "widgetdeck_export.h"

#include <QPushButton>

/// Push button whose caption doubles as its tool tip, so captions elided to fit stay readable.
/// It is not auto-default (a host makes it the default explicitly); focused, it answers
/// Space, Return and Enter with a click.
class WIDGETDECK_EXPORT QCustomButton : public QPushButton
{
    Q_OBJECT
public:
    /// Creates the button (at least 95 x 35) with @p text as caption and tool tip.
    explicit QCustomButton(QWidget *parent = nullptr, const QString &text = QString());
    /// Destroys the widget together with the children it created.
    ~QCustomButton() override;

    /// Copies the current caption into the tool tip.
    void setButtonToolTipBtnText();

protected:
    /// Paints the button with its caption elided at the right when it is wider than the button.
    void paintEvent(QPaintEvent *event) override;
};

#endif // QCUSTOMBUTTON_H
