// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QAbstractScrollArea>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

#include <functional>

#include "qhideableheaderview.h"
#include "qpresslabel.h"
#include "qtranslatedtextedit.h"

namespace {
// Sends a context-menu request to the viewport of @p area (where a right click lands) and hands
// the menu it opens to @p use, which must close it. Returns the entries seen as "text", with
// " off" when disabled and " [x]" when checked; nothing if no menu opened.
QStringList openMenu(QAbstractScrollArea *area, const std::function<void(QMenu *)> &use = {})
{
    QWidget *target = area->viewport();
    QStringList seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        watcher.stop();
        for (QAction *a : menu->actions())
            seen << a->text() + (a->isEnabled() ? "" : " off") + (a->isChecked() ? " [x]" : "");
        if (use)
            use(menu);
        else
            menu->close();
    });
    watcher.start(10);
    const QPoint pos = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    QCoreApplication::processEvents();
    return seen;
}

// Picks the entry @p text with the keyboard, as a user would.
std::function<void(QMenu *)> choose(const QString &text)
{
    return [text](QMenu *menu) {
        for (QAction *a : menu->actions())
            if (a->text() == text)
                menu->setActiveAction(a);
        QTest::keyClick(menu, Qt::Key_Return);
    };
}
} // namespace

class tst_TextHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textEditMenu();
    void headerMenu();
    void pressLabel();
};

void tst_TextHelpers::textEditMenu()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QCoreApplication::installTranslator(&translator);
    QTranslatedTextEdit edit(nullptr);
    QCoreApplication::removeTranslator(&translator);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    QCOMPARE(openMenu(&edit), QStringList({"Copy off", "Select all"}));
    edit.setPlainText(QStringLiteral("Fault 12: overcurrent"));
    QMenu *menu = nullptr;
    openMenu(&edit, [&menu](QMenu *m) {
        menu = m;
        choose(QStringLiteral("Select all"))(m);
    });
    QVERIFY(menu);
    QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("Fault 12: overcurrent"));
    QCOMPARE(menu->actions().at(0)->shortcut(), QKeySequence(QKeySequence::Copy));
    QCOMPARE(menu->actions().at(1)->shortcut(), QKeySequence(QKeySequence::SelectAll));
    QVERIFY(edit.actions().isEmpty());
    QCOMPARE(openMenu(&edit).value(0), QStringLiteral("Copy"));
    edit.moveCursor(QTextCursor::End);
    QCOMPARE(openMenu(&edit).value(0), QStringLiteral("Copy off"));
}

// The menu lists the sections past the sixth and toggles them; reopening it does not pile up
// actions. With six sections or fewer, or no model, no menu opens.
void tst_TextHelpers::headerMenu()
{
    QStandardItemModel model(2, 9), few(1, 6);
    for (int c = 0; c < 9; ++c)
        model.setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("col %1").arg(c)));
    // A title is shown as written, never as a mnemonic.
    model.setHorizontalHeaderItem(8, new QStandardItem(QStringLiteral("I&O")));
    QTableView view, fewView;
    QHideableHeaderView *header = nullptr, *fewHeader = nullptr;
    for (auto [v, m, h] : {std::make_tuple(&view, &model, &header), std::make_tuple(&fewView, &few, &fewHeader)}) {
        *h = new QHideableHeaderView(Qt::Horizontal, v);
        v->setHorizontalHeader(*h);
        v->setModel(m);
        v->resize(900, 200);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v));
    }
    QVERIFY(header->stretchLastSection());

    const QStringList all{"col 6 [x]", "col 7 [x]", "I&&O [x]"};
    QCOMPARE(openMenu(header), all);
    openMenu(header, choose(QStringLiteral("col 7")));
    QVERIFY(view.isColumnHidden(7));
    QVERIFY(header->isVisible());
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::Interactive);
    QCOMPARE(openMenu(header), QStringList({"col 6 [x]", "col 7", "I&&O [x]"}));
    openMenu(header, choose(QStringLiteral("col 7")));
    QVERIFY(!header->isSectionHidden(7));
    QCOMPARE(openMenu(header), all);
    QCOMPARE(header->findChildren<QAction *>().size(), 3);
    for (int c = 0; c < 6; ++c)
        QVERIFY(!header->isSectionHidden(c));

    QVERIFY(openMenu(fewHeader).isEmpty());
    QVERIFY(fewHeader->findChildren<QAction *>().isEmpty());
    QHideableHeaderView withoutModel(Qt::Vertical, nullptr);
    withoutModel.show();
    QVERIFY(openMenu(&withoutModel).isEmpty()); // returns at once, no menu
}

void tst_TextHelpers::pressLabel()
{
    QPressLabel label(nullptr);
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy pressed(&label, &QPressLabel::SigMousePress);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mouseClick(&label, Qt::MiddleButton);
    QCOMPARE(pressed.count(), 0);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
}

QTEST_MAIN(tst_TextHelpers)
#include "tst_texthelpers.moc"
