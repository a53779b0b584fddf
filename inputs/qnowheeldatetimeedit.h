// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QNOWHEELDATETIMEEDIT_H
#define QNOWHEELDATETIMEEDIT_H

#include "widgetdeck_export.h"

#include <QDateTimeEdit>

/// Date-time editor that ignores the mouse wheel; it takes the focus by click and Tab
/// only, never by the wheel.
class WIDGETDECK_EXPORT QNoWheelDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT
public:
    /// Creates the editor owned by @p parent, showing @p dateTime.
    QNoWheelDateTimeEdit(QWidget *parent, QDateTime dateTime);
    /// Creates the editor owned by @p parent, showing what a QDateTimeEdit starts with.
    explicit QNoWheelDateTimeEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QNoWheelDateTimeEdit() override;

protected:
    /// Does nothing.
    void wheelEvent(QWheelEvent *e) override;
};

#endif // QNOWHEELDATETIMEEDIT_H
