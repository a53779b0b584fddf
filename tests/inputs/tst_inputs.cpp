// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The input family: the data its editors carry, the wheel, menus and labelled editors.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>

#include <optional>

#include "dialogdriver.h"
#include "factory.h"
#include "qaxiscomboxwidget.h"
#include "qcustomlineedit.h"
#include "qextendcombobox.h"
#include "qextenddoublespinbox.h"
#include "qhideableheaderview.h"
#include "qitemcombobox.h"
#include "qmycombobox.h"
#include "qnowheelcombobox.h"
#include "qnowheeldatetimeedit.h"
#include "qnowheeldouspinbox.h"
#include "qpswedit.h"
#include "qtranslatedtextedit.h"
#include "wheel.h"

namespace {
QList<QVariantList> calls(const QSignalSpy &spy) { return spy; }

// Right-clicks the viewport of @p area and picks @p pick by keyboard (none: closes the menu). Returns
// the entries as "text", " off" when disabled, " [x]" when checked; "<empty>" for a menu without any.
// With @p at, the menu is asked for there (viewport coordinates, by @p reason) and @p shownAt
// receives where it opened, relative to that point.
QStringList openMenu(QAbstractScrollArea *area, const QString &pick = QString(), QPoint *shownAt = nullptr,
                     QPoint at = QPoint(), QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse)
{
    QWidget *target = area->viewport();
    const QPoint pos = at.isNull() ? target->rect().center() : at;
    QStringList seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        watcher.stop();
        if (shownAt)
            *shownAt = menu->pos() - target->mapToGlobal(pos);
        for (QAction *a : menu->actions()) {
            seen << a->text() + (a->isEnabled() ? "" : " off") + (a->isChecked() ? " [x]" : "");
            if (a->text() == pick)
                menu->setActiveAction(a);
        }
        if (seen.isEmpty())
            seen << QStringLiteral("<empty>");
        if (pick.isEmpty())
            menu->close();
        else
            QTest::keyClick(menu, Qt::Key_Return);
    });
    watcher.start(10);
    QContextMenuEvent event(reason, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    QCoreApplication::processEvents();
    return seen;
}
} // namespace

