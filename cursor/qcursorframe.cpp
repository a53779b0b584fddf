// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcursorframe.h"
#include "cursoraccessible_p.h"

#include "widgetdecksaturate_p.h"

#include <QBrush>
#include <QKeyEvent>
#include <QLine>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <climits>
#include <cmath>

namespace {
// A position stored as a fraction may come back a hair below the integer it was made from
// ((1.0 / 49) * 49 < 1); without this slack a cursor would creep one pixel per relayout.
constexpr double TruncSlack = 1e-9;
constexpr int Margin = 7;
// Pair indices: the horizontal pair moves along y, the vertical pair along x.
constexpr int H = 0;
constexpr int V = 1;

int fractionToOffset(double normalized, int range)
{
    const double offset = std::trunc(normalized * range + TruncSlack);
    return offset >= double(INT_MAX) ? INT_MAX : int(offset);
}

bool isFraction(double value)
{
    return value >= 0.0 && value <= 1.0; // false for NaN as well
}

// Areas near INT_MAX: sums of sizes and margins are done in 64 bits and saturated (rectangles
// are built from their corners, since QRect(x, y, w, h) adds in int).
using WidgetDeckPrivate::saturated;

int coordinate(int orientation, const QPoint &p)
{
    return orientation == H ? p.y() : p.x();
}

int keyStep(int orientation, int key)
{
    if (orientation == H)
        return key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    return key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
}

struct CursorPair {
    double norm[2] = {0.0, 1.0};
    int pix[2] = {Margin, Margin};
    int limit = 0;
    int range = 0;
    QLine line[2];
    QRect band[2];
    QPainterPath handle[2];
    bool selected[2] = {false, false};
    bool shown = false;
    QBrush selectedBrush;
};
} // namespace

class QCursorFramePrivate
{
public:
    explicit QCursorFramePrivate(QFlags<QCursorFrame::CursorOrientation> o)
        : orientation(o)
    {
        pair[H].selectedBrush = QBrush(QColor(Qt::darkCyan));
        pair[V].selectedBrush = QBrush(QColor(Qt::red));
    }

    bool managed(int o) const
    {
        return orientation & (o == H ? QCursorFrame::HorizontalCursor : QCursorFrame::VerticalCursor);
    }
    bool shown(int o) const { return pair[o].shown && managed(o); }
    int extent(int o) const { return qMax(0, o == H ? area.height() : area.width()); }
    int clamp(int o, int value) const
    {
        // Before the first setMeasureArea the limit is 0; never let a cursor fall below the margin.
        return value < Margin ? Margin : qMin(value, qMax(pair[o].limit, Margin));
    }
    bool on(int o, int k, const QPoint &p) const
    {
        return pair[o].band[k].contains(p) || pair[o].handle[k].contains(QPointF(p));
    }
    // The selected cursor as (orientation, index); false when none is selected.
    bool selection(int *o, int *k) const
    {
        for (int po : {V, H}) {
            for (int pk = 0; pk < 2; ++pk) {
                if (pair[po].selected[pk]) {
                    *o = po;
                    *k = pk;
                    return true;
                }
            }
        }
        return false;
    }
    static const QCursorFramePrivate *of(const QCursorFrame *frame) { return frame->d.get(); }
    bool anySelected() const
    {
        int o, k;
        return selection(&o, &k);
    }
    void relayoutPixels(int o)
    {
        const int extentPx = extent(o);
        pair[o].limit = saturated(qint64(extentPx) + Margin);
        pair[o].range = extentPx;
        for (int k = 0; k < 2; ++k)
            pair[o].pix[k] = clamp(o, saturated(qint64(Margin) + fractionToOffset(pair[o].norm[k], extentPx)));
    }
    void relayoutShapes(int o)
    {
        const int m = Margin;
        const int across = qMax(0, o == H ? area.width() : area.height());
        const int far = saturated(qint64(across) + m);
        for (int k = 0; k < 2; ++k) {
            const int at = pair[o].pix[k];
            QPainterPath handles;
            if (o == H) {
                handles.addEllipse(QRectF(0, at - m / 2, m, m));
                handles.addEllipse(QRectF(double(across) + m + 2, at - m / 2, m, m));
                pair[o].line[k] = QLine(m, at, far, at);
                pair[o].band[k] = QRect(QPoint(m, at - 1), QPoint(saturated(qint64(m) + across - 1), saturated(qint64(at) + 1)));
            } else {
                handles.addEllipse(QRectF(at - m / 2, 0, m, m));
                handles.addEllipse(QRectF(at - m / 2, double(across) + m + 2, m, m));
                pair[o].line[k] = QLine(at, m, at, far);
                pair[o].band[k] = QRect(QPoint(at - 1, m), QPoint(saturated(qint64(at) + 1), saturated(qint64(m) + across - 1)));
            }
            pair[o].handle[k] = handles;
        }
    }
    QRect bounds(int o, int k, const QSize &size) const
    {
        const int at = pair[o].pix[k];
        if (o == H)
            return QRect(QPoint(0, at - Margin), QPoint(size.width() - 1, saturated(qint64(at) + Margin)));
        return QRect(QPoint(at - Margin, 0), QPoint(saturated(qint64(at) + Margin), size.height() - 1));
    }
    void paint(int o, QPainter *painter) const
    {
        if (!shown(o))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        for (int k = 0; k < 2; ++k) {
            const QBrush &brush = pair[o].selected[k] ? pair[o].selectedBrush : handleBrush;
            painter->setPen(QPen(brush.color()));
            painter->setBrush(brush);
            painter->drawPath(pair[o].handle[k]);
        }
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(lineColor));
        painter->setBrush(Qt::NoBrush);
        painter->drawLine(pair[o].line[0]);
        painter->drawLine(pair[o].line[1]);
        painter->restore();
    }

    QFlags<QCursorFrame::CursorOrientation> orientation;
    QRect area;
    CursorPair pair[2];
    bool dragging = false;
    QCursor normalCursor = QCursor(Qt::ArrowCursor);
    QColor lineColor = QColor(Qt::black);
    QBrush handleBrush = QBrush(QColor(Qt::black));
};

