// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcustompushbutton.h"
#include "widgetdeckpixmap_p.h"
#include "widgetdeckbuttonkeys_p.h"
#include "widgetdeckelide_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

class QCustomPushButtonPrivate
{
public:
    QPushButton *button = nullptr;
    QLabel *labelImg = nullptr;
    QLabel *labelText = nullptr;
};

QCustomPushButton::QCustomPushButton(QWidget *parent, QString text)
    : QWidget(parent)
    , d(new QCustomPushButtonPrivate)
{
    // Fixed at 85 pixels: a longer caption is elided, the tool tip keeps it whole.
    d->button = new WidgetDeckElide::PushButton(text, this);
    d->labelImg = new QLabel(this);
    d->labelText = new QLabel(this);
    d->button->setObjectName(QStringLiteral("pushButton"));
    d->labelImg->setObjectName(QStringLiteral("labelImg"));
    d->labelText->setObjectName(QStringLiteral("labelText"));
    d->button->setToolTip(text);
    d->button->setCursor(Qt::PointingHandCursor);
    d->button->setFixedHeight(35);
    d->button->setFixedWidth(85);
    // A status row's button is never a host dialog's default; focused, Return/Enter click it.
    d->button->setAutoDefault(false);
    WidgetDeckPrivate::claimButtonKeys(d->button);
    d->labelImg->setFixedSize(32, 32);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(d->button);
    layout->addWidget(d->labelImg);
    layout->addWidget(d->labelText);
}

QCustomPushButton::~QCustomPushButton() = default;

QPushButton *QCustomPushButton::getPushButton()
{
    return d->button;
}

QLabel *QCustomPushButton::getLabelImg()
{
    return d->labelImg;
}

QLabel *QCustomPushButton::getLabelText()
{
    return d->labelText;
}

void QCustomPushButton::setBtnText(const QString &text)
{
    d->button->setText(text);
}

void QCustomPushButton::setPixmap(const QPixmap &pixmap)
{
    d->labelImg->setPixmap(pixmap);
}

void QCustomPushButton::setLabelText(const QString &text)
{
    d->labelText->setText(text);
}

void QCustomPushButton::setLabelMinimumWidth(int width)
{
    Q_UNUSED(width)
    d->labelText->setMinimumWidth(100);
}

void QCustomPushButton::setLabelVisible(bool visible)
{
    if (visible)
        return;
    d->labelImg->setPixmap(QPixmap(QStringLiteral(":/img/noImg.png")));
    d->labelText->setText(QString());
}

void QCustomPushButton::setButtonStatus(const bool &ok, const QString &reason)
{
    if (ok) {
        d->labelImg->setPixmap(WidgetDeckPrivate::loadPixmap(QStringLiteral(":/img/commonImge/success"), devicePixelRatioF()));
        d->labelText->setText(tr("STR_SET_RUNTIME_SUCCESS"));
    } else {
        d->labelImg->setPixmap(WidgetDeckPrivate::loadPixmap(QStringLiteral(":/img/commonImge/failure"), devicePixelRatioF()));
        d->labelText->setText(QStringLiteral("%1(%2)").arg(tr("STR_SETTING_FAILED"), reason));
    }
}
