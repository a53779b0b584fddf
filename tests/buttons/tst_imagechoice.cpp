// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QHBoxLayout>
#include <QShortcut>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include "qchoosewidget.h"
#include "qclickimglabel.h"
#include "qclickradiobutton.h"
#include "qimgradiobutton.h"

namespace {
QList<QImgRadioButton *> tiles(QChooseWidget &w)
{
    return w.findChildren<QImgRadioButton *>(QStringLiteral("CHOOSE_WIDGET"));
}

QList<bool> checkStates(QChooseWidget &w)
{
    QList<bool> states;
    for (QImgRadioButton *tile : tiles(w))
        states << tile->findChild<QRadioButton *>(QStringLiteral("radioButton"))->isChecked();
    return states;
}

QColor pixelAt(QWidget *w, QPoint p) { return w->grab().toImage().pixelColor(p); }

template<typename T>
void checkClickReporter(T *w)
{
    QSignalSpy clicked(w, &T::SigClicked);
    QSignalSpy ok(w, &T::SigOk);
    QTest::mouseClick(w, Qt::RightButton);
    QTest::mouseClick(w, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QTest::mouseDClick(w, Qt::RightButton);
    QTest::mouseRelease(w, Qt::RightButton);
    QCOMPARE(ok.count(), 1);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
    QCOMPARE(ok.count(), 2);
}
} // namespace

class tst_ImageChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clickReporters();
    void captionsAndSelectId();
    void clicksSelectAndDoubleClickConfirms();
    void tileColoursFollowStateAtOnce();
    void keyboardSelection_data();
    void keyboardSelection();
};

// Left press reports SigClicked, any double click SigOk; the radio button is never
// pressed or toggled by the mouse.
void tst_ImageChoice::clickReporters()
{
    QWidget top;
    auto *label = new QClickImgLabel(&top);
    auto *radio = new QClickRadioButton(&top);
    radio->move(0, 40);
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));

    checkClickReporter(label);
    checkClickReporter(radio);
    QVERIFY(!radio->isChecked());
    radio->setChecked(true);
    QTest::mouseClick(radio, Qt::LeftButton);
    QVERIFY(radio->isChecked());
}

void tst_ImageChoice::captionsAndSelectId()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QCoreApplication::installTranslator(&translator);
    QChooseWidget w;
    QCoreApplication::removeTranslator(&translator);
    QStringList captions;
    for (QImgRadioButton *tile : tiles(w))
        captions << tile->findChild<QRadioButton *>()->text();
    QCOMPARE(captions, QStringList({"VFD", "Servo", "Remote"}));
    QCOMPARE(checkStates(w), QList<bool>({true, false, false}));

    // Out-of-range ids are kept and leave every tile unchecked.
    QSignalSpy ok(&w, &QChooseWidget::SigOk);
    w.setSelectID(2);
    QCOMPARE(checkStates(w), QList<bool>({false, false, true}));
    for (int id : {5, -1}) {
        w.setSelectID(id);
        QCOMPARE(w.getSelectID(), id);
        QCOMPARE(checkStates(w), QList<bool>({false, false, false}));
    }
    QCOMPARE(ok.count(), 0);
}

void tst_ImageChoice::clicksSelectAndDoubleClickConfirms()
{
    QChooseWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy ok(&w, &QChooseWidget::SigOk);
    const QList<QImgRadioButton *> t = tiles(w);

    // Missing images leave the image area empty; the tiles still work.
    auto *image1 = t.at(1)->findChild<QClickImgLabel *>(QStringLiteral("labelImg"));
    auto *radio2 = t.at(2)->findChild<QClickRadioButton *>(QStringLiteral("radioButton"));
    QVERIFY(image1 && radio2);
    QTest::mouseClick(image1, Qt::LeftButton);
    QTest::mouseClick(radio2, Qt::RightButton);
    QCOMPARE(checkStates(w), QList<bool>({false, true, false}));

    QTest::mouseClick(radio2, Qt::LeftButton);
    QTest::mouseClick(radio2, Qt::LeftButton); // clicking the selected tile keeps it
    QCOMPARE(checkStates(w), QList<bool>({false, false, true}));
    QCOMPARE(ok.count(), 0);

    // A real double click: first press selects, the double click confirms.
    QTest::mousePress(image1, Qt::LeftButton);
    QTest::mouseRelease(image1, Qt::LeftButton);
    QTest::mouseDClick(image1, Qt::LeftButton);
    QTest::mouseRelease(image1, Qt::LeftButton);
    QCOMPARE(ok.count(), 1);
    QTest::mouseDClick(radio2, Qt::RightButton);
    QTest::mouseRelease(radio2, Qt::RightButton);
    QCOMPARE(ok.count(), 2);
    QCOMPARE(w.getSelectID(), 1);
}

