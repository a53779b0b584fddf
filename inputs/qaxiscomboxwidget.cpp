#include "qaxiscomboxwidget.h"

#include <QComboBox>
#include <QVBoxLayout>

QAxisComBoxWidget::QAxisComBoxWidget(QWidget *parent)
    : QBaseStyleWidget(parent)
    , m_comboBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("TOOLWID"));
    m_comboBox->setObjectName(QStringLiteral("AXIS_COMBOBOX"));
    m_comboBox->setCursor(Qt::PointingHandCursor);
    m_comboBox->setFixedWidth(100);
    m_comboBox->setFixedHeight(30);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_comboBox);
    setLayout(layout);
}

QAxisComBoxWidget::~QAxisComBoxWidget() = default;

void QAxisComBoxWidget::updateAxis(int axisCount)
{
    m_comboBox->clear();
    m_comboBox->addItem(QStringLiteral("X"));
    if (axisCount < 2)
        return;
    m_comboBox->addItem(QStringLiteral("Y"));
    m_comboBox->addItem(QStringLiteral("Z"));
}

int QAxisComBoxWidget::getAxisIndex()
{
    return m_comboBox->currentIndex();
}
