#include "qtopwizard.h"
#include "ui_qtopwizard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

QTopWizard::QTopWizard(QWidget *parent)
    : QBaseStyleWidget(parent)
    , ui(new Ui::QTopWizard)
{
    ui->setupUi(this);
}

QTopWizard::~QTopWizard()
{
    delete ui;
}

void QTopWizard::setTextList(QList<QString> textList)
{
    if (textList.isEmpty())
        return;

    // A widget holds one layout, so a new row replaces the old one completely instead of
    // leaving stale steps that setBtnCheck() no longer reaches.
    qDeleteAll(m_buttons);
    qDeleteAll(m_arrows);
    m_buttons.clear();
    m_arrows.clear();
    delete layout();

    auto *row = new QHBoxLayout(this);
    row->addStretch(0);
    const QPixmap arrow(QStringLiteral(":/img/commonImge/connectui_arrow"));
    for (int i = 0; i < textList.size(); ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("STATEBTN"));
        button->setCheckable(true);
        button->setEnabled(false);
        button->setText(textList.at(i));
        m_buttons.append(button);
        row->addWidget(button);
        if (i != textList.size() - 1) {
            auto *label = new QLabel(this);
            label->setPixmap(arrow);
            m_arrows.append(label);
            row->addWidget(label);
        }
    }
    row->addStretch(0);
    setBtnCheck(0);
}

void QTopWizard::setBtnCheck(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setChecked(i == index);
}

void QTopWizard::reInit()
{
    setBtnCheck(0);
}
