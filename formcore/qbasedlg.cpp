// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qbasedlg.h"
#include "qwindowdragger.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {
// Band height used where a subclass does not choose one; the same the dialogs pass.
constexpr int DefaultTitleHeight = 36;
constexpr int CloseButtonSize = 24;
const QColor BorderColor(0x8a, 0x9b, 0xad);
const QColor TitleColor(0x2d, 0x5f, 0x93);
}

class QBaseDlgPrivate
{
public:
    QToolButton *m_closeButton = nullptr;
    QString m_title;
    bool m_tipIsTitle = false; // the tool tip was put there for an elided title
};

QBaseDlg::QBaseDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , d(new QBaseDlgPrivate)
{
    d->m_closeButton = new QToolButton(this);
    d->m_closeButton->setObjectName(QStringLiteral("baseDlgCloseButton"));
    d->m_closeButton->setAutoRaise(true);
    d->m_closeButton->setCursor(Qt::PointingHandCursor);
    d->m_closeButton->setFixedSize(CloseButtonSize, CloseButtonSize);
    d->m_closeButton->setFocusPolicy(Qt::NoFocus);
    d->m_closeButton->setText(QStringLiteral("\u2715"));
    // The glyph means nothing to a screen reader.
    d->m_closeButton->setAccessibleName(tr("STR_CLOSE"));
    connect(d->m_closeButton, &QToolButton::clicked, this, &QBaseDlg::onCloseBtnClicked);
    auto *dragger = new QWindowDragger(this);
    dragger->setBandHeight(DefaultTitleHeight);
}

QBaseDlg::~QBaseDlg() = default;

void QBaseDlg::setTitle(const QString &title)
{
    d->m_title = title;
    setWindowTitle(title);
    update();
}

QString QBaseDlg::title() const
{
    return d->m_title;
}

int QBaseDlg::exec()
{
    return QDialog::exec();
}

void QBaseDlg::paintEvent(QPaintEvent *event)
{
    paintEvent(event, DefaultTitleHeight);
}

void QBaseDlg::paintEvent(QPaintEvent *event, int titleHeight)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(QRect(0, 0, width(), qMax(0, titleHeight)), TitleColor);
    // At the ratio 1 the one-pixel outline is four fills: the pixels the pen strokes, without
    // the stroker walking the whole outline at every repaint. Scaled, the pen is drawn.
    if (devicePixelRatioF() == 1.0) {
        painter.fillRect(QRect(0, 0, width(), 1), BorderColor);
        painter.fillRect(QRect(0, height() - 1, width(), 1), BorderColor);
        painter.fillRect(QRect(0, 0, 1, height()), BorderColor);
        painter.fillRect(QRect(width() - 1, 0, 1, height()), BorderColor);
    } else {
        painter.setPen(BorderColor);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    // A click on a child repaints the dialog behind it; the title is only shaped and drawn
    // when its band is part of the repaint.
    const QRect band(0, 0, width(), qMax(0, titleHeight));
    if (!d->m_title.isEmpty() && titleHeight > 0 && (!event || event->rect().intersects(band))) {
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        const QRect textRect(12, 0, width() - 24 - CloseButtonSize, titleHeight);
        const QString shown = painter.fontMetrics().horizontalAdvance(d->m_title) <= textRect.width()
            ? d->m_title
            : painter.fontMetrics().elidedText(d->m_title, Qt::ElideRight, textRect.width());
        // An elided title stays readable in the tool tip; a host's own tool tip stays.
        if (shown != d->m_title && (toolTip().isEmpty() || d->m_tipIsTitle)) {
            setToolTip(d->m_title);
            d->m_tipIsTitle = true;
        } else if (shown == d->m_title && d->m_tipIsTitle) {
            setToolTip(QString());
            d->m_tipIsTitle = false;
        }
        style()->drawItemText(&painter, textRect, Qt::AlignVCenter | Qt::AlignLeft, palette(), true, shown);
    }
}

void QBaseDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    d->m_closeButton->move(width() - CloseButtonSize - 6, (DefaultTitleHeight - CloseButtonSize) / 2);
    d->m_closeButton->raise();
}

// The title band's drag is the QWindowDragger's; these stay for subclasses that call them.
void QBaseDlg::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
}

void QBaseDlg::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
}

void QBaseDlg::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
}

void QBaseDlg::mouseDoubleClickEvent(QMouseEvent *event)
{
    QDialog::mouseDoubleClickEvent(event);
}

void QBaseDlg::onCloseBtnClicked()
{
    close();
}
