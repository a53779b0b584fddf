// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qextendsliderdialog.h"
#include "ui_qextendsliderdialog.h"

#include "widgetdeckaccessiblenames_p.h"
#include "widgetdecksaturate_p.h"

#include <QMouseEvent>
#include <qwindowdragger.h>

#include <QPointer>

#include <limits>

class QExtendSliderDialogPrivate
{
public:
    Ui::QExtendSliderDialog ui;
};

QExtendSliderDialog::QExtendSliderDialog(QWidget *parent)
    // Kept a window even with a parent: a pop-up embedded in its parent could not be dragged
    // beyond it and would not block the host when run modally. The flags are given here, not
    // by setWindowFlags() after the form: that reparents the dialog and restyles every child
    // under its sheet a second time (a quarter of its first frame).
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , d(new QExtendSliderDialogPrivate)
{
    d->ui.setupUi(this);
    d->ui.closeBtn->setCursor(Qt::PointingHandCursor);
    connect(d->ui.closeBtn, &QPushButton::clicked, this, &QDialog::close);
    d->ui.label->clear();
    // The slider has no label of its own; its percentage is its value, not its name.
    new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &) {
        WidgetDeckPrivate::AccessibleNames::setName(d->ui.slider, tr("STR_VALUE"));
    });
    // No title band: the whole background drags.
    new QWindowDragger(this);
}

QExtendSliderDialog::~QExtendSliderDialog() = default;

void QExtendSliderDialog::setRange(int min, int max)
{
    QPointer<QExtendSliderDialog> guard(this);
    d->ui.slider->setRange(min, max); // may emit sigSliderMoved
    if (guard)
        labelTextChanged();
}

void QExtendSliderDialog::setValue(int value)
{
    QPointer<QExtendSliderDialog> guard(this);
    d->ui.slider->setValue(value); // may emit sigSliderMoved
    if (guard)
        labelTextChanged();
}

int QExtendSliderDialog::currentValue() const
{
    return d->ui.slider->value();
}

int QExtendSliderDialog::minimum() const
{
    return d->ui.slider->minimum();
}

int QExtendSliderDialog::maximum() const
{
    return d->ui.slider->maximum();
}

int QExtendSliderDialog::range() const
{
    return WidgetDeckPrivate::saturatedDifference(d->ui.slider->minimum(), d->ui.slider->maximum());
}

int QExtendSliderDialog::incrementValue() const
{
    return WidgetDeckPrivate::saturatedDifference(d->ui.slider->minimum(), d->ui.slider->value());
}

double QExtendSliderDialog::getCurrentPercentage() const
{
    const double span = double(d->ui.slider->maximum()) - d->ui.slider->minimum();
    if (span == 0.0)
        return 0.0; // an empty range has no position; matches the emptied label
    return (double(d->ui.slider->value()) - d->ui.slider->minimum()) / span;
}

void QExtendSliderDialog::setCurrentPercentage(double fraction)
{
    if (!(fraction >= 0.0)) // also catches NaN, which qBound would turn into the maximum
        fraction = 0.0;
    fraction = qMin(fraction, 1.0);
    const qint64 min = d->ui.slider->minimum();
    const qint64 span = qint64(d->ui.slider->maximum()) - min;
    // The position itself is truncated toward zero, also for a negative minimum.
    const qint64 value = qint64(double(min) + double(span) * fraction);
    QPointer<QExtendSliderDialog> guard(this);
    d->ui.slider->setValue(int(qBound<qint64>(min, value, min + span))); // may emit
    if (guard)
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

// Dragging is the QWindowDragger's; the overrides stay for subclasses that call them.
void QExtendSliderDialog::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
}

void QExtendSliderDialog::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
}

void QExtendSliderDialog::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
}

void QExtendSliderDialog::on_slider_valueChanged(int value)
{
    labelTextChanged();
    emit sigSliderMoved(value);
}

void QExtendSliderDialog::labelTextChanged()
{
    const float span = float(double(d->ui.slider->maximum()) - d->ui.slider->minimum());
    if (span == 0.0f) {
        d->ui.label->clear();
        return;
    }
    const float percent = float((double(d->ui.slider->value()) - d->ui.slider->minimum()) * 100.0 / span);
    d->ui.label->setText(QStringLiteral("%1%").arg(double(percent), 0, 'f', 2));
}