QCursorFrame::QCursorFrame(QWidget *parent, QFlags<CursorOrientation> orientation)
    : QWidget(parent, Qt::FramelessWindowHint)
    , d(new QCursorFramePrivate(orientation))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    setObjectName(QStringLiteral("QCursorFrame"));
}

QCursorFrame::~QCursorFrame() = default;

void QCursorFrame::setMeasureArea(const QPoint &topLeft, const QSize &size)
{
    d->area = QRect(topLeft, size);
    const qint64 w = qMax(0, size.width());
    const qint64 h = qMax(0, size.height());
    setGeometry(saturated(qint64(topLeft.x()) - Margin - 1), saturated(qint64(topLeft.y()) - Margin - 1),
                saturated(w + 2 * Margin + 2), saturated(h + 2 * Margin + 2));
    for (int o : {H, V}) {
        if (d->managed(o)) {
            d->relayoutPixels(o);
            d->relayoutShapes(o);
        }
    }
    update();
}

QRect QCursorFrame::getMeasureArea() const
{
    return d->area;
}

bool QCursorFrame::setNormalized(int o, int k, double pos)
{
    if (!isFraction(pos))
        return false;
    CursorPair &pair = d->pair[o];
    pair.norm[k] = pos;
    pair.pix[k] = d->clamp(o, saturated(qint64(Margin) + fractionToOffset(pos, pair.range)));
    if (d->managed(o))
        d->relayoutShapes(o);
    WidgetDeckAccessible::cursorsChanged(this);
    emitPosChanged(o, k, pos);
    return true;
}

bool QCursorFrame::setNormalizedHPos1(double pos)
{
    return setNormalized(H, 0, pos);
}

bool QCursorFrame::setNormalizedHPos2(double pos)
{
    return setNormalized(H, 1, pos);
}

bool QCursorFrame::setNormalizedVPos1(double pos)
{
    return setNormalized(V, 0, pos);
}

bool QCursorFrame::setNormalizedVPos2(double pos)
{
    return setNormalized(V, 1, pos);
}

double QCursorFrame::getNormalizedHPos1() const
{
    return d->pair[H].norm[0];
}

double QCursorFrame::getNormalizedHPos2() const
{
    return d->pair[H].norm[1];
}

double QCursorFrame::getNormalizedVPos1() const
{
    return d->pair[V].norm[0];
}

double QCursorFrame::getNormalizedVPos2() const
{
    return d->pair[V].norm[1];
}

int QCursorFrame::getVPos1() const
{
    return d->pair[V].pix[0];
}

int QCursorFrame::getVPos2() const
{
    return d->pair[V].pix[1];
}

void QCursorFrame::showPair(int o, bool show)
{
    for (int po : {H, V})
        d->pair[po].selected[0] = d->pair[po].selected[1] = false;
    d->dragging = false;
    clearFocus();
    d->pair[o].shown = show;
    update();
    WidgetDeckAccessible::cursorsChanged(this);
}

void QCursorFrame::showHorizontalCursor(bool show)
{
    showPair(H, show);
}

void QCursorFrame::showVerticalCursor(bool show)
{
    showPair(V, show);
}

bool QCursorFrame::isHorizontalCursorShown() const
{
    return d->shown(H);
}

bool QCursorFrame::isVerticalCursorShown() const
{
    return d->shown(V);
}

void QCursorFrame::setLineColor(const QColor &color)
{
    d->lineColor = color;
}

void QCursorFrame::setNormalCursor(const QCursor &cursor)
{
    d->normalCursor = cursor;
}

