#include "qclickimglabel.h"

#include <QMouseEvent>

QClickImgLabel::QClickImgLabel(QWidget *parent)
    : QLabel(parent)
{
}

QClickImgLabel::~QClickImgLabel() = default;

void QClickImgLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        Q_EMIT SigClicked();
    QLabel::mousePressEvent(e);
}

void QClickImgLabel::mouseDoubleClickEvent(QMouseEvent *e)
{
    Q_UNUSED(e)
    Q_EMIT SigOk();
}
