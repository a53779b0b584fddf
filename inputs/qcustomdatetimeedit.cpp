// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcustomdatetimeedit.h"

#include "qnowheeldatetimeedit.h"
#include "widgetdeckaccessiblenames_p.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>

class QCustomDateTimeEditPrivate
{
public:
    QPointer<QNoWheelDateTimeEdit> dateTimeEdit;
    QPointer<QPushButton> button;
};

QCustomDateTimeEdit::QCustomDateTimeEdit(QDateTime dateTime, QString text)
    : QWidget(nullptr)
    , d(new QCustomDateTimeEditPrivate)
{
    init(dateTime, text);
}

QCustomDateTimeEdit::QCustomDateTimeEdit(QWidget *parent)
    : QWidget(parent)
    , d(new QCustomDateTimeEditPrivate)
{
    init(QDateTime::currentDateTime(), QString());
}

QCustomDateTimeEdit::QCustomDateTimeEdit(const QDateTime &dateTime, const QString &text, QWidget *parent)
    : QWidget(parent)
    , d(new QCustomDateTimeEditPrivate)
{
    init(dateTime, text);
}

QCustomDateTimeEdit::~QCustomDateTimeEdit() = default;

void QCustomDateTimeEdit::init(const QDateTime &dateTime, const QString &text)
{
    d->dateTimeEdit = new QNoWheelDateTimeEdit(this, dateTime);
    d->dateTimeEdit->setObjectName(QStringLiteral("dateTimeEdit"));
    d->button = new QPushButton(text, this);
    d->button->setObjectName(QStringLiteral("pushButton"));
    // Return in the editor belongs to the host dialog, never to this button.
    d->button->setAutoDefault(false);
    setFocusProxy(d->dateTimeEdit);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->dateTimeEdit);
    layout->addWidget(d->button);

    // The button names itself by its caption; the editor is named after the host's label.
    auto *names = new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &namer) {
        WidgetDeckPrivate::AccessibleNames::setName(d->dateTimeEdit, namer.ownerName(tr("STR_DATE_TIME")));
    });
    names->watchFocus(d->dateTimeEdit);
}

QNoWheelDateTimeEdit *QCustomDateTimeEdit::getDateTimeEdit() const
{
    return d->dateTimeEdit;
}

QPushButton *QCustomDateTimeEdit::getPushButton() const
{
    return d->button;
}

void QCustomDateTimeEdit::setDisplayFormat(const QString &format)
{
    if (d->dateTimeEdit)
        d->dateTimeEdit->setDisplayFormat(format);
}

QString QCustomDateTimeEdit::displayFormat() const
{
    return d->dateTimeEdit ? d->dateTimeEdit->displayFormat() : QString();
}

void QCustomDateTimeEdit::setButtonText(const QString &text)
{
    if (d->button)
        d->button->setText(text);
}

QString QCustomDateTimeEdit::buttonText() const
{
    return d->button ? d->button->text() : QString();
}