class tst_Inputs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); } // "50.00" and "3.5" are parsed and shown

    void comboSignalsCarryData()
    {
        QExtendComboBox combo(nullptr);
        combo.addItems({"one", "two", "three"});
        combo.bindUserData(7);

        QStringList order;
        connect(&combo, qOverload<int, const QVariant &>(&QExtendComboBox::currentIndexChangedExtend), this,
                [&order](int i, const QVariant &v) { order << QStringLiteral("index %1 %2").arg(i).arg(v.toInt()); });
        connect(&combo, qOverload<const QString &, const QVariant &>(&QExtendComboBox::currentIndexChangedExtend), this,
                [&order](const QString &t, const QVariant &v) { order << QStringLiteral("text %1 %2").arg(t).arg(v.toInt()); });
        connect(&combo, &QExtendComboBox::currentTextChangedExtend, this,
                [&order](const QString &t, const QVariant &v) { order << QStringLiteral("current %1 %2").arg(t).arg(v.toInt()); });

        combo.setCurrentIndex(2);
        QCOMPARE(order, QStringList({"index 2 7", "text three 7", "current three 7"}));

        // Editing the text without changing the index repeats only the text signal.
        combo.setEditable(true);
        order.clear();
        combo.lineEdit()->setText(QStringLiteral("thr"));
        QCOMPARE(order, QStringList({"current thr 7"}));
    }

    void spinSignalsCarryData()
    {
        QExtendDoubleSpinBox spin(nullptr);
        spin.setPrefix(QStringLiteral("U="));
        spin.setSuffix(QStringLiteral(" V"));
        spin.bindUserData(QStringLiteral("P1.02"));
        QSignalSpy number(&spin, qOverload<double, const QVariant &>(&QExtendDoubleSpinBox::valueChangedExtend));
        QSignalSpy text(&spin, qOverload<const QString &, const QVariant &>(&QExtendDoubleSpinBox::valueChangedExtend));
        QSignalSpy finished(&spin, &QExtendDoubleSpinBox::editingFinishedExtend);
        const QVariant tag(QStringLiteral("P1.02"));

        spin.setValue(2.5);
        QCOMPARE(calls(number), QList<QVariantList>({{2.5, tag}}));
        QCOMPARE(calls(text), QList<QVariantList>({{QStringLiteral("U=2.50 V"), tag}}));
        QTest::keyClick(&spin, Qt::Key_Return);
        QCOMPARE(calls(finished), QList<QVariantList>({{2.5, tag}}));
    }

    void wheel_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<bool>("wheelLess");
        QTest::newRow("no-wheel combo") << make<QNoWheelComboBox>() << true;
        QTest::newRow("item combo") << make<QItemComboBox>() << true;
        QTest::newRow("no-wheel spin") << make<QNoWheelDouSpinBox>() << true;
        const QDateTime noon(QDate(2024, 3, 1), QTime(12, 0));
        QTest::newRow("no-wheel date-time") << make<QNoWheelDateTimeEdit>(noon) << true;
        QTest::newRow("form date-time") << make<QNoWheelDateTimeEdit>() << true;
        QTest::newRow("hide-notifying combo") << make<QMyCombobox>() << false;
        QTest::newRow("user-data combo") << make<QExtendComboBox>() << false;
        QTest::newRow("user-data spin") << make<QExtendDoubleSpinBox>() << false;
    }

    // Wheel-less editors keep their value and never take the focus from a wheel; the others
    // behave as the toolkit does.
    void wheel()
    {
        QFETCH(Make, make);
        QFETCH(bool, wheelLess);
        std::unique_ptr<QWidget> w(make(nullptr));
        auto *combo = qobject_cast<QComboBox *>(w.get());
        if (combo)
            combo->addItems({"a", "b"});
        const QMetaProperty value = w->metaObject()->userProperty();
        const QVariant before = value.read(w.get());
        turnWheel(w.get(), combo ? -1 : 1); // towards the next entry, or up from the minimum
        QCOMPARE(value.read(w.get()) == before, wheelLess);
        if (wheelLess)
            QCOMPARE(w->focusPolicy(), Qt::StrongFocus);
    }

    void curValOnlyWhenConfirmedWithFocus()
    {
        QWidget top;
        auto *spin = new QNoWheelDouSpinBox(&top);
        auto *other = new QLineEdit(&top);
        top.show();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        QSignalSpy cur(spin, &QNoWheelDouSpinBox::sigCurVal);

        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("3.5"));
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(calls(cur), QList<QVariantList>({{3.5}}));

        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("4.5"));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCOMPARE(cur.count(), 1); // the focus went first: nothing is reported
    }

    // Every entry carries its text as tooltip; only a positive extra width widens the drop-down,
    // to the widest string of that call.
    void addedEntries()
    {
        QItemComboBox box(nullptr);
        box.addOneItem(QStringLiteral("P0.00 Control mode"));
        box.addMultiItem({"P0.01 Run command source", "P0.02"}, 0);
        QCOMPARE(box.itemTextList(), QStringList({"P0.00 Control mode", "P0.01 Run command source", "P0.02"}));
        for (int i = 0; i < box.count(); ++i)
            QCOMPARE(box.itemData(i, Qt::ToolTipRole).toString(), box.itemText(i));
        // A host's model replaces (and deletes) the box's own: the adders go on with the new one.
        box.setModel(new QStringListModel(QStringList{QStringLiteral("host")}, &box));
        box.addOneItem(QStringLiteral("P0.03"));
        box.addMultiItem({QStringLiteral("P0.04")}, -4);
        QCOMPARE(box.itemTextList(), QStringList({"host", "P0.03", "P0.04"}));
        QCOMPARE(box.view()->styleSheet(), QString());
        box.addMultiItem({"ab", "a"}, 12);
        const int width = box.fontMetrics().horizontalAdvance(QStringLiteral("ab")) + 12;
        QCOMPARE(box.view()->styleSheet(), QStringLiteral("QAbstractItemView{min-width: %1px}").arg(width));
    }

    void axes_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("one") << 1 << QStringList({"X"});
        QTest::newRow("two") << 2 << QStringList({"X", "Y", "Z"});
        QTest::newRow("six") << 6 << QStringList({"X", "Y", "Z"});
    }

    void axes()
    {
        QFETCH(int, count);
        QFETCH(QStringList, offered);
        QAxisComBoxWidget w;
        auto *combo = w.findChild<QComboBox *>(QStringLiteral("AXIS_COMBOBOX"));
        w.updateAxis(3);
        combo->setCurrentIndex(2);
        w.updateAxis(count); // refilling starts again at "X"
        QCOMPARE(combo->count(), offered.size());
        QCOMPARE(combo->itemText(combo->count() - 1), offered.last());
        QCOMPARE(w.getAxisIndex(), 0);
    }

    // Disabling reaches the edit only; the unit stays readable.
    void disableKeepsUnit()
    {
        QCustomLineEdit w;
        w.setEnable(false);
        QVERIFY(!w.findChild<QLineEdit *>(QStringLiteral("FLOWDIAGRAM"))->isEnabled());
    }

    // Only the toggle flips masked/readable; the fixed modes leave that flag for a later switch back.
    void passwordModes()
    {
        QPswEdit edit;
        auto *toggle = edit.findChild<QPushButton *>();
        const QString look =
            QStringLiteral("QPushButton{border-image: url(:/img/commonImge/%1);background: transparent;}");
        QCOMPARE(edit.echoMode(), QLineEdit::Password);
        QCOMPARE(toggle->styleSheet(), look.arg("hidepsw"));
        // A square at the right end; typed text never runs under it.
        QCOMPARE(toggle->size(), QSize(edit.sizeHint().height(), edit.sizeHint().height()));
        QCOMPARE(edit.textMargins().right(), toggle->width());
        // Alt+F8 in the edit clicks the toggle, before any host shortcut.
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F8, Qt::AltModifier);
        QApplication::sendEvent(&edit, &override);
        QVERIFY(override.isAccepted());
        QTest::keyClick(&edit, Qt::Key_F8, Qt::AltModifier);
        QCOMPARE(edit.echoMode(), QLineEdit::Normal);
        QVERIFY(toggle->isChecked());
        QCOMPARE(toggle->styleSheet(), look.arg("showpsw"));
        QTest::keyClick(&edit, Qt::Key_F8, Qt::AltModifier);
        QCOMPARE(edit.echoMode(), QLineEdit::Password);
        // However the toggle is set, checked is shown, and its description says which.
        QAccessible::queryAccessibleInterface(toggle)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        QCOMPARE(edit.echoMode(), QLineEdit::Normal);
        QCOMPARE(toggle->accessibleDescription(), QStringLiteral("STR_PASSWORD_SHOWN"));
        {
            Catalogue english;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCOMPARE(toggle->accessibleName(), QStringLiteral("Show password"));
            QCOMPARE(toggle->accessibleDescription(), QStringLiteral("Password is shown"));
            toggle->setChecked(false);
            QCOMPARE(edit.echoMode(), QLineEdit::Password);
            QCOMPARE(toggle->accessibleDescription(), QStringLiteral("Password is hidden"));
        }
        // Pressed as assistive technology presses it (an animated click), then clicked back.
        QAccessible::queryAccessibleInterface(toggle)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(edit.echoMode(), QLineEdit::Normal);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(edit.echoMode(), QLineEdit::Password);

        edit.setDisplayMode(QPswEdit::DisplaySwitchable); // masked -> readable
        QCOMPARE(edit.echoMode(), QLineEdit::Normal);
        edit.setDisplayMode(QPswEdit::DisplayPassword);
        QCOMPARE(edit.echoMode(), QLineEdit::Password);
        QVERIFY(toggle->isHidden());
        // Fixed modes ignore the key.
        QTest::keyClick(&edit, Qt::Key_F8, Qt::AltModifier);
        QCOMPARE(edit.echoMode(), QLineEdit::Password);
        edit.setDisplayMode(QPswEdit::DisplayNormal);
        QCOMPARE(edit.echoMode(), QLineEdit::Normal);
        QVERIFY(toggle->isHidden());
        edit.setDisplayMode(QPswEdit::DisplaySwitchable); // continues: readable -> masked
        QVERIFY(!toggle->isHidden());
        QCOMPARE(edit.echoMode(), QLineEdit::Password);
    }

    void textEditMenu()
    {
        std::optional<Catalogue> english(std::in_place);
        QTranslatedTextEdit edit(nullptr);
        english.reset();

        QCOMPARE(openMenu(&edit), QStringList({"Copy off", "Select all"}));
        edit.setPlainText(QStringLiteral("Fault 12: overcurrent"));
        QCOMPARE(openMenu(&edit, QStringLiteral("Select all")).size(), 2);
        QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("Fault 12: overcurrent"));
        QVERIFY(edit.actions().isEmpty());
        QCOMPARE(openMenu(&edit).value(0), QStringLiteral("Copy"));
        edit.moveCursor(QTextCursor::End);
        QCOMPARE(openMenu(&edit).value(0), QStringLiteral("Copy off"));
    }

    void menuOpensAtPointer_data()
    {
        QTest::addColumn<bool>("header");
        QTest::addColumn<int>("reason");
        QTest::newRow("text edit, right click") << false << int(QContextMenuEvent::Mouse);
        QTest::newRow("text edit, menu key") << false << int(QContextMenuEvent::Keyboard);
        QTest::newRow("header, right click") << true << int(QContextMenuEvent::Mouse);
    }

    // The menu opens where it was asked for (for the menu key Qt puts that at the caret), in a
    // window away from the screen's corner.
    void menuOpensAtPointer()
    {
        QFETCH(bool, header);
        QFETCH(int, reason);
        QStandardItemModel model(2, 9);
        QTableView view;
        view.setModel(&model);
        QTranslatedTextEdit edit(nullptr);
        QAbstractScrollArea *area = &edit;
        if (header) {
            auto *columns = new QHideableHeaderView(Qt::Horizontal, &view);
            view.setHorizontalHeader(columns);
            area = columns;
        }
        QWidget *window = header ? static_cast<QWidget *>(&view) : &edit;
        window->setGeometry(120, 90, 400, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QPoint shownAt(-1, -1);
        QVERIFY(!openMenu(area, QString(), &shownAt, QPoint(37, 9), QContextMenuEvent::Reason(reason)).isEmpty());
        QCOMPARE(shownAt, QPoint());
    }

    // The menu toggles the sections past the sixth; reopening it does not pile up actions.
    void headerMenu()
    {
        QStandardItemModel model(2, 9), few(1, 6); // titled by section number, from 1
        QTableView view;
        auto *header = new QHideableHeaderView(Qt::Horizontal, &view);
        view.setHorizontalHeader(header);
        view.setModel(&model);

        const QStringList all{"7 [x]", "8 [x]", "9 [x]"};
        QCOMPARE(openMenu(header), all);
        openMenu(header, QStringLiteral("8"));
        QVERIFY(view.isColumnHidden(7));
        QCOMPARE(openMenu(header), QStringList({"7 [x]", "8", "9 [x]"}));
        openMenu(header, QStringLiteral("8"));
        QVERIFY(!header->isSectionHidden(7));

        // With six sections or fewer no menu opens, and the entries of earlier openings are gone.
        view.setModel(&few);
        QCOMPARE(openMenu(header), QStringList());
        QVERIFY(header->findChildren<QAction *>().isEmpty());
    }
};

QTEST_MAIN(tst_Inputs)
#include "tst_inputs.moc"
