// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>

#include "qcursorframe.h"

namespace {
// Parent that records what the frame passes on.
class Plot : public QWidget
{
public:
    int presses = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

// Records every signal of a frame, in emission order, as "name=value".
QStringList *recordSignals(QCursorFrame *frame)
{
    auto *log = new QStringList;
    const auto hook = [frame, log](void (QCursorFrame::*sig)(double), const QString &name) {
        QObject::connect(frame, sig, frame, [log, name](double v) { log->append(QStringLiteral("%1=%2").arg(name).arg(v)); });
    };
    hook(&QCursorFrame::sigHCursor1Moved, "H1Moved");
    hook(&QCursorFrame::sigHCursor2Moved, "H2Moved");
    hook(&QCursorFrame::sigVCursor1Moved, "V1Moved");
    hook(&QCursorFrame::sigVCursor2Moved, "V2Moved");
    hook(&QCursorFrame::sigHCursor1PosChanged, "H1Pos");
    hook(&QCursorFrame::sigHCursor2PosChanged, "H2Pos");
    hook(&QCursorFrame::sigVCursor1PosChanged, "V1Pos");
    hook(&QCursorFrame::sigVCursor2PosChanged, "V2Pos");
    return log;
}

void drag(QWidget *w, const QPoint &from, const QList<QPoint> &path)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    for (const QPoint &p : path) {
        QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, path.isEmpty() ? from : path.last());
}

const auto Both = QCursorFrame::CursorOrientations(QCursorFrame::HorizontalCursor | QCursorFrame::VerticalCursor);
} // namespace

class tst_CursorFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void geometry_data();
    void geometry();
    void normalizedSetters();
    void relayoutKeepsPixels();
    void dragClampsAndSignals();
    void zeroRangeIsSilent();
    void selectionKeysAndPassing();
    void painting();
    void defaultOrientation();
};

void tst_CursorFrame::geometry_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<double>("v1");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("column");
    QTest::newRow("middle") << QRect(100, 50, 400, 300) << 0.5 << QRect(92, 42, 416, 316) << 207;
    QTest::newRow("left edge") << QRect(100, 50, 400, 300) << 0.0 << QRect(92, 42, 416, 316) << 7;
    QTest::newRow("last column") << QRect(100, 50, 400, 300) << 1.0 << QRect(92, 42, 416, 316) << 407;
    QTest::newRow("truncates") << QRect(0, 0, 3, 3) << 0.5 << QRect(-8, -8, 19, 19) << 8;
    QTest::newRow("just below") << QRect(10, 10, 100, 10) << 0.999 << QRect(2, 2, 116, 26) << 106;
    QTest::newRow("1/49 is a whole pixel") << QRect(0, 0, 49, 10) << 1.0 / 49 << QRect(-8, -8, 65, 26) << 8;
    // Sizes near INT_MAX saturate instead of overflowing (the frame itself is clamped by Qt).
    QTest::newRow("huge, middle") << QRect(0, 0, INT_MAX - 3, 10) << 0.5 << QRect() << 1073741829;
    QTest::newRow("huge, end") << QRect(0, 0, INT_MAX - 3, 10) << 1.0 << QRect() << INT_MAX;
}

void tst_CursorFrame::geometry()
{
    QFETCH(QRect, area);
    QFETCH(double, v1);
    QFETCH(QRect, frame);
    QFETCH(int, column);

    QWidget parent;
    QCursorFrame f(&parent);
    QSignalSpy spy(&f, &QCursorFrame::sigVCursor1PosChanged);
    QVERIFY(f.setNormalizedVPos1(v1));
    spy.clear();
    f.setMeasureArea(area.topLeft(), area.size());
    QCOMPARE(spy.count(), 0);
    if (!frame.isNull())
        QCOMPARE(f.geometry(), frame);
    QCOMPARE(f.getVPos1(), column);
    QCOMPARE(f.getVPos2(), int(qMin<qint64>(7 + qint64(area.width()), INT_MAX)));
}

