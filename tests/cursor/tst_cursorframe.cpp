// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QAccessible>
#include <QScreen>
#include <QtTest>

#include <climits>
#include <cmath>
#include <memory>

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

// Records every signal of a frame, in emission order, as "H1Moved=0.5".
std::unique_ptr<QStringList> recordSignals(QCursorFrame *frame)
{
    auto log = std::make_unique<QStringList>();
    const std::pair<void (QCursorFrame::*)(double), const char *> hooks[] = {
        {&QCursorFrame::sigHCursor1Moved, "H1Moved"},     {&QCursorFrame::sigHCursor2Moved, "H2Moved"},
        {&QCursorFrame::sigVCursor1Moved, "V1Moved"},     {&QCursorFrame::sigVCursor2Moved, "V2Moved"},
        {&QCursorFrame::sigHCursor1PosChanged, "H1Pos"}, {&QCursorFrame::sigHCursor2PosChanged, "H2Pos"},
        {&QCursorFrame::sigVCursor1PosChanged, "V1Pos"}, {&QCursorFrame::sigVCursor2PosChanged, "V2Pos"}};
    for (const auto &hook : hooks) {
        QStringList *out = log.get();
        const QString name = QLatin1String(hook.second);
        QObject::connect(frame, hook.first, frame,
                         [out, name](double v) { *out << QStringLiteral("%1=%2").arg(name).arg(v); });
    }
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

// Area 200 x 100 at (10, 10): H1 on row 7, H2 on row 107, V1 on column 7, V2 on column 207.
void showBoth(QCursorFrame *f)
{
    f->setMeasureArea(QPoint(10, 10), QSize(200, 100));
    f->showHorizontalCursor(true);
    f->showVerticalCursor(true);
}

const auto Both = QCursorFrame::CursorOrientations(QCursorFrame::HorizontalCursor | QCursorFrame::VerticalCursor);

enum Cursor { H1, H2, V1, V2 };
struct Access {
    bool (QCursorFrame::*set)(double);
    double (QCursorFrame::*get)() const;
};
const Access kAccess[] = {{&QCursorFrame::setNormalizedHPos1, &QCursorFrame::getNormalizedHPos1},
                          {&QCursorFrame::setNormalizedHPos2, &QCursorFrame::getNormalizedHPos2},
                          {&QCursorFrame::setNormalizedVPos1, &QCursorFrame::getNormalizedVPos1},
                          {&QCursorFrame::setNormalizedVPos2, &QCursorFrame::getNormalizedVPos2}};
} // namespace

