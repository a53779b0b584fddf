// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QNOWHEELCOMBOBOX_H
#define QNOWHEELCOMBOBOX_H

#include "widgetdeck_export.h"

#include <QComboBox>

/// Combo box that ignores the mouse wheel, so scrolling a form never changes its choice;
/// it takes the focus by click and Tab only, never by the wheel.
class WIDGETDECK_EXPORT QNoWheelComboBox : public QComboBox
{
    Q_OBJECT
public:
    /// Creates the box owned by @p parent.
    explicit QNoWheelComboBox(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QNoWheelComboBox() override;

protected:
    /// Does nothing.
    void wheelEvent(QWheelEvent *e) override;
};

#endif // QNOWHEELCOMBOBOX_H
