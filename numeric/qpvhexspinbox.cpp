// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qpvhexspinbox.h"

#include <QLineEdit>

QPVHexSpinBox::QPVHexSpinBox(QWidget *parent)
    : QHexSpinBox(parent)
{
    lineEdit()->setText(textFromValue(value()));
}

QPVHexSpinBox::~QPVHexSpinBox() = default;

QString QPVHexSpinBox::textFromValue(int value) const
{
    // The 32-bit pattern, so a negative value reads back through the base class.
    return QHexSpinBox::textFromValue(value).rightJustified(4, QLatin1Char('0'));
}
