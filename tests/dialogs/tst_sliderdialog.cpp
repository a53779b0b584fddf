// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <cmath>
#include <limits>

#include "qextendsliderdialog.h"

namespace {
QString labelText(QWidget &dialog) { return dialog.findChild<QLabel *>(QStringLiteral("label"))->text(); }
} // namespace

class tst_SliderDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void valueAccessorsAndLabel();
    void setCurrentPercentage_data();
    void setCurrentPercentage();
    void keyMovesSliderAndCloseButtonCloses();
    void time2Milliseconds_data();
    void time2Milliseconds();
    void dragWithLeftButtonOnly();
};

void tst_SliderDialog::valueAccessorsAndLabel()
{
    QExtendSliderDialog dialog;
    QVERIFY(labelText(dialog).isEmpty());
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("closeBtn"))->text(), QStringLiteral("STR_CLOSE"));
    QSignalSpy moved(&dialog, &QExtendSliderDialog::sigSliderMoved);
    dialog.setRange(0, 200);
    QCOMPARE(labelText(dialog), QStringLiteral("0.00%"));
    dialog.setValue(50);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 50);
    QCOMPARE(labelText(dialog), QStringLiteral("25.00%"));
    QCOMPARE(dialog.getCurrentPercentage(), 0.25);
    QCOMPARE(dialog.incrementValue(), 50);

    dialog.setRange(-100, 60); // offset range; value 50 stays
    QCOMPARE(dialog.currentValue(), 50);
    QCOMPARE(dialog.incrementValue(), 150);
    QCOMPARE(labelText(dialog), QStringLiteral("93.75%"));
    dialog.setRange(-100, 20); // value clamped by the slider: a change, so a signal
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.last().at(0).toInt(), 20);
    QCOMPARE(labelText(dialog), QStringLiteral("100.00%"));
}

void tst_SliderDialog::setCurrentPercentage_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("expected");
    QTest::newRow("above one clamps") << 0 << 99 << 1.7 << 99;
    QTest::newRow("negative clamps") << 0 << 99 << -3.0 << 0;
    QTest::newRow("truncated") << 0 << 9 << 0.55 << 4;
    QTest::newRow("negative range truncates toward zero") << -9 << 0 << 0.55 << -4;
    QTest::newRow("NaN goes to the minimum") << 10 << 20 << std::nan("") << 10;
    QTest::newRow("full int range") << std::numeric_limits<int>::min() << std::numeric_limits<int>::max() << 1.0
                                    << std::numeric_limits<int>::max();
    QTest::newRow("empty range") << 5 << 5 << 0.5 << 5;
}

void tst_SliderDialog::setCurrentPercentage()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(double, fraction);
    QFETCH(int, expected);
    QExtendSliderDialog dialog;
    dialog.setRange(min, max);
    dialog.setValue(max);
    dialog.setCurrentPercentage(fraction);
    QCOMPARE(dialog.currentValue(), expected);
    // An empty range has no position: no label and 0, not NaN.
    QCOMPARE(labelText(dialog).isEmpty(), min == max);
    if (min == max)
        QCOMPARE(dialog.getCurrentPercentage(), 0.0);
}

void tst_SliderDialog::keyMovesSliderAndCloseButtonCloses()
{
    QWidget host;
    auto *dialog = new QExtendSliderDialog(&host);
    QVERIFY(dialog->isWindow()); // a pop-up, not embedded in its parent
    dialog->setRange(0, 10);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *slider = dialog->findChild<QSlider *>(QStringLiteral("slider"));
    QSignalSpy moved(dialog, &QExtendSliderDialog::sigSliderMoved);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 10);
    QCOMPARE(labelText(*dialog), QStringLiteral("100.00%"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("closeBtn")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

void tst_SliderDialog::time2Milliseconds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("h:m:s:ms") << "01:02:03:456" << 3723456;
    QTest::newRow("last of a day") << "23:59:59:999" << 86399999;
    QTest::newRow("a whole day") << "24:0:0:0" << 86400000;
    QTest::newRow("fields not limited") << "0:75:0:0" << 4500000;
    QTest::newRow("three fields") << "01:02:03" << 0;
    QTest::newRow("five fields") << "1:2:3:4:5" << 0;
    QTest::newRow("dot before ms") << "01:02:03.456" << 0;
    QTest::newRow("non-numeric field is 0") << "1:x:3:4" << 3603004;
    QTest::newRow("empty fields") << ":::" << 0;
    QTest::newRow("empty text") << "" << 0;
    QTest::newRow("negative field") << "0:0:-1:0" << -1000;
    QTest::newRow("largest int") << "596:31:23:647" << std::numeric_limits<int>::max();
    QTest::newRow("just above int") << "596:31:23:648" << 0;
    QTest::newRow("huge hours") << "2000000000:0:0:0" << 0;
    QTest::newRow("huge negative") << "-2000000000:0:0:0" << 0;
    QTest::newRow("field beyond int") << "99999999999:0:0:5" << 5;
}

void tst_SliderDialog::time2Milliseconds()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QExtendSliderDialog dialog;
    QCOMPARE(dialog.time2Milliseconds(text), expected);
    // The reverse conversion is valid within one day only.
    if (expected != 0) {
        const QTime back = dialog.milliseconds2Time(expected);
        QCOMPARE(back.isValid(), expected > 0 && expected < 86400000);
        if (back.isValid())
            QCOMPARE(back.msecsSinceStartOfDay(), expected);
    }
}

void tst_SliderDialog::dragWithLeftButtonOnly()
{
    QExtendSliderDialog dialog;
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    const QPoint grip = dialog.mapToGlobal(QPoint(3, 3)); // the background, outside every child
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint offset) {
        QMouseEvent event(type, dialog.mapFromGlobal(grip + offset), grip + offset, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &event);
    };
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {});
    send(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {40, 30});
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {40, 30});
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {10, 10});
    QCOMPARE(dialog.pos(), start);

    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {});
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {25, 15});
    QCOMPARE(dialog.pos(), start + QPoint(25, 15));
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {-5, 40});
    QCOMPARE(dialog.pos(), start + QPoint(-5, 40));
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {-5, 40});
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {60, 60});
    QCOMPARE(dialog.pos(), start + QPoint(-5, 40));
}

QTEST_MAIN(tst_SliderDialog)
#include "tst_sliderdialog.moc"
