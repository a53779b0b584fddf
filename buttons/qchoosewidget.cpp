#include "qchoosewidget.h"

#include "qimgradiobutton.h"

#include <QHBoxLayout>

QChooseWidget::QChooseWidget(QWidget *parent)
    : QWidget(parent)
{
    m_descriptions = {
        {tr("STR_INVERTOR"), QStringLiteral(":/img/commonImge/inverter")},
        {tr("STR_SERVO"), QStringLiteral(":/img/commonImge/servo")},
        {tr("STR_REMOTE"), QStringLiteral(":/img/commonImge/remote")},
    };
    initLayout();
    setSelectID(0);
}

QChooseWidget::~QChooseWidget() = default;

void QChooseWidget::setSelectID(int id)
{
    m_selectId = id;
    for (int i = 0; i < m_tiles.size(); ++i)
        m_tiles.at(i)->setChecked(i == id);
}

int QChooseWidget::getSelectID()
{
    return m_selectId;
}

void QChooseWidget::onImgClicked()
{
    auto *tile = qobject_cast<QImgRadioButton *>(sender());
    setSelectID(m_tiles.indexOf(tile));
}

void QChooseWidget::initLayout()
{
    auto *layout = new QHBoxLayout;
    layout->addStretch(0);
    for (const auto &description : qAsConst(m_descriptions)) {
        auto *tile = new QImgRadioButton(this, description.first, description.second);
        layout->addWidget(tile);
        connect(tile, &QImgRadioButton::SigImgClicked, this, &QChooseWidget::onImgClicked);
        connect(tile, &QImgRadioButton::SigOk, this, &QChooseWidget::SigOk);
        m_tiles.append(tile);
    }
    layout->addStretch(0);
    setLayout(layout);
}
