#include "qmenubutton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

QMenuButton::QMenuButton(QWidget *parent)
    : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

QMenuButton::~QMenuButton() = default;

void QMenuButton::setIndex(int index)
{
    m_index = index;
}

int QMenuButton::getIndex()
{
    return m_index;
}

void QMenuButton::setselected(bool selected)
{
    m_selected = selected;
    update();
}

void QMenuButton::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
    m_hover = true;
    update();
}

void QMenuButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hover = false;
    update();
}

void QMenuButton::mouseReleaseEvent(QMouseEvent *e)
{
    // clicked() goes out first, so a host that deselects all entries in its handler still
    // ends with the clicked one selected.
    QPushButton::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->pos())) {
        m_selected = true;
        update();
    }
}

void QMenuButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);

    QColor fill(189, 208, 232);
    if (m_selected)
        fill = QColor(242, 248, 254);
    else if (m_hover)
        fill = QColor(215, 226, 241);

    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRect(0, 0, width(), height());

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Courier New"));
    font.setPointSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
