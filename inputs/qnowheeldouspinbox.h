#ifndef QNOWHEELDOUSPINBOX_H
#define QNOWHEELDOUSPINBOX_H

#include "widgetdeck_export.h"

#include <QDoubleSpinBox>

/// Double spin box that ignores the mouse wheel and reports a value only when an edit is
/// confirmed while it has the focus (Return or Enter), not when the focus leaves.
class WIDGETDECK_EXPORT QNoWheelDouSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    /// Creates the box owned by @p parent.
    explicit QNoWheelDouSpinBox(QWidget *parent);
    /// Destroys the widget together with the children it created.
    ~QNoWheelDouSpinBox() override;

Q_SIGNALS:
    /// An edit was confirmed with the focus on the box; carries the value.
    void sigCurVal(double value);

public Q_SLOTS:
    /// Emits sigCurVal(value()) if the box has the keyboard focus.
    void Slotvalidate();

protected:
    /// Does nothing.
    void wheelEvent(QWheelEvent *e) override;
};

#endif // QNOWHEELDOUSPINBOX_H
