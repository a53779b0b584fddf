// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The button family: what clicks and keys select, report and paint.
#include <QLabel>
#include <QLayout>
#include <QShortcut>
#include <QSignalSpy>
#include <QToolButton>

#include "dialogdriver.h"
#include "factory.h"
#include "qchoosewidget.h"
#include "qclickradiobutton.h"
#include "qcustombutton.h"
#include "qcustompushbutton.h"
#include "qedgewidget.h"
#include "qimgradiobutton.h"
#include "qindustryitem.h"
#include "qmenubutton.h"
#include "qrotatepushbutton.h"
#include "qtopsidewidget.h"
#include "qtopwizard.h"

namespace {
// Checked states of the buttons called @p name: the tiles' radio buttons or the wizard's steps.
template<class T>
QList<bool> checked(QWidget &w, const char *name)
{
    QList<bool> states;
    for (T *b : w.findChildren<T *>(QLatin1String(name)))
        states << b->isChecked();
    return states;
}
QList<bool> checkStates(QChooseWidget &w) { return checked<QRadioButton>(w, "radioButton"); }
QList<bool> checks(QTopWizard &w) { return checked<QToolButton>(w, "STATEBTN"); }
QList<QToolButton *> steps(QTopWizard &w) { return w.findChildren<QToolButton *>(QStringLiteral("STATEBTN")); }
QColor pixelAt(QWidget *w, QPoint p = QPoint(2, 2)) { return w->grab().toImage().pixelColor(p); }
const QColor kMenuSelected(242, 248, 254);

// What the appearance rows do to a widget before probing it.
enum Step { Idle = 0, Hover = 1, Leave = 2, Select = 4 };

} // namespace

