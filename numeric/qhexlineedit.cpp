#include "qhexlineedit.h"

#include "qhexvalidator.h"

QHexLineEdit::QHexLineEdit(QWidget *parent, int min, int max)
    : QLineEdit(parent)
    , m_validator(new QHexValidator(this))
{
    setObjectName(QStringLiteral("RANGEEDIT"));
    m_validator->setRange(min, max);
    setValidator(m_validator);
}

QHexLineEdit::~QHexLineEdit() = default;

void QHexLineEdit::setRange(int min, int max)
{
    m_validator->setRange(min, max);
    setValidator(m_validator);
}
