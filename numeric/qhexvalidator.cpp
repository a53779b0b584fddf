#include "qhexvalidator.h"

#include <QDebug>

QHexValidator::QHexValidator(QObject *parent)
    : QIntValidator(parent)
{
}

QHexValidator::~QHexValidator() = default;

QValidator::State QHexValidator::validate(QString &input, int &pos) const
{
    qDebug() << input << ":" << pos;
    if (input.isEmpty() || pos <= 0)
        return Intermediate;

    const int before = qMin(pos, input.size()) - 1;
    const QChar typed = input.at(before);
    const char c = typed.unicode() < 0x80 ? char(typed.unicode()) : '?';
    qDebug() << c;
    if (!isStrValid(c))
        return Invalid;

    // toInt() would also take surrounding blanks, a sign or a "0x" prefix; pasted text must
    // be plain digits like typed text.
    for (const QChar ch : qAsConst(input)) {
        if (ch.unicode() >= 0x80 || !isStrValid(char(ch.unicode())))
            return Invalid;
    }

    bool ok = false;
    const int value = input.toInt(&ok, 16);
    if (!ok)
        return Invalid;
    if (value < bottom())
        return Intermediate;
    if (value > top())
        return Invalid;
    return Acceptable;
}

bool QHexValidator::isStrValid(char c) const
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
