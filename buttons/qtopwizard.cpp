// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qtopwizard.h"
#include "widgetdeckpixmap_p.h"
#include "ui_qtopwizard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

class QTopWizardPrivate
{
public:
    Ui::QTopWizard ui;
    QList<QToolButton *> buttons;
    QList<QLabel *> arrows;
};

QTopWizard::QTopWizard(QWidget *parent)
    : QBaseStyleWidget(parent)
    , d(new QTopWizardPrivate)
{
    d->ui.setupUi(this);
}

QTopWizard::~QTopWizard() = default;

void QTopWizard::setTextList(QList<QString> textList)
{
    if (textList.isEmpty())
        return;

    // A widget holds one layout, so a new row replaces the old one completely instead of
    // leaving stale steps that setBtnCheck() no longer reaches.
    qDeleteAll(d->buttons);
    qDeleteAll(d->arrows);
    d->buttons.clear();
    d->arrows.clear();
    delete layout();

    auto *row = new QHBoxLayout(this);
    row->addStretch(0);
    const QPixmap arrow = WidgetDeckPrivate::pixmapIfAvailable(QStringLiteral(":/img/commonImge/connectui_arrow"));
    for (int i = 0; i < textList.size(); ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("STATEBTN"));
        button->setCheckable(true);
        button->setEnabled(false);
        button->setText(textList.at(i));
        d->buttons.append(button);
        row->addWidget(button);
        if (i != textList.size() - 1) {
            auto *label = new QLabel(this);
            label->setPixmap(arrow);
            d->arrows.append(label);
            row->addWidget(label);
        }
    }
    row->addStretch(0);
    setBtnCheck(0);
}

void QTopWizard::setBtnCheck(int index)
{
    if (index < 0 || index >= d->buttons.size())
        return;
    for (int i = 0; i < d->buttons.size(); ++i)
        d->buttons.at(i)->setChecked(i == index);
}

void QTopWizard::reInit()
{
    setBtnCheck(0);
}
