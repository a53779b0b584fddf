// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcustomlineedit.h"

#include "widgetdeckaccessiblenames_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

class QCustomLineEditPrivate
{
public:
    QPointer<QLineEdit> lineEdit;
    QPointer<QLabel> unitLabel;
    WidgetDeckPrivate::AccessibleNames *names = nullptr;
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

    // The field is named after the host's label for the whole, else after its unit; the unit
    // describes it.
    d->names = new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &namer) {
        const QString unit = d->unitLabel ? d->unitLabel->text() : QString();
        const QString name = namer.ownerName(unit.isEmpty() ? tr("STR_VALUE") : unit);
        if (!d->lineEdit)
            return;
        WidgetDeckPrivate::AccessibleNames::setName(d->lineEdit, name);
        const QString description = name == unit ? QString() : unit;
        if (d->lineEdit->accessibleDescription() != description)
            d->lineEdit->setAccessibleDescription(description);
    });
    d->names->watchFocus(d->lineEdit);
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
    d->names->refresh();
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
