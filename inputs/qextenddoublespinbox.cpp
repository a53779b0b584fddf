// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qextenddoublespinbox.h"

#include <QPointer>

class QExtendDoubleSpinBoxPrivate
{
public:
    QVariant userData;
    bool updated = false;
    // Inside Qt's handling of an input event the spin box goes on using itself after its
    // signals; repeats raised there wait until that handling is over.
    int eventDepth = 0;
    bool valuePending = false;
    bool finishPending = false;
    // Set while a host slot handles editingFinishedExtend: deleting the window from it takes
    // the focus from the box, and that second end of the same edit is not repeated.
    bool inFinished = false;
};

QExtendDoubleSpinBox::QExtendDoubleSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
    , d(new QExtendDoubleSpinBoxPrivate)
{
    // Both repeats hang on the numeric valueChanged, the last signal the spin box emits
    // for a change: a host deleting the box from a repeat leaves no emission of the box
    // to follow. The text repeat goes first, as textChanged comes first.
    connect(this, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &QExtendDoubleSpinBox::OnValueChanged);
    connect(this, &QDoubleSpinBox::editingFinished, this, &QExtendDoubleSpinBox::OnEditingFinished);
}

QExtendDoubleSpinBox::~QExtendDoubleSpinBox() = default;

void QExtendDoubleSpinBox::bindUserData(const QVariant &data)
{
    d->userData = data;
}

QVariant QExtendDoubleSpinBox::getUserData()
{
    return d->userData;
}

void QExtendDoubleSpinBox::setUpdated(bool updated)
{
    d->updated = updated;
}

bool QExtendDoubleSpinBox::isUpdated()
{
    return d->updated;
}

bool QExtendDoubleSpinBox::event(QEvent *e)
{
    QPointer<QExtendDoubleSpinBox> guard(this);
    ++d->eventDepth;
    const bool result = QDoubleSpinBox::event(e);
    if (!guard)
        return result;
    if (--d->eventDepth > 0)
        return result;
    const bool value = d->valuePending;
    const bool finish = d->finishPending;
    d->valuePending = d->finishPending = false;
    if (value) {
        const QVariant data = d->userData;
        const double current = this->value();
        Q_EMIT valueChangedExtend(text(), data);
        if (!guard)
            return result;
        Q_EMIT valueChangedExtend(current, data);
        if (!guard)
            return result;
    }
    if (finish)
        emitFinished();
    return result;
}

void QExtendDoubleSpinBox::OnValueChanged()
{
    if (d->eventDepth > 0) {
        d->valuePending = true;
        return;
    }
    QPointer<QExtendDoubleSpinBox> guard(this);
    const QVariant data = d->userData;
    const double current = value();
    Q_EMIT valueChangedExtend(text(), data);
    if (guard)
        Q_EMIT valueChangedExtend(current, data);
}

void QExtendDoubleSpinBox::OnTextValueChanged()
{
    const QVariant data = d->userData;
    Q_EMIT valueChangedExtend(text(), data);
}

void QExtendDoubleSpinBox::OnEditingFinished()
{
    if (d->eventDepth > 0) {
        d->finishPending = true;
        return;
    }
    emitFinished();
}

void QExtendDoubleSpinBox::emitFinished()
{
    if (d->inFinished)
        return;
    QPointer<QExtendDoubleSpinBox> guard(this);
    const QVariant data = d->userData;
    d->inFinished = true;
    Q_EMIT editingFinishedExtend(value(), data);
    if (guard)
        d->inFinished = false;
}