void tst_CursorFrame::normalizedSetters()
{
    QWidget parent;
    QCursorFrame f(&parent, Both);
    f.setMeasureArea(QPoint(100, 50), QSize(400, 300));
    std::unique_ptr<QStringList> log(recordSignals(&f));

    for (double bad : {1.5, -0.1, std::nan("")}) {
        QVERIFY(!f.setNormalizedHPos1(bad));
        QVERIFY(!f.setNormalizedVPos2(bad));
    }
    QCOMPARE(f.getNormalizedHPos1(), 0.0);
    QCOMPARE(f.getNormalizedVPos2(), 1.0);
    QVERIFY(log->isEmpty());

    QVERIFY(f.setNormalizedHPos1(1.0));
    QVERIFY(f.setNormalizedHPos2(0.25));
    QVERIFY(f.setNormalizedVPos1(0.5));
    QVERIFY(f.setNormalizedVPos2(0.0));
    QCOMPARE(*log, QStringList({"H1Pos=1", "H2Pos=0.25", "V1Pos=0.5", "V2Pos=0"}));
    QCOMPARE(f.getVPos1(), 207);
    QCOMPARE(f.getVPos2(), 7);

    // H1 now lies on the area's last row (7 + 300): a press there selects it.
    f.showHorizontalCursor(true);
    log->clear();
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(50, 307));
    QTest::keyClick(&f, Qt::Key_Down);
    QCOMPARE(*log, QStringList({"H1Moved=1", "H1Pos=1"}));
}

void tst_CursorFrame::relayoutKeepsPixels()
{
    // A cursor dragged to a pixel must stay on that pixel when the host repeats setMeasureArea.
    QWidget parent;
    QCursorFrame f(&parent);
    f.showVerticalCursor(true);
    f.setMeasureArea(QPoint(0, 0), QSize(49, 30));
    drag(&f, QPoint(7, 20), {QPoint(8, 20)});
    QCOMPARE(f.getVPos1(), 8);
    for (int i = 0; i < 3; ++i) {
        f.setMeasureArea(QPoint(0, 0), QSize(49, 30));
        QCOMPARE(f.getVPos1(), 8);
    }
    // A larger area keeps the fraction.
    f.setMeasureArea(QPoint(0, 0), QSize(98, 30));
    QCOMPARE(f.getVPos1(), 9);
}

void tst_CursorFrame::dragClampsAndSignals()
{
    QWidget parent;
    QCursorFrame f(&parent, Both);
    f.setMeasureArea(QPoint(100, 50), QSize(400, 300));
    f.showHorizontalCursor(true);
    std::unique_ptr<QStringList> log(recordSignals(&f));

    // A drag of the vertical pair while it is hidden changes nothing.
    drag(&f, QPoint(7, 100), {QPoint(150, 100)});
    QVERIFY(log->isEmpty());

    // H1 starts at row 7; drag it above the area, then below, then to row 157.
    drag(&f, QPoint(200, 7), {QPoint(200, -40), QPoint(200, 900), QPoint(200, 157)});
    QCOMPARE(*log, QStringList({"H1Moved=0", "H1Pos=0", "H1Moved=1", "H1Pos=1", "H1Moved=0.5", "H1Pos=0.5"}));
    QCOMPARE(f.getNormalizedHPos1(), 0.5);

    // H2 at the bottom row, dragged by its right-hand handle.
    f.showVerticalCursor(true);
    log->clear();
    drag(&f, QPoint(400 + 7 + 2 + 3, 307), {QPoint(300, 300)});
    QCOMPARE(*log, QStringList({"H2Moved=0.976667", "H2Pos=0.976667"}));
}

void tst_CursorFrame::zeroRangeIsSilent()
{
    QWidget parent;
    QCursorFrame f(&parent);
    f.resize(100, 100);
    f.showVerticalCursor(true);
    QVERIFY(f.setNormalizedVPos1(0.0)); // lays out V1's handles although there is no area
    std::unique_ptr<QStringList> log(recordSignals(&f));

    drag(&f, QPoint(7, 3), {QPoint(30, 3), QPoint(60, 3)});
    QTest::mousePress(&f, Qt::LeftButton, Qt::NoModifier, QPoint(7, 3));
    QTest::keyClick(&f, Qt::Key_Right);
    QTest::keyClick(&f, Qt::Key_Left);
    QTest::keyClick(&f, Qt::Key_Left);
    QVERIFY(log->isEmpty());
    QCOMPARE(f.getVPos1(), 7); // never outside the margin
}

