// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qmenubutton.h"
#include "widgetdeckbuttonkeys_p.h"
#include "widgetdeckelide_p.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

class QMenuButtonPrivate
{
public:
    int index = -1;
    bool hover = false;
    bool selected = false;
    bool clicked = false;
};

QMenuButton::QMenuButton(QWidget *parent)
    : QPushButton(parent)
    , d(new QMenuButtonPrivate)
{
    setCursor(Qt::PointingHandCursor);
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

QSize QMenuButton::sizeHint() const
{
    const QFontMetrics metrics(captionFont());
    const QSize caption(metrics.horizontalAdvance(text()) + 2 * CaptionPadding, metrics.height() + CaptionPadding);
    return QPushButton::sizeHint().expandedTo(caption);
}

QSize QMenuButton::minimumSizeHint() const
{
    return sizeHint();
}

void QMenuButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    // The bevel alone: the fill below hides it, and its own caption would be measured in
    // the wrong font.
    QStylePainter bevel(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    bevel.drawControl(QStyle::CE_PushButton, option);
    bevel.end();

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
    const QRect room = rect().adjusted(CaptionPadding, 0, -CaptionPadding, 0);
    const QString shown = WidgetDeckElide::fitted(painter.fontMetrics(), text(), room.width());
    WidgetDeckElide::followElision(this, text(), shown != text());
    style()->drawItemText(&painter, room, Qt::AlignCenter, palette(), isEnabled(), shown);
}
