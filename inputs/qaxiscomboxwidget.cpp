// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qaxiscomboxwidget.h"

#include <QComboBox>
#include <QPointer>
#include <QVBoxLayout>

class QAxisComBoxWidgetPrivate
{
public:
    QPointer<QComboBox> comboBox;
};

QAxisComBoxWidget::QAxisComBoxWidget(QWidget *parent)
    : QBaseStyleWidget(parent)
    , d(new QAxisComBoxWidgetPrivate)
{
    setObjectName(QStringLiteral("TOOLWID"));
    auto *combo = new QComboBox(this);
    d->comboBox = combo;
    combo->setObjectName(QStringLiteral("AXIS_COMBOBOX"));
    combo->setCursor(Qt::PointingHandCursor);
    combo->setFixedWidth(100);
    combo->setFixedHeight(30);
    // The combo box is the only control: the focus goes straight to it.
    setFocusProxy(combo);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(combo);
    setLayout(layout);
}

QAxisComBoxWidget::~QAxisComBoxWidget() = default;

void QAxisComBoxWidget::updateAxis(int axisCount)
{
    QComboBox *combo = d->comboBox;
    if (!combo)
        return;
    // clear() and addItem() emit the combo box's signals; a host slot may delete us.
    QPointer<QComboBox> guard(combo);
    combo->clear();
    if (!guard)
        return;
    combo->addItem(QStringLiteral("X"));
    if (axisCount < 2 || !guard)
        return;
    combo->addItem(QStringLiteral("Y"));
    if (guard)
        combo->addItem(QStringLiteral("Z"));
}

int QAxisComBoxWidget::getAxisIndex()
{
    return d->comboBox ? d->comboBox->currentIndex() : -1;
}
