#include "qcustomdatetimeedit.h"

#include "qnowheeldatetimeedit.h"

#include <QHBoxLayout>
#include <QPushButton>

QCustomDateTimeEdit::QCustomDateTimeEdit(QDateTime dateTime, QString text)
    : QWidget(nullptr)
    , m_dateTimeEdit(new QNoWheelDateTimeEdit(this, dateTime))
    , m_button(new QPushButton(text, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dateTimeEdit);
    layout->addWidget(m_button);
}

QCustomDateTimeEdit::~QCustomDateTimeEdit() = default;

QNoWheelDateTimeEdit *QCustomDateTimeEdit::getDateTimeEdit() const
{
    return m_dateTimeEdit;
}

QPushButton *QCustomDateTimeEdit::getPushButton() const
{
    return m_button;
}

void QCustomDateTimeEdit::setDisplayFormat(const QString &format)
{
    if (m_dateTimeEdit)
        m_dateTimeEdit->setDisplayFormat(format);
}
