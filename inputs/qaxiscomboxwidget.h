// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QAXISCOMBOXWIDGET_H
#define QAXISCOMBOXWIDGET_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

#include <memory>

class QAxisComBoxWidgetPrivate;

/// Fixed-size axis selector offering "X", or "X", "Y" and "Z" for devices with several axes.
/// If a host deletes the inner combo box, updateAxis() does nothing and getAxisIndex() gives -1.
class WIDGETDECK_EXPORT QAxisComBoxWidget : public QBaseStyleWidget
{
    Q_OBJECT
    /// The current axis index (-1 while nothing is offered).
    Q_PROPERTY(int axisIndex READ getAxisIndex)
public:
    /// Builds the selector with an empty combo box ("AXIS_COMBOBOX").
    explicit QAxisComBoxWidget(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QAxisComBoxWidget() override;

    /// Offers "X" for fewer than two axes, otherwise "X", "Y", "Z"; "X" becomes current.
    void updateAxis(int axisCount);
    /// The current index (-1 while nothing is offered).
    int getAxisIndex();

private:
    std::unique_ptr<QAxisComBoxWidgetPrivate> const d;
};

#endif // QAXISCOMBOXWIDGET_H
