#include "qextendprogressdialog.h"
#include "ui_qextendprogressdialog.h"

#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {
constexpr int TitleBandHeight = 35;
}

QExtendProgressDialog::QExtendProgressDialog(QWidget *parent, bool closeOnFinish)
    // Flags given here rather than by setWindowFlags() afterwards: changing them later
    // reparents the dialog, which re-polishes every style-sheeted child a second time.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(new Ui::QExtendProgressDialog)
    , m_timer(new QTimer(this))
    , m_closeOnFinish(closeOnFinish)
{
    ui->setupUi(this);
    // Resolved against the working directory on purpose: hosts ship the icon beside the binary.
    ui->logoLabel->setPixmap(QPixmap(QStringLiteral("img/progressIcon.png")));

    m_timer->setObjectName(QStringLiteral("progressTimeoutTimer"));
    m_timer->setSingleShot(true);
    connect(ui->closeBtn, &QToolButton::clicked, this, &QExtendProgressDialog::slotBtnClicked);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &QExtendProgressDialog::slotBtnClicked);
}

QExtendProgressDialog::~QExtendProgressDialog()
{
    delete ui;
}

void QExtendProgressDialog::startTimer(int msec, TimeoutMode mode)
{
    m_timer->setInterval(msec);
    m_mode = mode;
    // Hosts restart the timeout for every step; one connection keeps one signal per timeout.
    connect(m_timer, &QTimer::timeout, this, &QExtendProgressDialog::slotTimeout, Qt::UniqueConnection);
    m_timer->start();
}

int QExtendProgressDialog::progressMin() const
{
    return ui->progressBar->minimum();
}

int QExtendProgressDialog::progressMax() const
{
    return ui->progressBar->maximum();
}

int QExtendProgressDialog::progressValue() const
{
    return ui->progressBar->value();
}

void QExtendProgressDialog::slotSetRange(int min, int max)
{
    ui->progressBar->setRange(min, max);
}

void QExtendProgressDialog::slotUpdateProgress(int progress)
{
    ui->progressBar->setValue(progress);
    if (m_mode == TIMEOUT_FIRST_PROGRESS && progress != 0)
        m_timer->stop();

    if (progress == ui->progressBar->maximum()) {
        m_timer->stop();
        ui->cancelBtn->setText(tr("STR_DONE"));
        emit sigProgressFinished();
        if (m_closeOnFinish)
            accept();
    }
}

void QExtendProgressDialog::slotBtnClicked()
{
    if (ui->cancelBtn->text() == tr("STR_DONE"))
        accept();
    else
        reject();
}

void QExtendProgressDialog::slotTimeout()
{
    emit sigProgressTimeOut();
    ui->cancelBtn->setText(tr("STR_TIME_OUT"));
}

void QExtendProgressDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.save();
    QPen border(QBrush(QColor(207, 207, 207)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width(), height());
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(QStringLiteral("#799CB1")));
    painter.drawRect(0, 0, width(), TitleBandHeight);
    painter.end();

    QDialog::paintEvent(event);
}