void tst_CursorFrame::selectionKeysAndPassing()
{
    Plot parent;
    QCursorFrame f(&parent, Both);
    f.setMeasureArea(QPoint(10, 10), QSize(200, 100));
    std::unique_ptr<QStringList> log(recordSignals(&f));

    // Hidden pair: the press is consumed but selects nothing, so keys go to the parent.
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(8, 50));
    QTest::keyClick(&f, Qt::Key_Right);
    QCOMPARE(parent.presses, 0);
    QCOMPARE(parent.keys, 1);

    f.showHorizontalCursor(true);
    f.showVerticalCursor(true);
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(100, 7)); // H1 on row 7
    QTest::keyClick(&f, Qt::Key_Up);
    QTest::keyClick(&f, Qt::Key_Down);
    QTest::keyClick(&f, Qt::Key_Left); // not for a horizontal cursor, still consumed
    // V1's band (column 7) overlaps H2's band (rows 106 to 108): vertical cursor 1 wins.
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(7, 106));
    QTest::keyClick(&f, Qt::Key_Right);
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(207, 60)); // V2 on the last column
    QTest::keyClick(&f, Qt::Key_Right);
    QCOMPARE(*log, QStringList({"H1Moved=0", "H1Pos=0", "H1Moved=0.01", "H1Pos=0.01", "V1Moved=0.005",
                                "V1Pos=0.005", "V2Moved=1", "V2Pos=1"}));
    QCOMPARE(parent.keys, 1);

    // A click beside every cursor, and other buttons anywhere, deselect and reach the parent.
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QTest::mouseClick(&f, Qt::RightButton, Qt::NoModifier, QPoint(8, 50));
    QTest::keyClick(&f, Qt::Key_Left);
    QCOMPARE(parent.presses, 2);
    QCOMPARE(parent.keys, 2);

    // A press on a hidden pair's line drops the earlier selection and drags nothing.
    log->clear();
    f.showHorizontalCursor(false);
    f.showVerticalCursor(true);
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(207, 60)); // select V2
    drag(&f, QPoint(100, 7), {QPoint(60, 30)}); // on hidden H1
    QTest::keyClick(&f, Qt::Key_Left);
    QVERIFY2(log->isEmpty(), qPrintable(log->join(QLatin1Char(' '))));

    // Arrows are claimed before host shortcuts while a cursor is selected.
    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(207, 60));
    QKeyEvent overrideLeft(QEvent::ShortcutOverride, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&f, &overrideLeft);
    QVERIFY(overrideLeft.isAccepted());
    QKeyEvent overrideA(QEvent::ShortcutOverride, Qt::Key_A, Qt::NoModifier);
    overrideA.ignore();
    QApplication::sendEvent(&f, &overrideA);
    QVERIFY(!overrideA.isAccepted());
}

void tst_CursorFrame::painting()
{
    QWidget parent;
    QCursorFrame f(&parent, Both);
    f.setMeasureArea(QPoint(10, 10), QSize(200, 100));
    f.showHorizontalCursor(true);
    f.showVerticalCursor(true);
    f.setNormalizedHPos1(0.5);
    f.setNormalizedVPos1(0.5);
    f.setLineColor(Qt::red);
    const auto grab = [&f] {
        QImage image(f.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        f.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    };

    QImage image = grab();
    QCOMPARE(QColor(image.pixel(60, 57)), QColor(Qt::red));  // H1 line on row 57
    QCOMPARE(QColor(image.pixel(107, 30)), QColor(Qt::red)); // V1 line on column 107
    QCOMPARE(QColor(image.pixel(3, 57)), QColor(Qt::black));  // unselected handles stay black
    QCOMPARE(QColor(image.pixel(107, 3)), QColor(Qt::black));
    QCOMPARE(qAlpha(image.pixel(60, 30)), 0);                 // transparent elsewhere

    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(107, 3));
    image = grab();
    QCOMPARE(QColor(image.pixel(107, 110 + 3)), QColor(Qt::red));

    QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(3, 57));
    image = grab();
    QCOMPARE(QColor(image.pixel(3, 57)), QColor(Qt::darkCyan));
    QCOMPARE(QColor(image.pixel(107, 3)), QColor(Qt::black));
}

void tst_CursorFrame::defaultOrientation()
{
    QWidget parent;
    QCursorFrame f(&parent);
    f.setMeasureArea(QPoint(0, 0), QSize(100, 100));
    f.showHorizontalCursor(true);
    f.showVerticalCursor(true);
    QVERIFY(!f.isHorizontalCursorShown());
    QVERIFY(f.isVerticalCursorShown());

    // The unmanaged horizontal pair is neither hit nor painted.
    std::unique_ptr<QStringList> log(recordSignals(&f));
    QVERIFY(f.setNormalizedHPos1(0.5));
    drag(&f, QPoint(50, 57), {QPoint(50, 80)});
    QCOMPARE(*log, QStringList({"H1Pos=0.5"}));
}

QTEST_MAIN(tst_CursorFrame)
#include "tst_cursorframe.moc"
