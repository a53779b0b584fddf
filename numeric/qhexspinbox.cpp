#include "qhexspinbox.h"

#include <QLineEdit>
#include <QRegExp>
#include <QRegExpValidator>

QHexSpinBox::QHexSpinBox()
    : QSpinBox(nullptr)
    , m_validator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9A-Fa-f]{1,8}")), this))
{
    setRange(0, 255);
    // The spin box writes its editor only once shown; hosts may read text() before that.
    lineEdit()->setText(textFromValue(value()));
}

QHexSpinBox::~QHexSpinBox() = default;

QValidator::State QHexSpinBox::validate(QString &text, int &pos) const
{
    Q_UNUSED(pos)
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    if (!ok)
        return QValidator::Invalid;
    if (value < minimum())
        return QValidator::Intermediate;
    if (value > maximum())
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

void QHexSpinBox::fixup(QString &text) const
{
    if (text.size() >= 2 && (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        text.remove(0, 2);
}

QString QHexSpinBox::textFromValue(int value) const
{
    return QString::number(value, 16).toUpper();
}

int QHexSpinBox::valueFromText(const QString &text) const
{
    return text.toInt(nullptr, 16);
}

void QHexSpinBox::wheelEvent(QWheelEvent *)
{
}
