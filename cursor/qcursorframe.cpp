#include "qcursorframe.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
// A position stored as a fraction may come back a hair below the integer it was made from
// ((1.0 / 49) * 49 < 1); without this slack a cursor would creep one pixel per relayout.
constexpr double TruncSlack = 1e-9;

int fractionToOffset(double normalized, int range)
{
    return int(std::trunc(normalized * range + TruncSlack));
}

bool isFraction(double value)
{
    return value >= 0.0 && value <= 1.0; // false for NaN as well
}
} // namespace

QCursorFrame::QCursorFrame(QWidget *parent, QFlags<CursorOrientation> orientation)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_orientation(orientation)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    setObjectName(QStringLiteral("QCursorFrame"));

    setHPosition1(0, false);
    setHPosition2(0, false);
    setVPosition1(0, false);
    setVPosition2(0, false);

    deselectAll();
}

QCursorFrame::~QCursorFrame() = default;

void QCursorFrame::setMeasureArea(const QPoint &topLeft, const QSize &size)
{
    m_measureArea = QRect(topLeft, size);
    const int w = qMax(0, size.width());
    const int h = qMax(0, size.height());
    setGeometry(topLeft.x() - m_margin - 1, topLeft.y() - m_margin - 1, w + 2 * m_margin + 2,
                h + 2 * m_margin + 2);
    if (m_orientation & HorizontalCursor) {
        updateHPosition();
        updateHCursorPosition();
    }
    if (m_orientation & VerticalCursor) {
        updateVPosition();
        updateVCursorPosition();
    }
    update();
}

QRect QCursorFrame::getMeasureArea() const
{
    return m_measureArea;
}

bool QCursorFrame::setNormalizedHPos1(double pos)
{
    if (!isFraction(pos))
        return false;
    m_normH[0] = pos;
    setHPosition1(m_margin + fractionToOffset(pos, m_hRange), false);
    if (m_orientation & HorizontalCursor)
        updateHCursorPosition();
    emit sigHCursor1PosChanged(pos);
    return true;
}

bool QCursorFrame::setNormalizedHPos2(double pos)
{
    if (!isFraction(pos))
        return false;
    m_normH[1] = pos;
    setHPosition2(m_margin + fractionToOffset(pos, m_hRange), false);
    if (m_orientation & HorizontalCursor)
        updateHCursorPosition();
    emit sigHCursor2PosChanged(pos);
    return true;
}

bool QCursorFrame::setNormalizedVPos1(double pos)
{
    if (!isFraction(pos))
        return false;
    m_normV[0] = pos;
    setVPosition1(m_margin + fractionToOffset(pos, m_vRange), false);
    if (m_orientation & VerticalCursor)
        updateVCursorPosition();
    emit sigVCursor1PosChanged(pos);
    return true;
}

bool QCursorFrame::setNormalizedVPos2(double pos)
{
    if (!isFraction(pos))
        return false;
    m_normV[1] = pos;
    setVPosition2(m_margin + fractionToOffset(pos, m_vRange), false);
    if (m_orientation & VerticalCursor)
        updateVCursorPosition();
    emit sigVCursor2PosChanged(pos);
    return true;
}

double QCursorFrame::getNormalizedHPos1() const
{
    return m_normH[0];
}

double QCursorFrame::getNormalizedHPos2() const
{
    return m_normH[1];
}

double QCursorFrame::getNormalizedVPos1() const
{
    return m_normV[0];
}

double QCursorFrame::getNormalizedVPos2() const
{
    return m_normV[1];
}

int QCursorFrame::getVPos1() const
{
    return m_pixV[0];
}

int QCursorFrame::getVPos2() const
{
    return m_pixV[1];
}

void QCursorFrame::showHorizontalCursor(bool show)
{
    deselectAll();
    m_hShown = show;
    update();
}

void QCursorFrame::showVerticalCursor(bool show)
{
    deselectAll();
    m_vShown = show;
    update();
}

bool QCursorFrame::isHorizontalCursorShown() const
{
    return m_hShown && (m_orientation & HorizontalCursor);
}

bool QCursorFrame::isVerticalCursorShown() const
{
    return m_vShown && (m_orientation & VerticalCursor);
}

void QCursorFrame::setLineColor(const QColor &color)
{
    m_lineColor = color;
}

void QCursorFrame::setNormalCursor(const QCursor &cursor)
{
    m_normalCursor = cursor;
}

void QCursorFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        deselectAll();
        QWidget::mousePressEvent(event);
        return;
    }

    m_dragging = true;
    const QPoint p = event->pos();
    if (onVCursor(0, p))
        selectVCursor1();
    else if (onVCursor(1, p))
        selectVCursor2();
    else if (onHCursor(0, p))
        selectHCursor1();
    else if (onHCursor(1, p))
        selectHCursor2();
    else {
        deselectAll();
        QWidget::mousePressEvent(event);
        return;
    }
    update();
    event->accept();
}

