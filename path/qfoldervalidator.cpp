// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qfoldervalidator.h"

#include "pathlogging_p.h"

namespace {
const QString ForbiddenChars = QStringLiteral("\\/:*?\"<>|");

// The part of @p now that an edit of @p before inserted (all of @p now without a before).
QString insertedPart(const QString *before, const QString &now)
{
    if (!before)
        return now;
    const int shorter = qMin(before->size(), now.size());
    int head = 0;
    while (head < shorter && before->at(head) == now.at(head))
        ++head;
    int tail = 0;
    while (tail < shorter - head && before->at(before->size() - 1 - tail) == now.at(now.size() - 1 - tail))
        ++tail;
    return now.mid(head, now.size() - head - tail);
}
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
    const QString inserted = insertedPart(d->seen ? &d->last : nullptr, input);
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
