#include "qintlineedit.h"

#include <QIntValidator>

QIntLineEdit::QIntLineEdit(QWidget *parent, int min, int max)
    : QLineEdit(parent)
    , m_validator(new QIntValidator(this))
{
    setObjectName(QStringLiteral("RANGEEDIT"));
    m_validator->setRange(min, max);
    setValidator(m_validator);
}

QIntLineEdit::~QIntLineEdit() = default;

void QIntLineEdit::setRange(int min, int max)
{
    m_validator->setRange(min, max);
    setValidator(m_validator);
}
