// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QINTLINEEDIT_H
#define QINTLINEEDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

#include <memory>

class QIntLineEditPrivate;

/// Line edit that accepts only decimal whole numbers within a range. Object name "RANGEEDIT".
/// A host may replace or delete the validator (setValidator()); setRange() then installs a
/// fresh range validator of the edit's own.
class WIDGETDECK_EXPORT QIntLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    /// Builds the editor accepting @p min to @p max.
    explicit QIntLineEdit(QWidget *parent = nullptr, int min = 0, int max = 9999);
    /// Destroys the widget together with the children it created.
    ~QIntLineEdit() override;

    /// Changes the accepted range; the text already in the editor is not checked again.
    void setRange(int min, int max);

private:
    std::unique_ptr<QIntLineEditPrivate> const d;
};

#endif // QINTLINEEDIT_H