// The colour is the behaviour: idle frame, selected fill, hover fill; each must be right
// in the very first paint after the state changed.
void tst_ImageChoice::tileColoursFollowStateAtOnce()
{
    QWidget top;
    auto *layout = new QHBoxLayout(&top);
    auto *tile = new QImgRadioButton(&top, QStringLiteral("Servo"));
    auto *other = new QWidget(&top);
    other->setMinimumSize(60, 60);
    layout->addWidget(tile);
    layout->addWidget(other);
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    QTest::mouseMove(other, other->rect().center());

    const QColor frame(QStringLiteral("#CFDFF9")), hover = frame, selected(QStringLiteral("#CFEFF9"));
    const QPoint inner(4, 4);
    const QColor plain = pixelAt(tile, inner);
    QCOMPARE(pixelAt(tile, QPoint(1, 1)), frame);
    QVERIFY(plain != selected && plain != hover);

    tile->setChecked(true);
    QCOMPARE(pixelAt(tile, inner), selected);

    QTest::mouseMove(tile, QPoint(3, 3));
    QTRY_COMPARE(pixelAt(tile, inner), hover);
    tile->setChecked(false);
    QCOMPARE(pixelAt(tile, inner), hover);

    QTest::mouseMove(other, other->rect().center());
    QTRY_COMPARE(pixelAt(tile, inner), plain);
    QCOMPARE(pixelAt(tile, QPoint(1, 1)), frame);
}

void tst_ImageChoice::keyboardSelection_data()
{
    QTest::addColumn<int>("focusTile");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("focusAfter");
    QTest::addColumn<bool>("shortcutFires");
    QTest::newRow("space selects") << 1 << int(Qt::Key_Space) << 1 << 1 << false;
    QTest::newRow("space on selected keeps it") << 0 << int(Qt::Key_Space) << 0 << 0 << false;
    QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1 << 1 << false;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 2 << 2 << false;
    QTest::newRow("up") << 2 << int(Qt::Key_Up) << 1 << 1 << false;
    QTest::newRow("left") << 1 << int(Qt::Key_Left) << 0 << 0 << false;
    // No tile to move to: the key is the host's.
    QTest::newRow("left at first") << 0 << int(Qt::Key_Left) << 0 << 0 << true;
    QTest::newRow("right at last") << 2 << int(Qt::Key_Right) << 0 << 2 << true;
}

// Keys select like clicks (the tile's SigImgClicked, exactly one tile checked) and win over
// host shortcuts on the same key wherever they move something.
void tst_ImageChoice::keyboardSelection()
{
    QFETCH(int, focusTile);
    QFETCH(int, key);
    QFETCH(int, selected);
    QFETCH(int, focusAfter);
    QFETCH(bool, shortcutFires);
    QChooseWidget w;
    auto *shortcut = new QShortcut(QKeySequence(key), &w);
    QSignalSpy fired(shortcut, &QShortcut::activated);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QImgRadioButton *> t = tiles(w);
    QSignalSpy tileClicked(t.at(selected), &QImgRadioButton::SigImgClicked);
    auto *radio = t.at(focusTile)->findChild<QClickRadioButton *>();
    radio->setFocus(Qt::TabFocusReason);
    QVERIFY(radio->hasFocus());

    QTest::keyClick(radio, Qt::Key(key));
    QCOMPARE(w.getSelectID(), selected);
    QList<bool> expected{false, false, false};
    expected[selected] = true;
    QCOMPARE(checkStates(w), expected);
    QCOMPARE(tileClicked.count(), shortcutFires ? 0 : 1);
    QCOMPARE(fired.count(), shortcutFires ? 1 : 0);
    QVERIFY(t.at(focusAfter)->isAncestorOf(QApplication::focusWidget()));
}

QTEST_MAIN(tst_ImageChoice)
#include "tst_imagechoice.moc"
