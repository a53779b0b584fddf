// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qchoosewidget.h"

#include "qclickradiobutton.h"
#include "qimgradiobutton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QList>
#include <QPair>

class QChooseWidgetPrivate
{
public:
    int selectId = 0;
    QList<QImgRadioButton *> tiles;

    // The tile the arrow @p key moves to from the focused one, or -1 (no arrow, no move).
    int neighbour(const QWidget *focus, int key) const
    {
        int step = 0;
        if (key == Qt::Key_Left || key == Qt::Key_Up)
            step = -1;
        else if (key == Qt::Key_Right || key == Qt::Key_Down)
            step = 1;
        if (step == 0 || !focus)
            return -1;
        int current = -1;
        for (int i = 0; i < tiles.size(); ++i) {
            if (tiles.at(i)->isAncestorOf(focus))
                current = i;
        }
        const int next = current + step;
        return current < 0 || next < 0 || next >= tiles.size() ? -1 : next;
    }
};

QChooseWidget::QChooseWidget(QWidget *parent)
    : QWidget(parent)
    , d(new QChooseWidgetPrivate)
{
    const QList<QPair<QString, QString>> descriptions = {
        {tr("STR_INVERTOR"), QStringLiteral(":/img/commonImge/inverter")},
        {tr("STR_SERVO"), QStringLiteral(":/img/commonImge/servo")},
        {tr("STR_REMOTE"), QStringLiteral(":/img/commonImge/remote")},
    };
    auto *layout = new QHBoxLayout;
    layout->addStretch(0);
    for (int i = 0; i < descriptions.size(); ++i) {
        auto *tile = new QImgRadioButton(this, descriptions.at(i).first, descriptions.at(i).second);
        layout->addWidget(tile);
        connect(tile, &QImgRadioButton::SigImgClicked, this, &QChooseWidget::onImgClicked);
        connect(tile, &QImgRadioButton::SigOk, this, &QChooseWidget::SigOk);
        d->tiles.append(tile);
        if (auto *radio = tile->findChild<QClickRadioButton *>()) {
            radio->installEventFilter(this);
            // Whatever checks a tile's radio button (an accessibility action, a host reaching
            // it) selects that tile and so unchecks the others, as a group of radios does.
            connect(radio, &QAbstractButton::toggled, this, [this, i](bool checked) {
                if (checked && d->selectId != i)
                    setSelectID(i);
            });
        }
    }
    layout->addStretch(0);
    setLayout(layout);
    setSelectID(0);
}

QChooseWidget::~QChooseWidget() = default;

void QChooseWidget::setSelectID(int id)
{
    d->selectId = id;
    for (int i = 0; i < d->tiles.size(); ++i)
        d->tiles.at(i)->setChecked(i == id);
}

void QChooseWidget::onImgClicked()
{
    setSelectID(d->tiles.indexOf(qobject_cast<QImgRadioButton *>(sender())));
}

int QChooseWidget::getSelectID()
{
    return d->selectId;
}

void QChooseWidget::keyPressEvent(QKeyEvent *event)
{
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up || event->key() == Qt::Key_Right
        || event->key() == Qt::Key_Down;
    if (!arrow) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = d->neighbour(focusWidget(), event->key());
    if (next < 0) {
        event->ignore();
        return;
    }
    event->accept();
    // The neighbour's radio button reports the move as its own click, so hosts connected to
    // the tiles see the same signal as for a click.
    auto *radio = d->tiles.at(next)->findChild<QClickRadioButton *>();
    if (!radio)
        return;
    radio->setFocus(Qt::TabFocusReason);
    Q_EMIT radio->SigClicked();
}

bool QChooseWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && d->neighbour(qobject_cast<QWidget *>(watched), key->key()) >= 0) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