void QCursorFrame::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    const bool hShown = isHorizontalCursorShown();
    const bool vShown = isVerticalCursorShown();
    const bool onHBand = m_hBand[0].contains(p) || m_hBand[1].contains(p);
    const bool onHHandle = m_hHandle[0].contains(p) || m_hHandle[1].contains(p);
    const bool onVBand = m_vBand[0].contains(p) || m_vBand[1].contains(p);
    const bool onVHandle = m_vHandle[0].contains(p) || m_vHandle[1].contains(p);

    if (onHBand && hShown) {
        setCursor(Qt::SizeVerCursor);
    } else if (onHHandle && hShown) {
        setCursor(Qt::PointingHandCursor);
    } else if (onVBand && vShown) {
        setCursor(Qt::SizeHorCursor);
    } else if (onVHandle && vShown) {
        setCursor(Qt::PointingHandCursor);
    } else if (!(onHBand || onHHandle || onVBand || onVHandle) && !m_dragging) {
        setCursor(m_normalCursor);
        QWidget::mouseMoveEvent(event);
        return;
    }

    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }

    // Only the strip around the moved cursor needs repainting; a full repaint of a
    // screen-sized translucent overlay would not keep up with a fast mouse.
    bool horizontal;
    int k;
    if (m_selV[0] || m_selV[1]) {
        horizontal = false;
        k = m_selV[0] ? 0 : 1;
    } else if (m_selH[0] || m_selH[1]) {
        horizontal = true;
        k = m_selH[0] ? 0 : 1;
    } else {
        QWidget::mouseMoveEvent(event);
        return;
    }

    const QRect before = cursorBounds(horizontal, k);
    if (horizontal) {
        if (k == 0)
            setHPosition1(p.y(), true);
        else
            setHPosition2(p.y(), true);
        updateHCursorPosition();
    } else {
        if (k == 0)
            setVPosition1(p.x(), true);
        else
            setVPosition2(p.x(), true);
        updateVCursorPosition();
    }
    update(QRegion(before) + cursorBounds(horizontal, k));
    event->accept();
}

void QCursorFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        if ((!onVCursor(0, p) && m_selV[0]) || (!onVCursor(1, p) && m_selV[1])
            || (!onHCursor(0, p) && m_selH[0]) || (!onHCursor(1, p) && m_selH[1]))
            setCursor(m_normalCursor);
    }

    if (!(m_selH[0] || m_selH[1] || m_selV[0] || m_selV[1])) {
        setCursor(m_normalCursor);
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void QCursorFrame::keyPressEvent(QKeyEvent *event)
{
    if (m_selV[0] || m_selV[1]) {
        const int k = m_selV[0] ? 0 : 1;
        int step = 0;
        if (event->key() == Qt::Key_Left)
            step = -1;
        else if (event->key() == Qt::Key_Right)
            step = 1;
        if (step != 0) {
            if (k == 0)
                setVPosition1(m_pixV[0] + step, true);
            else
                setVPosition2(m_pixV[1] + step, true);
        }
        updateVCursorPosition();
    } else if (m_selH[0] || m_selH[1]) {
        const int k = m_selH[0] ? 0 : 1;
        int step = 0;
        if (event->key() == Qt::Key_Up)
            step = -1;
        else if (event->key() == Qt::Key_Down)
            step = 1;
        if (step != 0) {
            if (k == 0)
                setHPosition1(m_pixH[0] + step, true);
            else
                setHPosition2(m_pixH[1] + step, true);
        }
        updateHCursorPosition();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    update();
    event->accept();
}

void QCursorFrame::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        if (m_orientation & VerticalCursor)
            paintVCursor(&painter);
        if (m_orientation & HorizontalCursor)
            paintHCursor(&painter);
    }
    QWidget::paintEvent(event);
}

void QCursorFrame::selectHCursor1()
{
    if (!isHorizontalCursorShown())
        return;
    m_selH[0] = true;
    m_selH[1] = m_selV[0] = m_selV[1] = false;
    setFocus(Qt::OtherFocusReason);
}

void QCursorFrame::selectHCursor2()
{
    if (!isHorizontalCursorShown())
        return;
    m_selH[1] = true;
    m_selH[0] = m_selV[0] = m_selV[1] = false;
    setFocus(Qt::OtherFocusReason);
}

void QCursorFrame::selectVCursor1()
{
    if (!isVerticalCursorShown())
        return;
    m_selV[0] = true;
    m_selV[1] = m_selH[0] = m_selH[1] = false;
    setFocus(Qt::OtherFocusReason);
}

void QCursorFrame::selectVCursor2()
{
    if (!isVerticalCursorShown())
        return;
    m_selV[1] = true;
    m_selV[0] = m_selH[0] = m_selH[1] = false;
    setFocus(Qt::OtherFocusReason);
}

void QCursorFrame::deselectAll()
{
    m_selH[0] = m_selH[1] = m_selV[0] = m_selV[1] = false;
    m_dragging = false;
    clearFocus();
}

void QCursorFrame::setHPosition1(int y, bool notify)
{
    m_pixH[0] = clampRow(y);
    if (notify && m_hRange > 0) {
        m_normH[0] = double(m_pixH[0] - m_margin) / m_hRange;
        emit sigHCursor1Moved(m_normH[0]);
        emit sigHCursor1PosChanged(m_normH[0]);
    }
}

