#include "qsearchprogress.h"
#include "ui_qsearchprogress.h"

#include <QCloseEvent>

QSearchProgress::QSearchProgress(const QString &title, QWidget *parent)
    : QBaseDlg(parent)
    , ui(new Ui::QSearchProgress)
{
    ui->setupUi(this);
    setTitle(title);
    connect(this, &QSearchProgress::SigClose, this, &QDialog::accept);
}

QSearchProgress::~QSearchProgress()
{
    delete ui;
}

void QSearchProgress::setMax(int max)
{
    ui->progressBar->setRange(0, max);
    ui->progressBar->setValue(0);
}

int QSearchProgress::value() const
{
    return ui->progressBar->value();
}

int QSearchProgress::maxValue() const
{
    return ui->progressBar->maximum();
}

void QSearchProgress::OnSetValue(int val)
{
    ui->progressBar->setValue(val);
    onCheckClose();
}

void QSearchProgress::OnSetTotal(int num)
{
    setMax(num);
}

void QSearchProgress::onCheckClose()
{
    // Judged on the bar's own state: it refuses values outside its range.
    if (ui->progressBar->value() >= ui->progressBar->maximum())
        emit SigClose();
}

void QSearchProgress::closeEvent(QCloseEvent *event)
{
    emit SigCloseProgress();
    // QDialog's handling would reject() and could veto; a close request always closes here.
    QWidget::closeEvent(event);
}

void QSearchProgress::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
