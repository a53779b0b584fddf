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
struct MenuEntry {
    QString text;
    bool enabled;
    bool checked;
    bool operator==(const MenuEntry &o) const
    {
        return text == o.text && enabled == o.enabled && checked == o.checked;
    }
};

// Sends a context-menu request to the viewport of @p area (where a right click lands) and hands the menu it opens to @p use, which
// must close it. Returns the entries seen, or nothing if no menu opened.
QList<MenuEntry> openMenu(QAbstractScrollArea *area, const std::function<void(QMenu *)> &use = {})
{
    QWidget *target = area->viewport();
    QList<MenuEntry> seen;
    bool opened = false;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = true;
        watcher.stop();
        for (QAction *a : menu->actions())
            seen.append({a->text(), a->isEnabled(), a->isChecked()});
        if (use)
            use(menu);
        else
            menu->close();
    });
    watcher.start();
    const QPoint pos = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    QCoreApplication::processEvents();
    return opened ? seen : QList<MenuEntry>();
}

QList<MenuEntry> columns(std::initializer_list<int> shown, std::initializer_list<int> all)
{
    QList<MenuEntry> entries;
    for (int c : all)
        entries.append({QStringLiteral("col %1").arg(c), true, std::find(shown.begin(), shown.end(), c) != shown.end()});
    return entries;
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

QT_BEGIN_NAMESPACE
namespace QTest {
template<>
char *toString(const MenuEntry &e)
{
    return qstrdup(QStringLiteral("%1 enabled=%2 checked=%3").arg(e.text).arg(e.enabled).arg(e.checked).toUtf8());
}
} // namespace QTest
QT_END_NAMESPACE

class tst_TextHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textEditMenu();
    void headerMenuHidesAndShows();
    void headerMenuWithFewSections();
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

    QCOMPARE(openMenu(&edit), QList<MenuEntry>({{"Copy", false, false}, {"Select all", true, false}}));

    edit.setPlainText(QStringLiteral("Fault 12: overcurrent"));
    QMenu *menu = nullptr;
    openMenu(&edit, [&menu](QMenu *m) {
        menu = m;
        m->setActiveAction(m->actions().at(1));
        QTest::keyClick(m, Qt::Key_Return);
    });
    QVERIFY(menu);
    QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("Fault 12: overcurrent"));
    QCOMPARE(menu->actions().at(0)->shortcut(), QKeySequence(QKeySequence::Copy));
    QCOMPARE(menu->actions().at(1)->shortcut(), QKeySequence(QKeySequence::SelectAll));
    QVERIFY(edit.actions().isEmpty());
    QCOMPARE(openMenu(&edit).value(0), MenuEntry({"Copy", true, false}));

    edit.moveCursor(QTextCursor::End);
    QCOMPARE(openMenu(&edit).value(0), MenuEntry({"Copy", false, false}));
}

void tst_TextHelpers::headerMenuHidesAndShows()
{
    QStandardItemModel model(2, 9);
    for (int c = 0; c < 9; ++c)
        model.setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("col %1").arg(c)));
    QTableView view;
    auto *header = new QHideableHeaderView(Qt::Horizontal, &view);
    view.setHorizontalHeader(header);
    view.setModel(&model);
    view.resize(900, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(header->stretchLastSection());

    QCOMPARE(openMenu(header), columns({6, 7, 8}, {6, 7, 8}));
    openMenu(header, choose(QStringLiteral("col 7")));
    QVERIFY(header->isSectionHidden(7));
    QVERIFY(view.isColumnHidden(7));
    QVERIFY(header->isVisible());
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::Interactive);

    QCOMPARE(openMenu(header), columns({6, 8}, {6, 7, 8}));
    openMenu(header, choose(QStringLiteral("col 7")));
    QVERIFY(!header->isSectionHidden(7));
    QCOMPARE(openMenu(header), columns({6, 7, 8}, {6, 7, 8}));

    // Reopening the menu does not pile up actions on the header.
    QCOMPARE(header->findChildren<QAction *>().size(), 3);
    for (int c = 0; c < 6; ++c)
        QVERIFY(!header->isSectionHidden(c));
}

void tst_TextHelpers::headerMenuWithFewSections()
{
    QStandardItemModel model(1, 6);
    QTableView view;
    auto *header = new QHideableHeaderView(Qt::Horizontal, &view);
    view.setHorizontalHeader(header);
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(openMenu(header).isEmpty());
    QVERIFY(header->findChildren<QAction *>().isEmpty());

    QHideableHeaderView withoutModel(Qt::Vertical, nullptr);
    withoutModel.show();
    QVERIFY(openMenu(&withoutModel).isEmpty()); // returns at once, no menu
    for (int c = 0; c < 6; ++c)
        QVERIFY(!header->isSectionHidden(c));
}

void tst_TextHelpers::pressLabel()
{
    QPressLabel label(nullptr);
    label.setText(QStringLiteral("Details"));
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
