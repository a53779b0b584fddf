// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QNOWHEELDOUSPINBOX_H
#define QNOWHEELDOUSPINBOX_H

#include "widgetdeck_export.h"

#include <QDoubleSpinBox>

#include <memory>

class QNoWheelDouSpinBoxPrivate;

/// Double spin box that ignores the mouse wheel (it takes the focus by click and Tab only) and reports a value only when an edit is
/// confirmed while it has the focus (Return or Enter), not when the focus leaves.
class WIDGETDECK_EXPORT QNoWheelDouSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    /// Creates the box owned by @p parent.
    explicit QNoWheelDouSpinBox(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QNoWheelDouSpinBox() override;

Q_SIGNALS:
    /// An edit was confirmed with the focus on the box; carries the value.
    void sigCurVal(double value);

public Q_SLOTS:
    /// Emits sigCurVal(value()) if the box has the keyboard focus.
    void Slotvalidate();

protected:
    /// Runs Qt's handling of @p e, then emits the sigCurVal() it raised, so a slot may delete the box.
    bool event(QEvent *e) override;
    /// Does nothing.
    void wheelEvent(QWheelEvent *e) override;

private:
    std::unique_ptr<QNoWheelDouSpinBoxPrivate> const d;
};

#endif // QNOWHEELDOUSPINBOX_H