bool QCursorFrame::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        int o, k;
        auto *key = static_cast<QKeyEvent *>(event);
        if (d->selection(&o, &k) && key->modifiers() == Qt::NoModifier && keyStep(o, key->key()) != 0) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void QCursorFrame::mousePressEvent(QMouseEvent *event)
{
    for (int po : {H, V})
        d->pair[po].selected[0] = d->pair[po].selected[1] = false;
    d->dragging = false;

    if (event->button() == Qt::LeftButton) {
        // Vertical cursors win where the pairs cross, cursor 1 over cursor 2. A hidden cursor
        // is not selected, but its line still keeps the press from the host and from a visible
        // cursor crossing it.
        const QPoint p = event->pos();
        for (int o : {V, H}) {
            for (int k = 0; k < 2; ++k) {
                if (!d->on(o, k, p))
                    continue;
                if (d->shown(o)) {
                    d->pair[o].selected[k] = true;
                    d->dragging = true;
                    setFocus(Qt::OtherFocusReason);
                    WidgetDeckAccessible::cursorsChanged(this);
                } else {
                    clearFocus();
                }
                update();
                event->accept();
                return;
            }
        }
    }
    clearFocus();
    QWidget::mousePressEvent(event);
}

void QCursorFrame::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    bool onBand[2] = {false, false};
    bool onHandle[2] = {false, false};
    for (int o : {H, V}) {
        onBand[o] = d->pair[o].band[0].contains(p) || d->pair[o].band[1].contains(p);
        onHandle[o] = d->pair[o].handle[0].contains(p) || d->pair[o].handle[1].contains(p);
    }

    if (onBand[H] && d->shown(H)) {
        setCursor(Qt::SizeVerCursor);
    } else if (onHandle[H] && d->shown(H)) {
        setCursor(Qt::PointingHandCursor);
    } else if (onBand[V] && d->shown(V)) {
        setCursor(Qt::SizeHorCursor);
    } else if (onHandle[V] && d->shown(V)) {
        setCursor(Qt::PointingHandCursor);
    } else if (!(onBand[H] || onHandle[H] || onBand[V] || onHandle[V]) && !d->dragging) {
        setCursor(d->normalCursor);
        QWidget::mouseMoveEvent(event);
        return;
    }

    int o, k;
    if (!d->dragging || !d->selection(&o, &k)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
    moveCursor(o, k, coordinate(o, p));
}

void QCursorFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    int o, k;
    const bool selected = d->selection(&o, &k);
    if (event->button() == Qt::LeftButton) {
        d->dragging = false;
        if (selected && !d->on(o, k, p))
            setCursor(d->normalCursor);
    }
    if (!selected) {
        setCursor(d->normalCursor);
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void QCursorFrame::keyPressEvent(QKeyEvent *event)
{
    int o, k;
    if (!d->selection(&o, &k)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int step = keyStep(o, event->key());
    if (step != 0)
        moveCursor(o, k, saturated(qint64(d->pair[o].pix[k]) + step));
    else
        update();
}

void QCursorFrame::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        if (d->managed(V))
            d->paint(V, &painter);
        if (d->managed(H))
            d->paint(H, &painter);
    }
    QWidget::paintEvent(event);
}

void QCursorFrame::moveCursor(int o, int k, int pixel)
{
    // Only the strip around the moved cursor needs repainting; a full repaint of a
    // screen-sized translucent overlay would not keep up with a fast mouse.
    const QRect before = d->bounds(o, k, size());
    CursorPair &pair = d->pair[o];
    pair.pix[k] = d->clamp(o, pixel);
    d->relayoutShapes(o);
    update(QRegion(before) + d->bounds(o, k, size()));
    if (pair.range <= 0)
        return;
    pair.norm[k] = double(pair.pix[k] - Margin) / pair.range;
    const double pos = pair.norm[k];
    WidgetDeckAccessible::cursorsChanged(this);

    // Hosts may delete the frame from either signal: nothing of it is touched in between.
    QPointer<QCursorFrame> guard(this);
    emitMoved(o, k, pos);
    if (guard)
        emitPosChanged(o, k, pos);
}

void QCursorFrame::emitMoved(int o, int k, double pos)
{
    if (o == H)
        k == 0 ? emit sigHCursor1Moved(pos) : emit sigHCursor2Moved(pos);
    else
        k == 0 ? emit sigVCursor1Moved(pos) : emit sigVCursor2Moved(pos);
}

void QCursorFrame::emitPosChanged(int o, int k, double pos)
{
    if (o == H)
        k == 0 ? emit sigHCursor1PosChanged(pos) : emit sigHCursor2PosChanged(pos);
    else
        k == 0 ? emit sigVCursor1PosChanged(pos) : emit sigVCursor2PosChanged(pos);
}

QColor QCursorFrame::lineColor() const
{
    return d->lineColor;
}

bool WidgetDeckAccessible::selectedCursor(const QCursorFrame *frame, bool *vertical, int *index)
{
    int o = H;
    const bool any = QCursorFramePrivate::of(frame)->selection(&o, index);
    *vertical = o == V;
    return any;
}
