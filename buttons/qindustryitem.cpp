// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qindustryitem.h"
#include "widgetdeckpixmap_p.h"
#include "widgetdeckbuttonkeys_p.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {
bool isActivationKey(const QKeyEvent *e)
{
    return WidgetDeckPrivate::isReturnKey(e) || (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier);
}
} // namespace

class QIndustryItemPrivate
{
public:
    QLabel *label = nullptr;
    QPushButton *closeButton = nullptr;
    bool pressed = false;
    bool spacePressed = false;
};

QIndustryItem::QIndustryItem(QWidget *parent)
    : QWidget(parent)
    , d(new QIndustryItemPrivate)
{
    d->label = new QLabel(this);
    d->closeButton = new QPushButton(this);
    d->label->setObjectName(QStringLiteral("labelIndustry"));
    d->closeButton->setObjectName(QStringLiteral("closeButton"));
    d->closeButton->setAccessibleName(tr("STR_CLOSE"));
    // Never the host dialog's default: Return in a host's editor must not remove the entry.
    d->closeButton->setAutoDefault(false);
    WidgetDeckPrivate::claimButtonKeys(d->closeButton);
    d->closeButton->setIcon(QIcon(WidgetDeckPrivate::pixmapIfAvailable(QStringLiteral(":/img/toolWidget/close"))));
    d->closeButton->setStyleSheet(QStringLiteral("background:transparent;border-width:0;border-style:outset"));
    connect(d->closeButton, &QPushButton::clicked, this, qOverload<>(&QIndustryItem::removeIndustry));
    // The entry itself is what the keyboard activates; the label only shows the name.
    setFocusPolicy(Qt::StrongFocus);

    auto *layout = new QHBoxLayout;
    layout->addWidget(d->label);
    layout->addStretch(0);
    layout->addWidget(d->closeButton);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(5);
    setLayout(layout);
}

QIndustryItem::~QIndustryItem() = default;

void QIndustryItem::setIndustry(QString industry)
{
    d->label->setText(industry);
}

void QIndustryItem::setNormalIndustry(QString industry)
{
    d->label->setText(industry);
    d->closeButton->hide();
}

QString QIndustryItem::getIndustry()
{
    return d->label->text();
}

void QIndustryItem::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        d->pressed = true;
}

void QIndustryItem::mouseReleaseEvent(QMouseEvent *e)
{
    // The host may delete the entry from showIndustry(), so the emit comes last.
    const bool wasPressed = d->pressed;
    d->pressed = false;
    if (wasPressed && rect().contains(e->pos()))
        Q_EMIT showIndustry(d->label->text());
}

void QIndustryItem::keyPressEvent(QKeyEvent *e)
{
    if (!isActivationKey(e)) {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
    if (e->isAutoRepeat())
        return;
    // Like a push button: Space clicks on release, Return and Enter on press.
    if (e->key() == Qt::Key_Space)
        d->spacePressed = true;
    else
        Q_EMIT showIndustry(d->label->text());
}

void QIndustryItem::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    e->accept();
    const bool wasPressed = d->spacePressed;
    d->spacePressed = false;
    if (wasPressed)
        Q_EMIT showIndustry(d->label->text());
}

bool QIndustryItem::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride && isActivationKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::FocusOut)
        d->spacePressed = false;
    return QWidget::event(e);
}

void QIndustryItem::paintEvent(QPaintEvent *e)
{
    QWidget::paintEvent(e);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = d->label->geometry().adjusted(-2, -2, 2, 2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void QIndustryItem::removeIndustry()
{
    Q_EMIT removeIndustry(d->label->text());
}
