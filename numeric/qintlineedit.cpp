// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qintlineedit.h"

#include <QIntValidator>

#include <QPointer>

#include <limits>

class QIntLineEditPrivate
{
public:
    // Weak: a host may delete the validator it reaches through QLineEdit::validator().
    QPointer<QIntValidator> validator;
};

QIntLineEdit::QIntLineEdit(QWidget *parent, int min, int max)
    : QLineEdit(parent)
    , d(new QIntLineEditPrivate)
{
    setObjectName(QStringLiteral("RANGEEDIT"));
    setRange(min, max);
}

QIntLineEdit::~QIntLineEdit() = default;

void QIntLineEdit::setRange(int min, int max)
{
    if (!d->validator) {
        d->validator = new QIntValidator(this);
        d->validator->setObjectName(QStringLiteral("rangeValidator"));
    }
    d->validator->setRange(min, max);
    setValidator(d->validator);
}

// Read from whatever integer validator is installed, so a host's replacement reports its range.
int QIntLineEdit::minimum() const
{
    const auto *range = qobject_cast<const QIntValidator *>(validator());
    return range ? range->bottom() : std::numeric_limits<int>::min();
}

int QIntLineEdit::maximum() const
{
    const auto *range = qobject_cast<const QIntValidator *>(validator());
    return range ? range->top() : std::numeric_limits<int>::max();
}

void QIntLineEdit::setMinimum(int min)
{
    setRange(min, qMax(min, maximum()));
}

void QIntLineEdit::setMaximum(int max)
{
    setRange(qMin(minimum(), max), max);
}
