// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qintlineedit.h"

#include <QIntValidator>

#include <QPointer>

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
