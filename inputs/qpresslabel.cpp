#include "qpresslabel.h"

#include <QMouseEvent>

QPressLabel::QPressLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

QPressLabel::~QPressLabel() = default;

void QPressLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        Q_EMIT SigMousePress();
}