class tst_Buttons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void appearance_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<QColor>("expected");
        const Make menu = make<QMenuButton>(), tile = make<QImgRadioButton>(QStringLiteral("Servo"));
        const QPoint corner(2, 2), inner(4, 4);
        const QColor plain = QApplication::palette().window().color(); // what the tile leaves unpainted
        const QColor idle(189, 208, 232), hover(215, 226, 241), tileFrame(0xCFDFF9), tileSelected(0xCFEFF9);
        QTest::newRow("menu hovered") << menu << int(Hover) << corner << hover;
        QTest::newRow("menu left") << menu << (Hover | Leave) << corner << idle;
        QTest::newRow("menu selected, hovered") << menu << (Hover | Select) << corner << kMenuSelected;
        QTest::newRow("tile frame") << tile << int(Idle) << QPoint(1, 1) << tileFrame;
        // A negative x counts from the right edge: the frame's right line is the last column.
        QTest::newRow("tile frame, right edge") << tile << int(Idle) << QPoint(-1, 5) << tileFrame;
        QTest::newRow("tile selected") << tile << int(Select) << inner << tileSelected;
        QTest::newRow("tile hovered") << tile << int(Hover) << inner << tileFrame;
        QTest::newRow("tile selected, hovered") << tile << (Hover | Select) << inner << tileFrame;
        QTest::newRow("tile left") << tile << (Hover | Leave) << inner << plain;
    }

    // Each state shows in the very first paint after it changed.
    void appearance()
    {
        QFETCH(Make, make);
        QFETCH(int, steps);
        QFETCH(QPoint, probe);
        QFETCH(QColor, expected);
        std::unique_ptr<QWidget> w(make(nullptr));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QEvent leave(QEvent::Leave);
        if (steps & Hover)
            QApplication::sendEvent(w.get(), &enter);
        if (steps & Leave)
            QApplication::sendEvent(w.get(), &leave);
        if (auto *entry = qobject_cast<QMenuButton *>(w.get()))
            entry->setselected(steps & Select);
        if (auto *t = qobject_cast<QImgRadioButton *>(w.get()))
            t->setChecked(steps & Select);
        QCOMPARE(pixelAt(w.get(), probe.x() < 0 ? probe + QPoint(w->width(), 0) : probe), expected);
    }

    // The caption runs top to bottom: against a blank caption its ink is tall and narrow.
    void rotatedCaption()
    {
        QRotatePushButton button(nullptr, QStringLiteral("MMMMMMMM"));
        QCOMPARE(button.size(), QSize(30, 150));
        QCOMPARE(QEdgeWidget().maximumWidth(), 30); // the strip the button sits in
        const QImage withText = button.grab().toImage();
        button.setText(QString());
        const QImage blank = button.grab().toImage();
        QRect ink;
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x)
                ink |= withText.pixel(x, y) == blank.pixel(x, y) ? QRect() : QRect(x, y, 1, 1);
        QVERIFY2(ink.height() > 5 * ink.width(), "caption missing, or not painted vertically only");
    }

    // At its size hint an entry shows its whole caption, so no tool tip of ours; squeezed, the
    // elided caption is whole in the tool tip until it fits again. A host's tip always stays.
    void menuCaptionTip_data()
    {
        QTest::addColumn<QString>("hostTip");
        QTest::addColumn<int>("width"); // 0: the size hint
        QTest::addColumn<QString>("tip");
        QTest::newRow("fits at its size hint") << QString() << 0 << QString();
        QTest::newRow("elided") << QString() << 40 << QStringLiteral("Oscilloscope");
        QTest::newRow("host tip, fits") << QStringLiteral("Scope") << 0 << QStringLiteral("Scope");
        QTest::newRow("host tip, elided") << QStringLiteral("Scope") << 40 << QStringLiteral("Scope");
    }
    void menuCaptionTip()
    {
        QFETCH(QString, hostTip);
        QFETCH(int, width);
        QFETCH(QString, tip);
        QMenuButton entry;
        entry.setText(QStringLiteral("Oscilloscope"));
        entry.setToolTip(hostTip);
        entry.resize(width ? QSize(width, entry.sizeHint().height()) : entry.sizeHint());
        entry.grab();
        QCOMPARE(entry.toolTip(), tip);
        entry.resize(entry.sizeHint());
        entry.grab();
        QCOMPARE(entry.toolTip(), hostTip);
    }

    // The entry clicked, or pressed from the keyboard, ends selected although the host's clicked()
    // handler clears every selection; right clicks and releases outside never select.
    void menuSelection()
    {
        QWidget row;
        QList<QMenuButton *> entries;
        for (int i = 0; i < 3; ++i) {
            auto *b = new QMenuButton(&row);
            entries << b;
            connect(b, &QPushButton::clicked, b, [&entries] {
                for (QMenuButton *e : entries)
                    e->setselected(false);
            });
        }
        // The selection shows only in the paint: the selected fill.
        const auto selected = [&entries] {
            QList<bool> states;
            for (QMenuButton *e : entries)
                states << (pixelAt(e) == kMenuSelected);
            return states;
        };
        QTest::mouseClick(entries[1], Qt::RightButton);
        QTest::mousePress(entries[2], Qt::LeftButton);
        QTest::mouseRelease(entries[2], Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(selected(), QList<bool>({false, false, false}));
        entries[0]->setselected(true);
        QTest::mouseClick(entries[1], Qt::LeftButton);
        QCOMPARE(selected(), QList<bool>({false, true, false}));
        QTest::keyClick(entries[2], Qt::Key_Return);
        QCOMPARE(selected(), QList<bool>({false, false, true}));
        QTest::keyClick(entries[0], Qt::Key_Space);
        QCOMPARE(selected(), QList<bool>({true, false, false}));
    }

    // Each outcome replaces the text and image of the one before.
    void status()
    {
        QCustomPushButton w;
        Catalogue english;
        const auto image = [&w] { return w.getLabelImg()->pixmap(Qt::ReturnByValue).toImage(); };
        w.setButtonStatus(false, QStringLiteral("timeout"));
        QCOMPARE(w.getLabelText()->text(), QStringLiteral("Setting failed!(timeout)"));
        QCOMPARE(image(), QPixmap(QStringLiteral(":/img/commonImge/failure")).toImage());
        w.setButtonStatus(true, QStringLiteral("ignored"));
        QCOMPARE(w.getLabelText()->text(), QStringLiteral("Runtime set success"));
        QCOMPARE(image(), QPixmap(QStringLiteral(":/img/commonImge/success")).toImage());
    }

    // Only a left click inside reports the industry; a release outside forgets the press.
    void industryItem()
    {
        QIndustryItem item;
        item.resize(200, 40);
        item.setIndustry(QStringLiteral("Textile"));
        QSignalSpy shown(&item, &QIndustryItem::showIndustry);

        QTest::mouseClick(&item, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(shown.value(0), QVariantList({QStringLiteral("Textile")}));
        QTest::mousePress(&item, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(&item, Qt::LeftButton, {}, QPoint(250, 20));
        QTest::mouseRelease(&item, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseClick(&item, Qt::RightButton, {}, QPoint(20, 20));
        // Losing the focus between press and release forgets a pressed Space too.
        QTest::keyPress(&item, Qt::Key_Space);
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(&item, &focusOut);
        QTest::keyRelease(&item, Qt::Key_Space);
        QCOMPARE(shown.count(), 1);

        item.setNormalIndustry(QStringLiteral("General"));
        QVERIFY(item.findChild<QPushButton *>()->isHidden());
    }

    void selectId()
    {
        // Out-of-range ids are kept and leave every tile unchecked.
        QChooseWidget w;
        w.setSelectID(2);
        QCOMPARE(checkStates(w), QList<bool>({false, false, true}));
        for (int id : {5, -1}) {
            w.setSelectID(id);
            QCOMPARE(w.getSelectID(), id);
            QCOMPARE(checkStates(w), QList<bool>({false, false, false}));
        }
    }

    void keyboardSelection_data()
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

    // Keys select like clicks (SigImgClicked, one tile checked) and win over host shortcuts where they move.
    void keyboardSelection()
    {
        QFETCH(int, focusTile);
        QFETCH(int, key);
        QFETCH(int, selected);
        QFETCH(int, focusAfter);
        QFETCH(bool, shortcutFires);
        QChooseWidget w;
        QSignalSpy fired(new QShortcut(QKeySequence(key), &w), &QShortcut::activated);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto t = w.findChildren<QImgRadioButton *>(QStringLiteral("CHOOSE_WIDGET"));
        QSignalSpy tileClicked(t.at(selected), &QImgRadioButton::SigImgClicked);
        auto *radio = t.at(focusTile)->findChild<QClickRadioButton *>();
        radio->setFocus(Qt::TabFocusReason);

        QTest::keyClick(radio, Qt::Key(key));
        QCOMPARE(w.getSelectID(), selected);
        QCOMPARE(checkStates(w).indexOf(true), selected);
        QCOMPARE(checkStates(w).count(true), 1);
        QCOMPARE(tileClicked.count(), shortcutFires ? 0 : 1);
        QCOMPARE(fired.count(), shortcutFires ? 1 : 0);
        QVERIFY(t.at(focusAfter)->isAncestorOf(QApplication::focusWidget()));
    }

    // Out-of-range checks are ignored; a second list replaces the row, leaving no stale steps or arrows.
    void wizard()
    {
        QTopWizard w;
        w.setBtnCheck(0); // no steps yet: nothing happens
        w.setTextList({});
        QVERIFY(!w.layout());

        w.setTextList({"Connect", "Read", "Write"});
        QCOMPARE(w.layout()->count(), 7); // stretch, step, arrow, step, arrow, step, stretch
        QCOMPARE(checks(w), QList<bool>({true, false, false}));
        w.setBtnCheck(2);
        w.setBtnCheck(-1);
        w.setBtnCheck(3);
        QCOMPARE(checks(w), QList<bool>({false, false, true}));
        w.reInit();
        QCOMPARE(checks(w), QList<bool>({true, false, false}));

        w.show();
        w.setBtnCheck(2);
        w.setTextList({"x", "y"});
        QCOMPARE(w.layout()->count(), 5);
        QCOMPARE(w.findChildren<QLabel *>().size(), 1);
        QCOMPARE(steps(w).at(1)->text(), QStringLiteral("y"));
        QCOMPARE(checks(w), QList<bool>({true, false}));
        QTRY_VERIFY(steps(w).at(1)->isVisible());
    }
};

QTEST_MAIN(tst_Buttons)
#include "tst_buttons.moc"
