// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qextendcombobox.h"

#include <QKeyEvent>
#include <QPointer>

class QExtendComboBoxPrivate
{
public:
    QVariant userData;
    bool updated = false;
    // The repeats go out after the last signal QComboBox emits for a change, and after Qt's
    // handling of a key or wheel event, so that a slot deleting the box leaves nothing of
    // QComboBox's own to run on it.
    int eventDepth = 0;
    bool indexPending = false;
    bool textPending = false;
    QString lastText;
    // clicked() has gone out for the press, key or call now opening the list.
    bool announced = false;
};

namespace {
bool opensPopup(const QComboBox *box, const QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_F4:
        return e->modifiers() == Qt::NoModifier;
    case Qt::Key_Down:
    case Qt::Key_Up:
        return e->modifiers() & Qt::AltModifier;
    case Qt::Key_Space:
        return !box->isEditable();
    default:
        return false;
    }
}
} // namespace

QExtendComboBox::QExtendComboBox(QWidget *parent)
    : QComboBox(parent)
    , d(new QExtendComboBoxPrivate)
{
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this, &QExtendComboBox::OnCurrentIndexChanged);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 still emits the text overload right after the index one: an editable box's
    // repeats wait for it.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    connect(this, qOverload<const QString &>(&QComboBox::currentIndexChanged), this,
            &QExtendComboBox::OnCurrentIndexTextChanged);
    QT_WARNING_POP
#endif
    connect(this, &QComboBox::currentTextChanged, this, &QExtendComboBox::OnCurrentTextChanged);
}

QExtendComboBox::~QExtendComboBox() = default;

void QExtendComboBox::bindUserData(const QVariant &data)
{
    d->userData = data;
}

QVariant QExtendComboBox::getUserData()
{
    return d->userData;
}

void QExtendComboBox::setUpdated(bool updated)
{
    d->updated = updated;
}

bool QExtendComboBox::isUpdated()
{
    return d->updated;
}

void QExtendComboBox::mousePressEvent(QMouseEvent *e)
{
    QPointer<QExtendComboBox> guard(this);
    Q_EMIT clicked();
    if (!guard)
        return;
    d->announced = true;
    QComboBox::mousePressEvent(e);
    if (guard)
        d->announced = false;
}

void QExtendComboBox::keyPressEvent(QKeyEvent *e)
{
    if (opensPopup(this, e)) {
        QPointer<QExtendComboBox> guard(this);
        Q_EMIT clicked();
        if (!guard)
            return;
        d->announced = true;
        QComboBox::keyPressEvent(e);
        if (guard)
            d->announced = false;
        return;
    }
    QComboBox::keyPressEvent(e);
}

void QExtendComboBox::showPopup()
{
    if (!d->announced) {
        QPointer<QExtendComboBox> guard(this);
        d->announced = true; // a slot opening the list itself must not announce it again
        Q_EMIT clicked();
        if (!guard)
            return;
        QComboBox::showPopup();
        if (guard)
            d->announced = false;
        return;
    }
    QComboBox::showPopup();
}

bool QExtendComboBox::event(QEvent *e)
{
    // The keys that open the popup (and emit clicked()) stay ours while the box has the focus,
    // even where the host put a shortcut on them.
    if (e->type() == QEvent::ShortcutOverride && opensPopup(this, static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    QPointer<QExtendComboBox> guard(this);
    ++d->eventDepth;
    const bool result = QComboBox::event(e);
    if (!guard || --d->eventDepth > 0)
        return result;
    const bool text = d->textPending;
    d->textPending = false;
    flushIndexRepeats();
    if (text && guard)
        OnCurrentTextChanged();
    return result;
}

void QExtendComboBox::OnCurrentIndexChanged()
{
    d->indexPending = true;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 emits currentTextChanged after this only when the text of a non-editable box
    // changes; otherwise this is the last signal.
    if (isEditable() || currentText() == d->lastText)
        flushIndexRepeats();
#endif
}

void QExtendComboBox::OnCurrentIndexTextChanged()
{
    // Qt 5 only: an editable box emits nothing after this overload; a non-editable one
    // still emits currentTextChanged.
    if (isEditable())
        flushIndexRepeats();
}

void QExtendComboBox::flushIndexRepeats()
{
    if (!d->indexPending || d->eventDepth > 0)
        return;
    d->indexPending = false;
    QPointer<QExtendComboBox> guard(this);
    // Copies: the slot may delete the box and with it these values.
    const QVariant data = d->userData;
    const QString text = currentText();
    Q_EMIT currentIndexChangedExtend(currentIndex(), data);
    if (guard)
        Q_EMIT currentIndexChangedExtend(text, data);
}

void QExtendComboBox::OnCurrentTextChanged()
{
    d->lastText = currentText();
    if (d->eventDepth > 0) {
        d->textPending = true;
        return;
    }
    QPointer<QExtendComboBox> guard(this);
    if (d->indexPending && !isEditable()) {
        flushIndexRepeats();
        if (!guard)
            return;
    }
    const QVariant data = d->userData;
    Q_EMIT currentTextChangedExtend(currentText(), data);
}
