#include "qextendcombobox.h"

#include <QKeyEvent>
#include <QPointer>

class QExtendComboBoxPrivate
{
public:
    QVariant userData;
    bool updated = false;
    // Qt's key and wheel handling goes on using the box after its change signals; the
    // repeats raised there wait until that handling is over.
    int eventDepth = 0;
    bool indexPending = false;
    bool textPending = false;
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
    // The text overload of currentIndexChanged is deprecated; the index signal is emitted
    // at the same moment, so both repeats hang on it, index first (one slot, so that a
    // host deleting the box from the first repeat stops the second).
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this, &QExtendComboBox::OnCurrentIndexChanged);
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
    if (guard)
        QComboBox::mousePressEvent(e);
}

void QExtendComboBox::keyPressEvent(QKeyEvent *e)
{
    if (opensPopup(this, e)) {
        QPointer<QExtendComboBox> guard(this);
        Q_EMIT clicked();
        if (!guard)
            return;
    }
    QComboBox::keyPressEvent(e);
}

bool QExtendComboBox::event(QEvent *e)
{
    QPointer<QExtendComboBox> guard(this);
    ++d->eventDepth;
    const bool result = QComboBox::event(e);
    if (!guard || --d->eventDepth > 0)
        return result;
    const bool index = d->indexPending;
    const bool text = d->textPending;
    d->indexPending = d->textPending = false;
    if (index)
        OnCurrentIndexChanged();
    if (text && guard)
        OnCurrentTextChanged();
    return result;
}

void QExtendComboBox::OnCurrentIndexChanged()
{
    if (d->eventDepth > 0) {
        d->indexPending = true;
        return;
    }
    QPointer<QExtendComboBox> guard(this);
    // Copies: the slot may delete the box and with it these values.
    const QVariant data = d->userData;
    const QString text = currentText();
    Q_EMIT currentIndexChangedExtend(currentIndex(), data);
    if (guard)
        Q_EMIT currentIndexChangedExtend(text, data);
}

void QExtendComboBox::OnCurrentIndexTextChanged()
{
    const QVariant data = d->userData;
    Q_EMIT currentIndexChangedExtend(currentText(), data);
}

void QExtendComboBox::OnCurrentTextChanged()
{
    if (d->eventDepth > 0) {
        d->textPending = true;
        return;
    }
    const QVariant data = d->userData;
    Q_EMIT currentTextChangedExtend(currentText(), data);
}
