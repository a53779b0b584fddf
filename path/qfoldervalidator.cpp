// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qfoldervalidator.h"
#include "widgetdecktext_p.h"

#include "pathlogging_p.h"

namespace {
const QString ForbiddenChars = QStringLiteral("\\/:*?\"<>|");

} // namespace

class QFolderValidatorPrivate
{
public:
    // The last text rated better than Invalid: what the next edit is compared with.
    QString last;
    bool seen = false;
};

QFolderValidator::QFolderValidator(QObject *parent)
    : QValidator(parent)
    , d(new QFolderValidatorPrivate)
{
}

QFolderValidator::~QFolderValidator() = default;

QValidator::State QFolderValidator::validate(QString &input, int &pos) const
{
    qCDebug(lcWidgetDeckPath).noquote() << input + QLatin1Char(':') + QString::number(pos);
    const auto clean = [this](const QString &text) {
        for (const QChar c : text) {
            if (!isStrValid(c))
                return false;
        }
        return true;
    };
    // Judge the edit, so a forbidden keystroke is refused whatever the program put in the
    // editor before; pasted or inserted text must not smuggle one in either.
    const QString inserted = WidgetDeckText::insertedPart(d->seen ? &d->last : nullptr, input);
    if (!clean(inserted))
        return Invalid;
    d->last = input;
    d->seen = true;
    if (input.isEmpty() || !clean(input))
        return Intermediate;
    return Acceptable;
}

bool QFolderValidator::isStrValid(QChar c) const
{
    return !ForbiddenChars.contains(c);
}
