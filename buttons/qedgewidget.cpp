#include "qedgewidget.h"
#include "ui_qedgewidget.h"

QEdgeWidget::QEdgeWidget(QWidget *parent, QString title)
    : QBaseStyleWidget(parent)
    , ui(new Ui::EdgeWidget)
{
    Q_UNUSED(title)
    ui->setupUi(this);
    ui->pushButtonRotate->setObjectName(QStringLiteral("MENUBTN"));
    setMaximumWidth(30);
    connect(ui->pushButtonRotate, &QPushButton::clicked, this, &QEdgeWidget::SigShow);
}

QEdgeWidget::~QEdgeWidget()
{
    delete ui;
}

void QEdgeWidget::setTitle(QString title)
{
    ui->pushButtonRotate->setText(title);
}

void QEdgeWidget::enterEvent(QEvent *event)
{
    Q_UNUSED(event)
    Q_EMIT SigShowPreview();
}

void QEdgeWidget::leaveEvent(QEvent *event)
{
    Q_UNUSED(event)
}
