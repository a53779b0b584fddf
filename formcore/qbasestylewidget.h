// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QBASESTYLEWIDGET_H
#define QBASESTYLEWIDGET_H

#include "formcore_export.h"

#include <QWidget>

/// Widget that paints its background through the style, so that application style sheets
/// addressing its object name (for example "#TOOLWID") take effect on a plain subclass.
class FORMCORE_EXPORT QBaseStyleWidget : public QWidget
{
    Q_OBJECT
public:
    /// Creates the widget owned by @p parent.
    explicit QBaseStyleWidget(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QBaseStyleWidget() override;

protected:
    /// Draws the style-sheet background (PE_Widget) and nothing else.
    void paintEvent(QPaintEvent *event) override;
};

#endif // QBASESTYLEWIDGET_H
