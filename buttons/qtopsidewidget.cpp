// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qtopsidewidget.h"
#include "widgetdeckpixmap_p.h"
#include "ui_qtopsidewidget.h"
#include "widgetdeckbuttonkeys_p.h"

#include <QIcon>

class QTopSideWidgetPrivate
{
public:
    Ui::TopSideWidget ui;
    QString title;
    DirectSide_E direct = DIRECT_LEFT;
};

QTopSideWidget::QTopSideWidget(QWidget *parent, QString title, DirectSide_E direct)
    : QBaseStyleWidget(parent)
    , d(new QTopSideWidgetPrivate)
{
    d->title = title;
    d->direct = direct;
    auto *ui = &d->ui;
    ui->setupUi(this);
    ui->labelTxt->setText(d->title);
    ui->toolButtonClose->setObjectName(QStringLiteral("CLOSEBTN1"));
    ui->toolButtonView->setObjectName(QStringLiteral("VIEWBTN"));
    ui->toolButtonClose->setToolTip(tr("STR_CLOSE"));
    ui->toolButtonView->setToolTip(tr("STR_HIDE"));
    // Both show only an icon.
    ui->toolButtonClose->setAccessibleName(tr("STR_CLOSE"));
    ui->toolButtonView->setAccessibleName(tr("STR_HIDE"));
    connect(ui->toolButtonView, &QToolButton::clicked, this, &QTopSideWidget::SigHide);
    connect(ui->toolButtonClose, &QToolButton::clicked, this, &QTopSideWidget::SigClose);
    WidgetDeckPrivate::claimButtonKeys(ui->toolButtonView);
    WidgetDeckPrivate::claimButtonKeys(ui->toolButtonClose);
    setMouseTracking(true);
}

QTopSideWidget::~QTopSideWidget() = default;

void QTopSideWidget::setDirect(DirectSide_E direct)
{
    d->direct = direct;
    QString path;
    switch (direct) {
    case DIRECT_LEFT:
        path = QStringLiteral(":/img/commonImge/arrow_left");
        break;
    case DIRECT_TOP:
        path = QStringLiteral(":/img/commonImge/arrow_top");
        break;
    case DIRECT_RIGHT:
        path = QStringLiteral(":/img/commonImge/arrow_right");
        break;
    case DIRECT_DOWN:
        path = QStringLiteral(":/img/commonImge/arrow_down");
        break;
    }
    d->ui.toolButtonView->setIcon(WidgetDeckPrivate::imageAvailable(path) ? QIcon(path) : QIcon());
}

void QTopSideWidget::setTitle(QString title)
{
    d->title = title;
    d->ui.labelTxt->setText(d->title);
}

QString QTopSideWidget::getTitle()
{
    return d->title;
}
