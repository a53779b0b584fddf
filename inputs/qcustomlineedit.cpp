#include "qcustomlineedit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

QCustomLineEdit::QCustomLineEdit(QWidget *parent)
    : QWidget(parent)
{
    setBaseSize(100, 30);
    init();
}

QCustomLineEdit::~QCustomLineEdit() = default;

void QCustomLineEdit::init()
{
    auto *layout = new QHBoxLayout(this);
    m_lineEdit = new QLineEdit(this);
    m_unitLabel = new QLabel(this);
    m_unitLabel->setFixedWidth(40);
    layout->addWidget(m_lineEdit);
    layout->addWidget(m_unitLabel);
    m_lineEdit->setObjectName(QStringLiteral("FLOWDIAGRAM"));
}

void QCustomLineEdit::setValue(const QString &value)
{
    m_lineEdit->setText(value);
}

void QCustomLineEdit::setUnit(const QString &unit)
{
    m_unitLabel->setText(unit);
}

void QCustomLineEdit::setEnable(bool enable)
{
    m_lineEdit->setEnabled(enable);
}