void QCursorFrame::setHPosition2(int y, bool notify)
{
    m_pixH[1] = clampRow(y);
    if (notify && m_hRange > 0) {
        m_normH[1] = double(m_pixH[1] - m_margin) / m_hRange;
        emit sigHCursor2Moved(m_normH[1]);
        emit sigHCursor2PosChanged(m_normH[1]);
    }
}

void QCursorFrame::setVPosition1(int x, bool notify)
{
    m_pixV[0] = clampColumn(x);
    if (notify && m_vRange > 0) {
        m_normV[0] = double(m_pixV[0] - m_margin) / m_vRange;
        emit sigVCursor1Moved(m_normV[0]);
        emit sigVCursor1PosChanged(m_normV[0]);
    }
}

void QCursorFrame::setVPosition2(int x, bool notify)
{
    m_pixV[1] = clampColumn(x);
    if (notify && m_vRange > 0) {
        m_normV[1] = double(m_pixV[1] - m_margin) / m_vRange;
        emit sigVCursor2Moved(m_normV[1]);
        emit sigVCursor2PosChanged(m_normV[1]);
    }
}

void QCursorFrame::updateHPosition()
{
    const int h = qMax(0, m_measureArea.height());
    m_hLimit = h + m_margin;
    m_hRange = h;
    for (int k = 0; k < 2; ++k)
        m_pixH[k] = clampRow(m_margin + fractionToOffset(m_normH[k], h));
}

void QCursorFrame::updateVPosition()
{
    const int w = qMax(0, m_measureArea.width());
    m_vLimit = w + m_margin;
    m_vRange = w;
    for (int k = 0; k < 2; ++k)
        m_pixV[k] = clampColumn(m_margin + fractionToOffset(m_normV[k], w));
}

void QCursorFrame::updateHCursorPosition()
{
    const int m = m_margin;
    const int w = qMax(0, m_measureArea.width());
    for (int k = 0; k < 2; ++k) {
        const int y = m_pixH[k];
        QPainterPath handles;
        handles.addEllipse(QRectF(0, y - m / 2, m, m));
        handles.addEllipse(QRectF(w + m + 2, y - m / 2, m, m));
        m_hHandle[k] = handles;
        m_hLine[k] = QLine(m, y, m + w, y);
        m_hBand[k] = QRect(m, y - 1, w, 3);
    }
}

void QCursorFrame::updateVCursorPosition()
{
    const int m = m_margin;
    const int h = qMax(0, m_measureArea.height());
    for (int k = 0; k < 2; ++k) {
        const int x = m_pixV[k];
        QPainterPath handles;
        handles.addEllipse(QRectF(x - m / 2, 0, m, m));
        handles.addEllipse(QRectF(x - m / 2, h + m + 2, m, m));
        m_vHandle[k] = handles;
        m_vLine[k] = QLine(x, m, x, m + h);
        m_vBand[k] = QRect(x - 1, m, 3, h);
    }
}

void QCursorFrame::paintHCursor(QPainter *painter)
{
    if (!isHorizontalCursorShown())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    for (int k = 0; k < 2; ++k) {
        const QBrush &brush = m_selH[k] ? m_hSelectedBrush : m_handleBrush;
        painter->setPen(QPen(brush.color()));
        painter->setBrush(brush);
        painter->drawPath(m_hHandle[k]);
    }
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(m_lineColor));
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(m_hLine[0]);
    painter->drawLine(m_hLine[1]);
    painter->restore();
}

void QCursorFrame::paintVCursor(QPainter *painter)
{
    if (!isVerticalCursorShown())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    for (int k = 0; k < 2; ++k) {
        const QBrush &brush = m_selV[k] ? m_vSelectedBrush : m_handleBrush;
        painter->setPen(QPen(brush.color()));
        painter->setBrush(brush);
        painter->drawPath(m_vHandle[k]);
    }
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(m_lineColor));
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(m_vLine[0]);
    painter->drawLine(m_vLine[1]);
    painter->restore();
}

int QCursorFrame::clampRow(int y) const
{
    // Before the first setMeasureArea the limit is 0; never let a row fall below the margin.
    return y < m_margin ? m_margin : qMin(y, qMax(m_hLimit, m_margin));
}

int QCursorFrame::clampColumn(int x) const
{
    return x < m_margin ? m_margin : qMin(x, qMax(m_vLimit, m_margin));
}

bool QCursorFrame::onHCursor(int k, const QPoint &p) const
{
    return m_hBand[k].contains(p) || m_hHandle[k].contains(QPointF(p));
}

bool QCursorFrame::onVCursor(int k, const QPoint &p) const
{
    return m_vBand[k].contains(p) || m_vHandle[k].contains(QPointF(p));
}

QRect QCursorFrame::cursorBounds(bool horizontal, int k) const
{
    if (horizontal)
        return QRect(0, m_pixH[k] - m_margin, width(), 2 * m_margin + 1);
    return QRect(m_pixV[k] - m_margin, 0, 2 * m_margin + 1, height());
}