class tst_CursorFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void geometry_data()
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

    void geometry()
    {
        QFETCH(QRect, area);
        QFETCH(double, v1);
        QFETCH(QRect, frame);
        QFETCH(int, column);
        QWidget parent;
        QCursorFrame f(&parent);
        QVERIFY(f.setNormalizedVPos1(v1));
        QSignalSpy spy(&f, &QCursorFrame::sigVCursor1PosChanged);
        f.setMeasureArea(area.topLeft(), area.size());
        QCOMPARE(spy.count(), 0);
        if (!frame.isNull())
            QCOMPARE(f.geometry(), frame);
        QCOMPARE(f.getVPos1(), column);
        QCOMPARE(f.getVPos2(), int(qMin<qint64>(7 + qint64(area.width()), INT_MAX)));
    }

    void eachCursor_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QPoint>("at"); // on the cursor where the test starts
        QTest::newRow("H1") << int(H1) << QPoint(100, 7);
        QTest::newRow("H2") << int(H2) << QPoint(100, 107);
        QTest::newRow("V1") << int(V1) << QPoint(7, 50);
        QTest::newRow("V2") << int(V2) << QPoint(207, 50);
    }

    // Each cursor: setter range checks, drags clamped to the area, arrow keys, signals and getters.
    void eachCursor()
    {
        QFETCH(int, cursor);
        QFETCH(QPoint, at);
        const Access &a = kAccess[cursor];
        const bool vertical = cursor >= V1;
        const QString name = QStringLiteral("HHVV").at(cursor) + QString::number(cursor % 2 + 1);
        const auto along = [&](int pixel) { return vertical ? QPoint(pixel, at.y()) : QPoint(at.x(), pixel); };
        const auto expect = [&](std::initializer_list<const char *> values) {
            QStringList out;
            for (const char *v : values)
                out << name + QLatin1String("Moved=") + v << name + QLatin1String("Pos=") + v;
            return out;
        };

        QWidget parent;
        QCursorFrame f(&parent, Both);
        showBoth(&f);
        const auto log = recordSignals(&f);
        for (double bad : {1.5, -0.1, std::nan("")})
            QVERIFY(!(f.*a.set)(bad));
        QCOMPARE((f.*a.get)(), cursor % 2 ? 1.0 : 0.0);
        QVERIFY(log->isEmpty());

        // Dragged before the area, past it, then to its middle.
        drag(&f, at, {along(-40), along(900), along(vertical ? 107 : 57)});
        QCOMPARE(*log, expect({"0", "1", "0.5"}));
        QCOMPARE((f.*a.get)(), 0.5);
        log->clear();
        // Assistive technology reads the selected cursor as the value, every shown one in the
        // description (keys here: no catalogue is installed).
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&f);
        QCOMPARE(iface->valueInterface()->currentValue().toDouble(), 50.0);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("STR_%1_CURSOR_%2: 50.0%")
                                                      .arg(vertical ? "VERTICAL" : "HORIZONTAL")
                                                      .arg(cursor % 2 + 1));
        QCOMPARE(iface->text(QAccessible::Description).count(QLatin1Char('%')), 4);
        // Still selected: the arrows of its axis step one pixel, the others do nothing.
        QTest::keyClick(&f, vertical ? Qt::Key_Right : Qt::Key_Down);
        QTest::keyClick(&f, vertical ? Qt::Key_Up : Qt::Key_Left);
        QTest::keyClick(&f, vertical ? Qt::Key_Left : Qt::Key_Up);
        QCOMPARE(*log, expect({vertical ? "0.505" : "0.51", "0.5"}));
        log->clear();

        QVERIFY((f.*a.set)(0.25));
        QCOMPARE(*log, QStringList{name + QLatin1String("Pos=0.25")});
        QCOMPARE((f.*a.get)(), 0.25);
        if (vertical)
            QCOMPARE(cursor == V1 ? f.getVPos1() : f.getVPos2(), 57);
        iface->valueInterface()->setCurrentValue(75.0);
        QCOMPARE((f.*a.get)(), 0.75);
    }

    void dragLeavesNoTrace_data() { eachCursor_data(); }

    // Dragged on a shown window, a step at a time: each repaint must cover where the cursor and
    // its handles were, so the screen reads as a whole fresh paint of the window.
    void dragLeavesNoTrace()
    {
        QFETCH(int, cursor);
        QFETCH(QPoint, at);
        const bool vertical = cursor >= V1;
        QWidget window;
        window.resize(240, 140);
        QCursorFrame f(&window, Both);
        showBoth(&f);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(&f, Qt::LeftButton, Qt::NoModifier, at);
        QPoint p = at;
        for (int step : {9, 9, -20, 3}) {
            p += vertical ? QPoint(step, 0) : QPoint(0, step);
            QMouseEvent move(QEvent::MouseMove, p, f.mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&f, &move);
            QCoreApplication::processEvents();
            const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
            QCOMPARE(screen.convertToFormat(QImage::Format_RGB32), window.grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
        QTest::mouseRelease(&f, Qt::LeftButton, Qt::NoModifier, p);
    }

    void pressSelects_data()
    {
        QTest::addColumn<int>("shown"); // 1: horizontal pair, 2: vertical pair
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<bool>("passedOn");
        QTest::newRow("crossing, V1 wins") << 3 << QPoint(7, 106) << int(V1) << false;
        QTest::newRow("V hidden, on H1") << 1 << QPoint(100, 8) << int(H1) << false;
        QTest::newRow("V hidden, H1 handle") << 1 << QPoint(3, 7) << int(H1) << false;
        QTest::newRow("V hidden, H1 over hidden V1") << 1 << QPoint(8, 7) << -1 << false;
        QTest::newRow("V hidden, H2 under hidden V2") << 1 << QPoint(206, 106) << -1 << false;
        QTest::newRow("V hidden, hidden V1 handle") << 1 << QPoint(7, 3) << -1 << false;
        QTest::newRow("V hidden, on hidden V2") << 1 << QPoint(208, 50) << -1 << false;
        QTest::newRow("V hidden, beside hidden V2") << 1 << QPoint(210, 50) << -1 << true;
        QTest::newRow("V hidden, beside H1") << 1 << QPoint(100, 10) << -1 << true;
        QTest::newRow("H hidden, on V2") << 2 << QPoint(206, 50) << int(V2) << false;
        QTest::newRow("H hidden, V1 over hidden H2") << 2 << QPoint(7, 106) << int(V1) << false;
        QTest::newRow("H hidden, on hidden H1") << 2 << QPoint(100, 6) << -1 << false;
        QTest::newRow("both hidden, on V1") << 0 << QPoint(7, 50) << -1 << false;
    }

    // A press selects the visible cursor it is on; a hidden one takes the press and selects nothing.
    void pressSelects()
    {
        QFETCH(int, shown);
        QFETCH(QPoint, at);
        QFETCH(int, selected);
        QFETCH(bool, passedOn);
        Plot parent;
        QCursorFrame f(&parent, Both);
        showBoth(&f);
        f.showHorizontalCursor(shown & 1);
        f.showVerticalCursor(shown & 2);
        const auto log = recordSignals(&f);
        QTest::mousePress(&f, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(parent.presses, passedOn ? 1 : 0);
        // The selected cursor, if any, answers the arrow key of its axis.
        QTest::keyClick(&f, selected >= V1 ? Qt::Key_Right : Qt::Key_Down);
        const QString name = selected < 0 ? QString() : QStringLiteral("HHVV").at(selected) + QString::number(selected % 2 + 1);
        QCOMPARE(log->isEmpty() ? QString() : log->first().section(QLatin1Char('M'), 0, 0), name);
        QCOMPARE(parent.keys, selected < 0 ? 1 : 0);
    }

    // A dragged cursor stays on its pixel when the host repeats setMeasureArea; a larger area
    // keeps the fraction. Without an area nothing moves and nothing is emitted. The unmanaged
    // horizontal pair of a default frame stays hidden, and is neither hit nor dragged.
    void relayoutAndZeroRange()
    {
        QWidget parent;
        QCursorFrame f(&parent);
        f.showHorizontalCursor(true);
        f.showVerticalCursor(true);
        QVERIFY(!f.isHorizontalCursorShown());
        QCOMPARE(QAccessible::queryAccessibleInterface(&f)->text(QAccessible::Description).count(QLatin1Char('%')), 2);
        QVERIFY(f.setNormalizedHPos1(0.5));
        f.setMeasureArea(QPoint(0, 0), QSize(49, 30));
        const auto moves = recordSignals(&f);
        drag(&f, QPoint(20, 22), {QPoint(20, 28)}); // on hidden H1
        drag(&f, QPoint(7, 20), {QPoint(8, 20)});
        QCOMPARE(*moves, QStringList({"V1Moved=0.0204082", "V1Pos=0.0204082"}));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.getVPos1(), 8);
            f.setMeasureArea(QPoint(0, 0), QSize(49, 30));
        }
        f.setMeasureArea(QPoint(0, 0), QSize(98, 30));
        QCOMPARE(f.getVPos1(), 9);

        QCursorFrame empty(&parent);
        empty.resize(100, 100);
        empty.showVerticalCursor(true);
        QVERIFY(empty.setNormalizedVPos1(0.0)); // lays out V1's handles although there is no area
        const auto log = recordSignals(&empty);
        drag(&empty, QPoint(7, 3), {QPoint(30, 3), QPoint(60, 3)});
        QTest::mousePress(&empty, Qt::LeftButton, Qt::NoModifier, QPoint(7, 3));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left})
            QTest::keyClick(&empty, key);
        QVERIFY(log->isEmpty());
        QCOMPARE(empty.getVPos1(), 7); // never outside the margin
    }

    void selectionKeysAndPassing()
    {
        Plot parent;
        QCursorFrame f(&parent, Both);
        showBoth(&f);
        const auto log = recordSignals(&f);

        // A click beside every cursor, and other buttons anywhere, deselect and reach the parent.
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(7, 50));
        QTest::mouseClick(&f, Qt::RightButton, Qt::NoModifier, QPoint(8, 50));
        QTest::keyClick(&f, Qt::Key_Left);
        QCOMPARE(parent.presses, 1);
        QCOMPARE(parent.keys, 1);

        // A press on a hidden pair's line drops the earlier selection and drags nothing.
        f.showHorizontalCursor(false);
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(207, 60)); // select V2
        drag(&f, QPoint(100, 7), {QPoint(60, 30)}); // on hidden H1
        QTest::keyClick(&f, Qt::Key_Left);
        QVERIFY2(log->isEmpty(), qPrintable(log->join(QLatin1Char(' '))));

        // Arrows are claimed before host shortcuts while a cursor is selected.
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(207, 60));
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_A}) {
            QKeyEvent override(QEvent::ShortcutOverride, key, Qt::NoModifier);
            override.ignore();
            QApplication::sendEvent(&f, &override);
            QCOMPARE(override.isAccepted(), key == Qt::Key_Left);
        }
    }

    void painting()
    {
        QWidget parent;
        QCursorFrame f(&parent, Both);
        showBoth(&f);
        f.setNormalizedHPos1(0.5);
        f.setNormalizedVPos1(0.5);
        f.setLineColor(Qt::red);
        const auto colourAt = [&f](int x, int y) {
            QImage image(f.size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            f.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
            return image.pixel(x, y);
        };

        QCOMPARE(QColor(colourAt(60, 57)), QColor(Qt::red));  // H1 line on row 57
        QCOMPARE(QColor(colourAt(107, 30)), QColor(Qt::red)); // V1 line on column 107
        QCOMPARE(QColor(colourAt(3, 57)), QColor(Qt::black)); // unselected handles stay black
        QCOMPARE(QColor(colourAt(107, 3)), QColor(Qt::black));
        QCOMPARE(qAlpha(colourAt(60, 30)), 0); // transparent elsewhere
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(107, 3));
        QCOMPARE(QColor(colourAt(107, 110 + 3)), QColor(Qt::red));
        QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(3, 57));
        QCOMPARE(QColor(colourAt(3, 57)), QColor(Qt::darkCyan));
        QCOMPARE(QColor(colourAt(107, 3)), QColor(Qt::black));
    }

};

QTEST_MAIN(tst_CursorFrame)
#include "tst_cursorframe.moc"
