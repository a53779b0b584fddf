#include "qbasedlg.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {
// Qt 6 reports mouse positions as floating-point; the title drag works in whole pixels.
QPoint globalPoint(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}
} // namespace

namespace {
// Band height used where a subclass does not choose one; the same the dialogs pass.
constexpr int DefaultTitleHeight = 36;
constexpr int CloseButtonSize = 24;
const QColor BorderColor(0x8a, 0x9b, 0xad);
const QColor TitleColor(0x2d, 0x5f, 0x93);
}

QBaseDlg::QBaseDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_closeButton(new QToolButton(this))
{
    m_closeButton->setObjectName(QStringLiteral("baseDlgCloseButton"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setCursor(Qt::PointingHandCursor);
    m_closeButton->setFixedSize(CloseButtonSize, CloseButtonSize);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    m_closeButton->setText(QStringLiteral("\u2715"));
    // The glyph means nothing to a screen reader.
    m_closeButton->setAccessibleName(tr("STR_CLOSE"));
    connect(m_closeButton, &QToolButton::clicked, this, &QBaseDlg::onCloseBtnClicked);
}

QBaseDlg::~QBaseDlg() = default;

void QBaseDlg::setTitle(const QString &title)
{
    m_title = title;
    setWindowTitle(title);
    update();
}

QString QBaseDlg::title() const
{
    return m_title;
}

int QBaseDlg::exec()
{
    return QDialog::exec();
}

void QBaseDlg::paintEvent(QPaintEvent *event)
{
    paintEvent(event, DefaultTitleHeight);
}

void QBaseDlg::paintEvent(QPaintEvent *, int titleHeight)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(QRect(0, 0, width(), qMax(0, titleHeight)), TitleColor);
    painter.setPen(BorderColor);
    painter.drawRect(frame);

    if (!m_title.isEmpty() && titleHeight > 0) {
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        const QRect textRect(12, 0, width() - 24 - CloseButtonSize, titleHeight);
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                         painter.fontMetrics().elidedText(m_title, Qt::ElideRight, textRect.width()));
    }
}

void QBaseDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_closeButton->move(width() - CloseButtonSize - 6, (DefaultTitleHeight - CloseButtonSize) / 2);
    m_closeButton->raise();
}

void QBaseDlg::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->pos().y() < DefaultTitleHeight) {
        m_dragging = true;
        m_dragOffset = globalPoint(event) - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void QBaseDlg::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(globalPoint(event) - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void QBaseDlg::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void QBaseDlg::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click in the band must not start a drag that never ends.
    m_dragging = false;
    QDialog::mouseDoubleClickEvent(event);
}

void QBaseDlg::onCloseBtnClicked()
{
    close();
}
