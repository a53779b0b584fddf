// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qedgewidget.h"
#include "ui_qedgewidget.h"

class QEdgeWidgetPrivate
{
public:
    Ui::EdgeWidget ui;
};

QEdgeWidget::QEdgeWidget(QWidget *parent, QString title)
    : QBaseStyleWidget(parent)
    , d(new QEdgeWidgetPrivate)
{
    auto *ui = &d->ui;
    Q_UNUSED(title)
    ui->setupUi(this);
    ui->pushButtonRotate->setObjectName(QStringLiteral("MENUBTN"));
    setMaximumWidth(30);
    connect(ui->pushButtonRotate, &QPushButton::clicked, this, &QEdgeWidget::SigShow);
}

QEdgeWidget::~QEdgeWidget() = default;

void QEdgeWidget::setTitle(QString title)
{
    d->ui.pushButtonRotate->setText(title);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void QEdgeWidget::enterEvent(QEnterEvent *event)
#else
void QEdgeWidget::enterEvent(QEvent *event)
#endif
{
    Q_UNUSED(event)
    Q_EMIT SigShowPreview();
}

void QEdgeWidget::leaveEvent(QEvent *event)
{
    Q_UNUSED(event)
}
