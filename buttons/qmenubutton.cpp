// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qmenubutton.h"
#include "widgetdeckbuttonkeys_p.h"
#include "widgetdeckelide_p.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>

class QMenuButtonPrivate
{
public:
    int index = -1;
    bool hover = false;
    bool selected = false;
    bool clicked = false;
};

namespace {
// The caption's own font; the look of the entry rests on it, so the size hint follows it too.
QFont captionFont()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Courier New"));
    font.setPointSize(12);
    return font;
}
constexpr int CaptionPadding = 6;
} // namespace

QMenuButton::QMenuButton(QWidget *parent)
    : QPushButton(parent)
    , d(new QMenuButtonPrivate)
{
    setCursor(Qt::PointingHandCursor);
    // Sized by QPushButton for the font the caption is painted in, so the entry never cuts it.
    setFont(captionFont());
    // A menu entry is never a dialog's default; focused, Return/Enter select it (below).
    setAutoDefault(false);
    WidgetDeckPrivate::claimButtonKeys(this, WidgetDeckPrivate::ReturnClick::Button);
    // Connected before any host slot; only notes the click, the selection follows once
    // clicked() has been delivered to everyone.
    connect(this, &QAbstractButton::clicked, this, [this] { d->clicked = true; });
}

QMenuButton::~QMenuButton() = default;

void QMenuButton::setIndex(int index)
{
    d->index = index;
}

int QMenuButton::getIndex()
{
    return d->index;
}

void QMenuButton::setselected(bool selected)
{
    d->selected = selected;
    update();
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void QMenuButton::enterEvent(QEnterEvent *event)
#else
void QMenuButton::enterEvent(QEvent *event)
#endif
{
    QPushButton::enterEvent(event);
    d->hover = true;
    update();
}

void QMenuButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    d->hover = false;
    update();
}

void QMenuButton::mouseReleaseEvent(QMouseEvent *e)
{
    // clicked() goes out first, so a host that deselects all entries in its handler still
    // ends with the clicked one selected; a host may also delete the entry there.
    const QPointer<QMenuButton> guard(this);
    d->clicked = false;
    QPushButton::mouseReleaseEvent(e);
    if (guard && d->clicked) {
        d->selected = true;
        update();
    }
}

void QMenuButton::keyPressEvent(QKeyEvent *e)
{
    const QPointer<QMenuButton> guard(this);
    d->clicked = false;
    if (WidgetDeckPrivate::needsOwnReturn(this, e)) {
        e->accept();
        if (!e->isAutoRepeat())
            click();
    } else {
        QPushButton::keyPressEvent(e);
    }
    if (guard && d->clicked) {
        d->selected = true;
        update();
    }
}

void QMenuButton::keyReleaseEvent(QKeyEvent *e)
{
    const QPointer<QMenuButton> guard(this);
    d->clicked = false;
    QPushButton::keyReleaseEvent(e);
    if (guard && d->clicked) {
        d->selected = true;
        update();
    }
}

void QMenuButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    WidgetDeckElide::paintBevel(this);

    QColor fill(189, 208, 232);
    if (d->selected)
        fill = QColor(242, 248, 254);
    else if (d->hover)
        fill = QColor(215, 226, 241);

    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRect(0, 0, width(), height());

    painter.setFont(captionFont());
    painter.setPen(Qt::black);
    // No wider than the margin QPushButton's size hint leaves around the caption, so an entry at
    // its size hint never elides it; the centred caption sits where it would anyway.
    QStyleOptionButton bare;
    bare.initFrom(this);
    const int padding = qMin(CaptionPadding, style()->sizeFromContents(QStyle::CT_PushButton, &bare, QSize(), this).width() / 2);
    const QRect room = rect().adjusted(padding, 0, -padding, 0);
    const QString shown = WidgetDeckElide::fitted(painter.fontMetrics(), text(), room.width());
    WidgetDeckElide::followElision(this, text(), shown != text());
    style()->drawItemText(&painter, room, Qt::AlignCenter, palette(), isEnabled(), shown);
}
