// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhexvalidator.h"

#include "numericlogging_p.h"

class QHexValidatorPrivate
{
public:
    // The last text rated better than Invalid: what the next edit is compared with.
    QString last;
    bool seen = false;
};

QHexValidator::QHexValidator(QObject *parent)
    : QIntValidator(parent)
    , d(new QHexValidatorPrivate)
{
}

QHexValidator::~QHexValidator() = default;

QValidator::State QHexValidator::validate(QString &input, int &pos) const
{
    qCDebug(lcWidgetDeckNumeric) << input << ":" << pos;
    const auto plain = [this](const QString &text) {
        for (const QChar ch : text) {
            if (ch.unicode() >= 0x80 || !isStrValid(char(ch.unicode())))
                return false;
        }
        return true;
    };
    // Judge what the edit inserted, so that a refused keystroke stays refused whatever the
    // program put in the editor before; pasted text must be plain digits like typed text.
    const QString inserted = WidgetDeckText::insertedPart(d->seen ? &d->last : nullptr, input);
    if (!plain(inserted))
        return Invalid;

    State state = Acceptable;
    bool ok = false;
    const quint32 raw = input.toUInt(&ok, 16);
    if (input.isEmpty() || !plain(input)) {
        state = Intermediate;
    } else if (!ok) {
        return Invalid; // more than 32 bits
    } else {
        const qint64 value = bottom() < 0 ? qint64(qint32(raw)) : qint64(raw);
        if (value > top() && !(bottom() < 0 && input.size() < 8))
            return Invalid;
        if (value < bottom() || value > top())
            state = Intermediate;
    }
    d->last = input;
    d->seen = true;
    return state;
}

bool QHexValidator::isStrValid(char c) const
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
