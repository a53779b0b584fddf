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
        connect(tile, &QImgRadioButton::SigImgClicked, this, [this, i] { setSelectID(i); });
        connect(tile, &QImgRadioButton::SigOk, this, &QChooseWidget::SigOk);
        d->tiles.append(tile);
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

int QChooseWidget::getSelectID()
{
    return d->selectId;
}

void QChooseWidget::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    int current = -1;
    for (int i = 0; i < d->tiles.size(); ++i) {
        if (d->tiles.at(i)->isAncestorOf(focusWidget()))
            current = i;
    }
    const int next = current + step;
    if (current < 0 || next < 0 || next >= d->tiles.size()) {
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
