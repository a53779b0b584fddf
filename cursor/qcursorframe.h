// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCURSORFRAME_H
#define QCURSORFRAME_H

#include "widgetdeck_export.h"

#include <QColor>
#include <QCursor>
#include <QRect>
#include <QWidget>

#include <memory>

class QCursorFramePrivate;

/// Transparent overlay that lays two horizontal and/or two vertical measurement cursors over
/// a plot area and reports their positions as fractions (0.0 to 1.0) of that area.
class WIDGETDECK_EXPORT QCursorFrame : public QWidget
{
    Q_OBJECT
    /// Horizontal cursor 1 as a fraction of the area's height; values outside 0..1 are refused.
    Q_PROPERTY(double normalizedHPos1 READ getNormalizedHPos1 WRITE setNormalizedHPos1 NOTIFY sigHCursor1PosChanged)
    /// Horizontal cursor 2, as normalizedHPos1.
    Q_PROPERTY(double normalizedHPos2 READ getNormalizedHPos2 WRITE setNormalizedHPos2 NOTIFY sigHCursor2PosChanged)
    /// Vertical cursor 1 as a fraction of the area's width.
    Q_PROPERTY(double normalizedVPos1 READ getNormalizedVPos1 WRITE setNormalizedVPos1 NOTIFY sigVCursor1PosChanged)
    /// Vertical cursor 2, as normalizedVPos1.
    Q_PROPERTY(double normalizedVPos2 READ getNormalizedVPos2 WRITE setNormalizedVPos2 NOTIFY sigVCursor2PosChanged)
    /// Whether the horizontal pair is shown (only a frame that manages it can show it).
    Q_PROPERTY(bool horizontalCursorShown READ isHorizontalCursorShown WRITE showHorizontalCursor)
    /// Whether the vertical pair is shown.
    Q_PROPERTY(bool verticalCursorShown READ isVerticalCursorShown WRITE showVerticalCursor)
    /// Pen colour of the four lines.
    Q_PROPERTY(QColor lineColor READ lineColor WRITE setLineColor)
public:
    /// Which cursor pairs a frame manages.
    enum CursorOrientation {
        HorizontalCursor = 0x1, ///< two lines across the area, moving up and down
        VerticalCursor = 0x2    ///< two lines through the area, moving left and right
    };
    Q_DECLARE_FLAGS(CursorOrientations, CursorOrientation)
    Q_FLAG(CursorOrientations)

    /// Builds a frame for the cursor pairs in @p orientation; both pairs start hidden.
    explicit QCursorFrame(QWidget *parent = nullptr, QFlags<CursorOrientation> orientation = VerticalCursor);
    /// Destroys the frame.
    ~QCursorFrame() override;

    /// Places the frame 8 pixels around the area (parent coordinates) and re-lays the cursors
    /// at their normalized positions. Emits nothing.
    void setMeasureArea(const QPoint &topLeft, const QSize &size);
    /// The area given to setMeasureArea().
    QRect getMeasureArea() const;

    /// Moves a cursor to a fraction of the area; values outside 0.0..1.0 are refused (false).
    /// Emits the cursor's ...PosChanged signal; the change shows at the next paint.
    bool setNormalizedHPos1(double pos);
    /// @see setNormalizedHPos1
    bool setNormalizedHPos2(double pos);
    /// @see setNormalizedHPos1
    bool setNormalizedVPos1(double pos);
    /// @see setNormalizedHPos1
    bool setNormalizedVPos2(double pos);

    /// Position of a cursor as a fraction of the area's height (H) or width (V).
    double getNormalizedHPos1() const;
    /// @see getNormalizedHPos1
    double getNormalizedHPos2() const;
    /// @see getNormalizedHPos1
    double getNormalizedVPos1() const;
    /// @see getNormalizedHPos1
    double getNormalizedVPos2() const;

    /// Pixel column of vertical cursor 1 in the frame's own coordinates.
    int getVPos1() const;
    /// Pixel column of vertical cursor 2 in the frame's own coordinates.
    int getVPos2() const;

    /// Shows or hides the horizontal pair; clears every selection.
    void showHorizontalCursor(bool show);
    /// Shows or hides the vertical pair; clears every selection.
    void showVerticalCursor(bool show);
    /// True when the horizontal pair is managed by this frame and shown.
    bool isHorizontalCursorShown() const;
    /// True when the vertical pair is managed by this frame and shown.
    bool isVerticalCursorShown() const;
    /// Pen colour of the four lines (black until setLineColor()).
    QColor lineColor() const;

public Q_SLOTS:
    /// Pen colour of the four lines; handles keep their own colours. Shows at the next paint.
    void setLineColor(const QColor &color);
    /// Pointer shape used away from the cursors; applied at the next mouse event.
    void setNormalCursor(const QCursor &cursor);

Q_SIGNALS:
    /// The user moved horizontal cursor 1 (drag or arrow key).
    void sigHCursor1Moved(double pos);
    /// The user moved horizontal cursor 2.
    void sigHCursor2Moved(double pos);
    /// The user moved vertical cursor 1.
    void sigVCursor1Moved(double pos);
    /// The user moved vertical cursor 2.
    void sigVCursor2Moved(double pos);
    /// Horizontal cursor 1 has a new position (user move or setter).
    void sigHCursor1PosChanged(double pos);
    /// Horizontal cursor 2 has a new position.
    void sigHCursor2PosChanged(double pos);
    /// Vertical cursor 1 has a new position.
    void sigVCursor1PosChanged(double pos);
    /// Vertical cursor 2 has a new position.
    void sigVCursor2PosChanged(double pos);

protected:
    /// Claims the arrow keys while a cursor is selected, before host shortcuts see them.
    bool event(QEvent *event) override;
    /// Drag, key and paint handlers of the cursors. @{
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    /// @}

private:
    friend class QCursorFramePrivate;
    bool setNormalized(int orientation, int cursor, double pos);
    void moveCursor(int orientation, int cursor, int pixel);
    void emitMoved(int orientation, int cursor, double pos);
    void emitPosChanged(int orientation, int cursor, double pos);
    void showPair(int orientation, bool show);

    std::unique_ptr<QCursorFramePrivate> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QCursorFrame::CursorOrientations)

#endif // QCURSORFRAME_H
