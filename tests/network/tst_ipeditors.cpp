// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// What a fuzzer cannot judge: where the focus and cursor go. Which texts the editors accept is
// fuzzed (fuzz_ipeditors); the rows here are the regressions once found.

#include <QtTest>
#include <QtWidgets>

#include "qeditip.h"
#include "qiplineedit.h"

namespace {
enum Editor { EditIP, IPLineEdit };
// Cursor and segment column values other than a position.
constexpr int AllSelected = -1, SecondSelected = -2, NoKeys = -1;

QList<QLineEdit *> parts(QWidget *editor) { return editor->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly); }

QString textOf(QWidget *editor)
{
    if (auto *edit = qobject_cast<QEditIP *>(editor))
        return edit->text();
    return static_cast<QIPLineEdit *>(editor)->getIP();
}
} // namespace

enum Change { Typing, FocusLeaves, ReadOnly, Disabled, HostSheet };
Q_DECLARE_METATYPE(Editor)
Q_DECLARE_METATYPE(Change)

class tst_IpEditors : public QObject
{
    Q_OBJECT
    QWidget *m_window = nullptr;

    QWidget *shown(Editor kind)
    {
        QWidget *editor = kind == EditIP ? static_cast<QWidget *>(new QEditIP(m_window)) : new QIPLineEdit(m_window);
        // The host's shortcuts on the keys the editors use must not take them away.
        for (int key : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace})
            new QShortcut(QKeySequence(key), m_window);
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window))
            qWarning("window not active");
        return editor;
    }

