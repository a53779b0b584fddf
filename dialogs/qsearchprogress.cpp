// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qsearchprogress.h"
#include "ui_qsearchprogress.h"

class QSearchProgressPrivate
{
public:
    Ui::QSearchProgress ui;
};

#include <QCloseEvent>
#include <QPointer>

QSearchProgress::QSearchProgress(const QString &title, QWidget *parent)
    : QBaseDlg(parent)
    , d(new QSearchProgressPrivate)
{
    d->ui.setupUi(this);
    setTitle(title);
    connect(this, &QSearchProgress::SigClose, this, &QDialog::accept);
}

QSearchProgress::~QSearchProgress() = default;

void QSearchProgress::setMax(int max)
{
    d->ui.progressBar->setRange(0, max);
    d->ui.progressBar->setValue(0);
}

int QSearchProgress::value() const
{
    return d->ui.progressBar->value();
}

int QSearchProgress::maxValue() const
{
    return d->ui.progressBar->maximum();
}

void QSearchProgress::OnSetValue(int val)
{
    d->ui.progressBar->setValue(val);
    onCheckClose();
}

void QSearchProgress::OnSetTotal(int num)
{
    setMax(num);
}

void QSearchProgress::onCheckClose()
{
    // Judged on the bar's own state: it refuses values outside its range.
    if (d->ui.progressBar->value() >= d->ui.progressBar->maximum())
        emit SigClose();
}

void QSearchProgress::closeEvent(QCloseEvent *event)
{
    QPointer<QSearchProgress> guard(this);
    emit SigCloseProgress();
    if (!guard)
        return;
    // QDialog's handling would reject() and could veto; a close request always closes here.
    QWidget::closeEvent(event);
}

void QSearchProgress::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
