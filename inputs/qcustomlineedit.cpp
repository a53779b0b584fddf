// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcustomlineedit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

class QCustomLineEditPrivate
{
public:
    QPointer<QLineEdit> lineEdit;
    QPointer<QLabel> unitLabel;
};

QCustomLineEdit::QCustomLineEdit(QWidget *parent)
    : QWidget(parent)
    , d(new QCustomLineEditPrivate)
{
    setBaseSize(100, 30);
    auto *layout = new QHBoxLayout(this);
    d->lineEdit = new QLineEdit(this);
    d->unitLabel = new QLabel(this);
    d->unitLabel->setObjectName(QStringLiteral("unitLabel"));
    d->unitLabel->setFixedWidth(40);
    layout->addWidget(d->lineEdit);
    layout->addWidget(d->unitLabel);
    d->lineEdit->setObjectName(QStringLiteral("FLOWDIAGRAM"));
    setFocusProxy(d->lineEdit);
}

QCustomLineEdit::~QCustomLineEdit() = default;

void QCustomLineEdit::setValue(const QString &value)
{
    if (d->lineEdit)
        d->lineEdit->setText(value);
}

QString QCustomLineEdit::value() const
{
    return d->lineEdit ? d->lineEdit->text() : QString();
}

void QCustomLineEdit::setUnit(const QString &unit)
{
    if (d->unitLabel)
        d->unitLabel->setText(unit);
}

QString QCustomLineEdit::unit() const
{
    return d->unitLabel ? d->unitLabel->text() : QString();
}

void QCustomLineEdit::setEnable(bool enable)
{
    if (d->lineEdit)
        d->lineEdit->setEnabled(enable);
}