private Q_SLOTS:
    void init()
    {
        m_window = new QWidget;
        m_window->resize(300, 100);
    }

    void cleanup() { delete m_window; }


    // A sheet the host sets on the editor itself leaves the segments as they were drawn: their own
    // rule still wins, as the sheet each segment once carried did.
    void hostSheetKeepsSegmentLook()
    {
        for (Editor kind : {EditIP, IPLineEdit}) {
            QWidget *editor = shown(kind);
            const QImage before = parts(editor).at(1)->grab().toImage();
            editor->setStyleSheet(QStringLiteral("QLineEdit{border:2px solid red}"));
            QCOMPARE(parts(editor).at(1)->grab().toImage(), before);
            delete editor;
        }
    }

    void repaintsAsDrawn_data()
    {
        QTest::addColumn<Editor>("kind");
        QTest::addColumn<Change>("change"); // before a part repaints on its own
        for (Editor kind : {EditIP, IPLineEdit}) {
            const char *name = kind == EditIP ? "QEditIP" : "QIPLineEdit";
            QTest::addRow("%s typing", name) << kind << Typing;
            QTest::addRow("%s focus leaves", name) << kind << FocusLeaves;
            QTest::addRow("%s read-only", name) << kind << ReadOnly;
            QTest::addRow("%s disabled", name) << kind << Disabled;
            QTest::addRow("%s host sheet", name) << kind << HostSheet;
        }
    }

    // A part's repaint copies the frame beneath it from what was painted before: the window must
    // look as if painted whole, whatever changed since, and the keys still reach the host. The
    // parts are see-through here, so the frame beneath them shows.
    void repaintsAsDrawn()
    {
        QFETCH(Editor, kind);
        QFETCH(Change, change);
        QApplication::setCursorFlashTime(0); // a caret that never blinks between the two grabs
        QWidget *editor = shown(kind);
        auto *elsewhere = new QLineEdit(m_window);
        elsewhere->move(0, 50);
        elsewhere->show();
        const QString parts = QStringLiteral("#ipOctet0,#ipOctet1,#ipOctet2,#ipOctet3,#ipSegment0,#ipSegment1,"
                                             "#ipSegment2,#ipSegment3{background:transparent}");
        editor->setStyleSheet(parts);
        if (kind == EditIP)
            static_cast<QEditIP *>(editor)->setText(QStringLiteral("192.168.1.10"));
        else
            static_cast<QIPLineEdit *>(editor)->setIP(QStringLiteral("192.168.1.10"));
        QLineEdit *last = ::parts(editor).at(3);
        last->setFocus();
        last->end(false);
        struct Counter : QObject {
            int count = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                count += event->type() == QEvent::KeyRelease;
                return false;
            }
        } releases;
        m_window->installEventFilter(&releases);

        const auto area = [editor] { return QRect(editor->pos(), editor->size()); };
        const auto shownNow = [&] {
            QCoreApplication::processEvents();
            const QImage window = m_window->screen()->grabWindow(m_window->winId()).toImage();
            const qreal ratio = m_window->devicePixelRatioF();
            const QRect pixels(area().topLeft() * ratio, area().size() * ratio);
            return window.copy(pixels).convertToFormat(QImage::Format_RGB32);
        };
        const auto whole = [&] { return m_window->grab(area()).toImage().convertToFormat(QImage::Format_RGB32); };
        QCOMPARE(shownNow(), whole());
        // A stock line edit's key releases reach the host as many times as a part's do.
        elsewhere->setFocus();
        QTest::keyClick(elsewhere, Qt::Key_5);
        QTest::keyClick(elsewhere, Qt::Key_Backspace);
        const int stockReleases = std::exchange(releases.count, 0);
        last->setFocus();
        QTest::keyClick(last, Qt::Key_5);
        QTest::keyClick(last, Qt::Key_Backspace);
        QCOMPARE(shownNow(), whole());
        QCOMPARE(releases.count, stockReleases);
        QCOMPARE(textOf(editor), QStringLiteral("192.168.1.10"));
        switch (change) {
        case Typing:
            return;
        case FocusLeaves:
            elsewhere->setFocus();
            break;
        case ReadOnly:
            // The outer line edit is read-only already: made editable, it paints as QLineEdit does.
            if (kind == EditIP)
                static_cast<QEditIP *>(editor)->setReadOnly(true);
            else
                static_cast<QLineEdit *>(editor)->setReadOnly(false);
            break;
        case Disabled:
            editor->setEnabled(false);
            break;
        case HostSheet:
            editor->setStyleSheet(parts + QStringLiteral("QIPLineEdit{background:yellow}"));
            break;
        }
        QCoreApplication::processEvents();
        ::parts(editor).at(1)->update();
        QCOMPARE(shownNow(), whole());
    }

    void keys_data()
    {
        QTest::addColumn<Editor>("kind");
        QTest::addColumn<QString>("start");    // set with the focus in segment 0
        QTest::addColumn<int>("segment");      // where the keys start; NoKeys: none are typed
        QTest::addColumn<int>("cursor");       // its cursor; AllSelected, SecondSelected
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("focusAfter");
        QTest::addColumn<int>("cursorAfter");  // -1: not looked at
        QTest::addColumn<QString>("selected"); // in the focused segment afterwards
        QTest::addColumn<QString>("text");     // empty: start; "0.0.0.0": start refused
        using K = QList<int>;
        const K n192{Qt::Key_1, Qt::Key_9, Qt::Key_2};
        const QString a = QStringLiteral("192.1.12.123"), b = QStringLiteral("192.25.0.123");
        // A full part set by the host hands the focus on too, and the segment it lands in is selected;
        // which texts are taken, and clamped, is fuzz_editip's and fuzz_iplineedit's.
        QTest::newRow("set plain") << EditIP << "192.168.1.10" << NoKeys << 0 << K{} << 2 << -1 << "1" << "";
        QTest::newRow("full segment hands on") << EditIP << a << 0 << AllSelected << n192 << 1 << -1 << "1" << "";
        QTest::newRow("999 clamped") << EditIP << a << 1 << AllSelected << K{Qt::Key_9, Qt::Key_9, Qt::Key_9} << 2 << -1 << "12"
                                     << "192.255.12.123";
        QTest::newRow("digit after full moves on") << EditIP << a << 0 << 3 << K{Qt::Key_7} << 1 << -1 << "1" << "";
        QTest::newRow("digit in full last refused") << EditIP << a << 3 << 3 << K{Qt::Key_7} << 3 << 3 << "" << "";
        QTest::newRow("digit over part replaces") << EditIP << a << 0 << SecondSelected << K{Qt::Key_5} << 0 << 1 << ""
                                                  << "5.1.12.123";
        QTest::newRow("right at end") << EditIP << a << 1 << 1 << K{Qt::Key_Right} << 2 << 0 << "" << "";
        QTest::newRow("left at start") << EditIP << a << 2 << 0 << K{Qt::Key_Left} << 1 << 1 << "" << "";
        QTest::newRow("backspace at start") << EditIP << a << 2 << 0 << K{Qt::Key_Backspace} << 1 << 1 << "" << "";
        QTest::newRow("backspace in first") << EditIP << a << 0 << 0 << K{Qt::Key_Backspace} << 0 << 0 << "" << "";
        // QIPLineEdit selects the first octet when set; it hands on after the octet took the key (queued).
        QTest::newRow("set leading zeros") << IPLineEdit << "001.002.003.004" << NoKeys << 0 << K{} << 0 << -1 << "001" << "";
        QTest::newRow("set octet 256") << IPLineEdit << "256.1.1.1" << NoKeys << 0 << K{} << 0 << -1 << "" << "0.0.0.0";
        QTest::newRow("octet hands on") << IPLineEdit << b << 0 << AllSelected << n192 << 1 << -1 << "25" << "";
        QTest::newRow("last octet stays") << IPLineEdit << b << 3 << AllSelected << n192 << 3 << 3 << "" << "192.25.0.192";
        QTest::newRow("return rings") << IPLineEdit << b << 3 << 0 << K{Qt::Key_Return} << 0 << -1 << "192" << "";
        QTest::newRow("left wraps") << IPLineEdit << b << 0 << 0 << K{Qt::Key_Left} << 3 << -1 << "123" << "";
        QTest::newRow("right wraps") << IPLineEdit << b << 3 << 3 << K{Qt::Key_Right} << 0 << -1 << "192" << "";
        QTest::newRow("backspace on empty") << IPLineEdit << b << 2 << AllSelected << K{Qt::Key_Delete, Qt::Key_Backspace} << 1
                                            << 2 << "" << "192.25.0.123";
        QTest::newRow("backspace in first") << IPLineEdit << b << 0 << 0 << K{Qt::Key_Backspace} << 0 << 0 << "" << "";
    }

    void keys()
    {
        QFETCH(Editor, kind);
        QFETCH(QString, start);
        QFETCH(int, segment);
        QFETCH(int, cursor);
        QFETCH(QList<int>, keys);
        QFETCH(int, focusAfter);
        QFETCH(int, cursorAfter);
        QFETCH(QString, selected);
        QFETCH(QString, text);
        QWidget *editor = shown(kind);
        const QList<QLineEdit *> s = parts(editor);
        s.at(0)->setFocus();
        // QIPLineEdit refuses a text with a modal warning.
        QTimer::singleShot(0, editor, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        if (kind == EditIP)
            QVERIFY(static_cast<QEditIP *>(editor)->setText(start));
        else
            static_cast<QIPLineEdit *>(editor)->setIP(start);
        if (text == QLatin1String("0.0.0.0")) {
            QCOMPARE(textOf(editor), text);
            return; // refused: the box took the window's activation
        }
        if (segment != NoKeys) {
            QLineEdit *edit = s.at(segment);
            edit->setFocus();
            if (cursor == AllSelected)
                edit->selectAll();
            else if (cursor == SecondSelected)
                edit->setSelection(1, 1);
            else
                edit->setCursorPosition(cursor);
            for (int key : keys)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        }
        QTRY_COMPARE(QApplication::focusWidget(), s.at(focusAfter));
        QCOMPARE(s.at(focusAfter)->selectedText(), selected);
        if (cursorAfter >= 0)
            QCOMPARE(s.at(focusAfter)->cursorPosition(), cursorAfter);
        QCOMPARE(textOf(editor), text.isEmpty() ? start : text);
    }

    void editIpEditingFinishedOnlyFromLastSegment()
    {
        auto *other = new QLineEdit(m_window);
        auto *edit = static_cast<QEditIP *>(shown(EditIP));
        const QList<QLineEdit *> s = parts(edit);
        QSignalSpy finished(edit, &QEditIP::editingFinished);
        s.at(0)->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(s.at(i), Qt::Key_Tab);
        QCOMPARE(finished.count(), 0);
        QTest::keyClick(s.at(3), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), other);
        QCOMPARE(finished.count(), 1);
        // Switching windows or opening a popup is not leaving the field.
        for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QCoreApplication::sendEvent(s.at(3), &out);
        }
        QCOMPARE(finished.count(), 1);
    }

    // Read-only paints grey, and a digit typed over a selection in a read-only segment changes nothing.
    void editIpReadOnly()
    {
        auto *edit = new QEditIP(m_window);
        edit->resize(120, 24);
        edit->setReadOnly(true);
        QCOMPARE(edit->grab().toImage().pixelColor(1, 12), QColor(200, 200, 200));
        edit->setText(QStringLiteral("1.2.3.4"));
        parts(edit).at(2)->selectAll();
        QTest::keyClick(parts(edit).at(2), Qt::Key_7);
        QCOMPARE(edit->text(), QStringLiteral("1.2.3.4"));
        edit->setReadOnly(false);
        QCOMPARE(edit->grab().toImage().pixelColor(1, 12), QColor(255, 255, 255));
    }
};

QTEST_MAIN(tst_IpEditors)
#include "tst_ipeditors.moc"
