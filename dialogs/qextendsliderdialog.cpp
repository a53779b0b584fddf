#include "qextendsliderdialog.h"
#include "ui_qextendsliderdialog.h"

#include <QMouseEvent>

#include <limits>

QExtendSliderDialog::QExtendSliderDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::QExtendSliderDialog)
{
    ui->setupUi(this);
    ui->closeBtn->setCursor(Qt::PointingHandCursor);
    // Kept a window even with a parent: a pop-up embedded in its parent could not be dragged
    // beyond it and would not block the host when run modally.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    connect(ui->closeBtn, &QPushButton::clicked, this, &QDialog::close);
    ui->label->clear();
}

QExtendSliderDialog::~QExtendSliderDialog()
{
    delete ui;
}

void QExtendSliderDialog::setRange(int min, int max)
{
    ui->slider->setRange(min, max);
    labelTextChanged();
}

void QExtendSliderDialog::setValue(int value)
{
    ui->slider->setValue(value);
    labelTextChanged();
}

int QExtendSliderDialog::currentValue() const
{
    return ui->slider->value();
}

int QExtendSliderDialog::minimum() const
{
    return ui->slider->minimum();
}

int QExtendSliderDialog::maximum() const
{
    return ui->slider->maximum();
}

int QExtendSliderDialog::range() const
{
    return ui->slider->maximum() - ui->slider->minimum();
}

int QExtendSliderDialog::incrementValue() const
{
    return ui->slider->value() - ui->slider->minimum();
}

double QExtendSliderDialog::getCurrentPercentage() const
{
    const double span = double(ui->slider->maximum()) - ui->slider->minimum();
    if (span == 0.0)
        return 0.0; // an empty range has no position; matches the emptied label
    return (double(ui->slider->value()) - ui->slider->minimum()) / span;
}

void QExtendSliderDialog::setCurrentPercentage(double fraction)
{
    if (!(fraction >= 0.0)) // also catches NaN, which qBound would turn into the maximum
        fraction = 0.0;
    fraction = qMin(fraction, 1.0);
    const qint64 min = ui->slider->minimum();
    const qint64 span = qint64(ui->slider->maximum()) - min;
    ui->slider->setValue(int(min + qint64(double(span) * fraction)));
    labelTextChanged();
}

int QExtendSliderDialog::time2Milliseconds(const QString &text) const
{
    const QStringList parts = text.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return 0;
    const qint64 h = parts.at(0).toInt(nullptr, 10);
    const qint64 m = parts.at(1).toInt(nullptr, 10);
    const qint64 s = parts.at(2).toInt(nullptr, 10);
    const qint64 f = parts.at(3).toInt(nullptr, 10);
    const qint64 ms = ((h * 60 + m) * 60 + s) * 1000 + f;
    if (ms < std::numeric_limits<int>::min() || ms > std::numeric_limits<int>::max())
        return 0;
    return int(ms);
}

QTime QExtendSliderDialog::milliseconds2Time(int ms) const
{
    return QTime::fromMSecsSinceStartOfDay(ms);
}

void QExtendSliderDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - pos();
    }
}

void QExtendSliderDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPos() - m_dragOffset);
}

void QExtendSliderDialog::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void QExtendSliderDialog::on_slider_valueChanged(int value)
{
    labelTextChanged();
    emit sigSliderMoved(value);
}

void QExtendSliderDialog::labelTextChanged()
{
    const float span = float(double(ui->slider->maximum()) - ui->slider->minimum());
    if (span == 0.0f) {
        ui->label->clear();
        return;
    }
    const float percent = float((double(ui->slider->value()) - ui->slider->minimum()) * 100.0 / span);
    ui->label->setText(QStringLiteral("%1%").arg(double(percent), 0, 'f', 2));
}
