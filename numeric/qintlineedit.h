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
    /// Lowest accepted value; raising it above the maximum raises the maximum too.
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    /// Highest accepted value; lowering it below the minimum lowers the minimum too.
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
public:
    /// Builds the editor accepting @p min to @p max.
    explicit QIntLineEdit(QWidget *parent = nullptr, int min = 0, int max = 9999);
    /// Destroys the widget together with the children it created.
    ~QIntLineEdit() override;

    /// Changes the accepted range; the text already in the editor is not checked again.
    void setRange(int min, int max);
    /// Bottom of the integer validator on the edit (a host's own included); INT_MIN without one.
    int minimum() const;
    /// Top of the integer validator on the edit; INT_MAX without one.
    int maximum() const;
    /// setRange(min, qMax(min, maximum())), as QSpinBox::setMinimum() does.
    void setMinimum(int min);
    /// setRange(qMin(minimum(), max), max), as QSpinBox::setMaximum() does.
    void setMaximum(int max);

private:
    std::unique_ptr<QIntLineEditPrivate> const d;
};

#endif // QINTLINEEDIT_H
