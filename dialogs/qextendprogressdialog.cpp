// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qextendprogressdialog.h"
#include "ui_qextendprogressdialog.h"

#include "widgetdeckaccessiblenames_p.h"
#include <qwindowdragger.h>

#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace {
constexpr int TitleBandHeight = 35;
}

class QExtendProgressDialogPrivate
{
public:
    Ui::QExtendProgressDialog ui;
    QTimer *m_timer = nullptr;
    TimeoutMode m_mode = TIMEOUT_FIRST_PROGRESS;
    bool m_closeOnFinish = true;
};

QExtendProgressDialog::QExtendProgressDialog(QWidget *parent, bool closeOnFinish)
    // Flags given here rather than by setWindowFlags() afterwards: changing them later
    // reparents the dialog, which re-polishes every style-sheeted child a second time.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , d(new QExtendProgressDialogPrivate)
{
    d->m_timer = new QTimer(this);
    d->m_closeOnFinish = closeOnFinish;
    d->ui.setupUi(this);
    // Resolved against the working directory on purpose: hosts ship the icon beside the binary.
    d->ui.logoLabel->setPixmap(QPixmap(QStringLiteral("img/progressIcon.png")));

    d->m_timer->setObjectName(QStringLiteral("progressTimeoutTimer"));
    d->m_timer->setSingleShot(true);
    connect(d->ui.closeBtn, &QToolButton::clicked, this, &QExtendProgressDialog::slotBtnClicked);
    connect(d->ui.cancelBtn, &QPushButton::clicked, this, &QExtendProgressDialog::slotBtnClicked);
    // However the dialog ends (Cancel, close control, Escape), no timeout may follow.
    connect(this, &QDialog::finished, d->m_timer, &QTimer::stop);

    // Readers and window switchers show the title; the close control is an icon alone.
    new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &) {
        setWindowTitle(tr("STR_DIGIAL_STATE_FEEDBACK"));
        d->ui.titleLabel->setText(tr("STR_DIGIAL_STATE_FEEDBACK"));
        WidgetDeckPrivate::AccessibleNames::setName(d->ui.closeBtn, tr("STR_CLOSE"));
    });
    // Dragged by its painted title band, like the other frameless dialogs.
    auto *dragger = new QWindowDragger(this);
    dragger->setBandHeight(TitleBandHeight);
}

QExtendProgressDialog::~QExtendProgressDialog() = default;

void QExtendProgressDialog::startTimer(int msec, TimeoutMode mode)
{
    d->m_timer->setInterval(msec);
    d->m_mode = mode;
    // Hosts restart the timeout for every step; one connection keeps one signal per timeout.
    connect(d->m_timer, &QTimer::timeout, this, &QExtendProgressDialog::slotTimeout, Qt::UniqueConnection);
    d->m_timer->start();
}

int QExtendProgressDialog::progressMin() const
{
    return d->ui.progressBar->minimum();
}

int QExtendProgressDialog::progressMax() const
{
    return d->ui.progressBar->maximum();
}

int QExtendProgressDialog::progressValue() const
{
    return d->ui.progressBar->value();
}

void QExtendProgressDialog::slotSetRange(int min, int max)
{
    d->ui.progressBar->setRange(min, max);
}

void QExtendProgressDialog::slotUpdateProgress(int progress)
{
    d->ui.progressBar->setValue(progress);
    if (d->m_mode == TIMEOUT_FIRST_PROGRESS && progress != 0)
        d->m_timer->stop();

    if (progress == d->ui.progressBar->maximum()) {
        d->m_timer->stop();
        d->ui.cancelBtn->setText(tr("STR_DONE"));
        QPointer<QExtendProgressDialog> guard(this);
        emit sigProgressFinished();
        if (guard && d->m_closeOnFinish)
            accept();
    }
}

void QExtendProgressDialog::slotBtnClicked()
{
    if (d->ui.cancelBtn->text() == tr("STR_DONE"))
        accept();
    else
        reject();
}

void QExtendProgressDialog::slotTimeout()
{
    d->ui.cancelBtn->setText(tr("STR_TIME_OUT"));
    emit sigProgressTimeOut();
}

void QExtendProgressDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // A two-pixel pen centred on the widget's edges leaves one pixel inside on each; at a whole
    // device pixel ratio those are filled, without stroking the outline at every repaint.
    const QColor border(207, 207, 207);
    if (devicePixelRatioF() == std::round(devicePixelRatioF())) {
        painter.fillRect(QRect(0, 0, width(), 1), border);
        painter.fillRect(QRect(0, height() - 1, width(), 1), border);
        painter.fillRect(QRect(0, 0, 1, height()), border);
        painter.fillRect(QRect(width() - 1, 0, 1, height()), border);
    } else {
        painter.setPen(QPen(QBrush(border), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawRect(0, 0, width(), height());
        painter.setPen(Qt::NoPen);
    }
    painter.fillRect(QRect(0, 0, width(), TitleBandHeight), QColor(0x79, 0x9C, 0xB1));
    painter.end();

    QDialog::paintEvent(event);
}
