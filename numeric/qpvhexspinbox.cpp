#include "qpvhexspinbox.h"

#include <QLineEdit>

QPVHexSpinBox::QPVHexSpinBox()
{
    lineEdit()->setText(textFromValue(value()));
}

QPVHexSpinBox::~QPVHexSpinBox() = default;

QString QPVHexSpinBox::textFromValue(int value) const
{
    // QString::arg() would print a negative number in a non-decimal base as 64-bit two's
    // complement, which does not read back; pad the magnitude and keep the sign in front.
    const qint64 v = value;
    const QString digits = QStringLiteral("%1").arg(qAbs(v), 4, 16, QLatin1Char('0')).toUpper();
    return v < 0 ? QLatin1Char('-') + digits : digits;
}
