// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QHEXSPINBOX_H
#define QHEXSPINBOX_H

#include "widgetdeck_export.h"

#include <QSpinBox>

/// Integer spin box that shows and reads its value as upper-case hexadecimal without prefix:
/// the 32-bit two's-complement pattern, so -1 shows as "FFFFFFFF" and reads back as -1.
/// Range 0 to 255 unless the host changes it; the mouse wheel never changes the value or
/// gives the focus.
class WIDGETDECK_EXPORT QHexSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    /// Builds a parentless spin box with the range 0 to 255.
    QHexSpinBox();
    /// Builds the spin box under @p parent with the range 0 to 255 (the form of generated UI code).
    explicit QHexSpinBox(QWidget *parent);
    /// Destroys the widget together with the children it created.
    ~QHexSpinBox() override;

protected:
    /// Invalid for anything but one to eight hexadecimal digits and for values above the maximum;
    /// Intermediate below the minimum, or above the maximum while a negative pattern may still follow.
    QValidator::State validate(QString &text, int &pos) const override;
    /// Drops a leading "0x" or "0X".
    void fixup(QString &text) const override;
    /// Upper-case 32-bit hexadecimal pattern, no prefix, no padding.
    QString textFromValue(int value) const override;
    /// Reads the hexadecimal pattern; text that does not convert gives 0.
    int valueFromText(const QString &text) const override;
    /// Ignored, so scrolling a form never changes the value.
    void wheelEvent(QWheelEvent *event) override;
};

#endif // QHEXSPINBOX_H
