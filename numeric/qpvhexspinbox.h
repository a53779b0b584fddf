// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QPVHEXSPINBOX_H
#define QPVHEXSPINBOX_H

#include "qhexspinbox.h"

/// Hexadecimal spin box that always shows at least four digits (0 shows as 0000).
/// Internal: the fields of QMultiHexSpinBox.
class QPVHexSpinBox : public QHexSpinBox
{
    Q_OBJECT
public:
    /// A hexadecimal spin box whose text is padded to four digits from the start.
    explicit QPVHexSpinBox(QWidget *parent = nullptr);
    ~QPVHexSpinBox() override;

protected:
    /// Upper-case hexadecimal pattern padded with zeros to four digits.
    QString textFromValue(int value) const override;
};

#endif // QPVHEXSPINBOX_H
