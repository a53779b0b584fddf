#include "qfoldervalidator.h"

#include <QDebug>

namespace {
const QString ForbiddenChars = QStringLiteral("\\/:*?\"<>|");
}

QFolderValidator::QFolderValidator(QObject *parent)
    : QValidator(parent)
{
}

QFolderValidator::~QFolderValidator() = default;

QValidator::State QFolderValidator::validate(QString &input, int &pos) const
{
    qDebug().noquote() << input + QLatin1Char(':') + QString::number(pos);
    // Every character is checked, not only the one just typed: pasted or inserted text
    // must not smuggle a forbidden character into the name.
    for (const QChar c : qAsConst(input)) {
        if (!isStrValid(c))
            return Invalid;
    }
    if (input.isEmpty() || pos <= 0)
        return Intermediate;
    if (pos <= input.size())
        qDebug().noquote() << input.at(pos - 1);
    return Acceptable;
}

bool QFolderValidator::isStrValid(QChar c) const
{
    return !ForbiddenChars.contains(c);
}
