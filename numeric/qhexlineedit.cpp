// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhexlineedit.h"

#include "qhexvalidator.h"

#include <QKeyEvent>

#include <cctype>
#include <limits>
#include <QPointer>

class QHexLineEditPrivate
{
public:
    // Weak: a host may delete the validator it reaches through QLineEdit::validator().
    QPointer<QHexValidator> validator;
};

QHexLineEdit::QHexLineEdit(QWidget *parent, int min, int max)
    : QLineEdit(parent)
    , d(new QHexLineEditPrivate)
{
    setObjectName(QStringLiteral("RANGEEDIT"));
    setRange(min, max);
}

QHexLineEdit::~QHexLineEdit() = default;

void QHexLineEdit::setRange(int min, int max)
{
    if (!d->validator) {
        d->validator = new QHexValidator(this);
        d->validator->setObjectName(QStringLiteral("rangeValidator"));
    }
    d->validator->setRange(min, max);
    setValidator(d->validator);
}

void QHexLineEdit::keyPressEvent(QKeyEvent *event)
{
    // QLineEdit stops reverting refused edits once the program has set a text the validator
    // refuses ("0x1F", "C:/data"); refuse such keystrokes here instead.
    const QString typed = event->text();
    if (!isReadOnly() && !typed.isEmpty() && typed.at(0).isPrint()) {
        for (const QChar c : typed) {
            if (!std::isxdigit(c.unicode() < 0x80 ? c.unicode() : 'g')) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Read from whatever integer validator is installed, so a host's replacement reports its range.
int QHexLineEdit::minimum() const
{
    const auto *range = qobject_cast<const QIntValidator *>(validator());
    return range ? range->bottom() : std::numeric_limits<int>::min();
}

int QHexLineEdit::maximum() const
{
    const auto *range = qobject_cast<const QIntValidator *>(validator());
    return range ? range->top() : std::numeric_limits<int>::max();
}

void QHexLineEdit::setMinimum(int min)
{
    setRange(min, qMax(min, maximum()));
}

void QHexLineEdit::setMaximum(int max)
{
    setRange(qMin(minimum(), max), max);
}
