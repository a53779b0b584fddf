// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// What a fuzzer cannot judge: where the focus and cursor go. Which texts the editors accept is
// fuzzed (fuzz_editip, fuzz_iplineedit); the rows here are the regressions once found.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "qeditip.h"
#include "qiplineedit.h"

namespace {
enum Editor { EditIP, IPLineEdit };
// Cursor column values other than a position.
constexpr int AllSelected = -1, SecondSelected = -2;

QList<QLineEdit *> parts(QWidget *editor) { return editor->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly); }

QWidget *focused() { return QApplication::focusWidget(); }

QString textOf(QWidget *editor)
{
    if (auto *edit = qobject_cast<QEditIP *>(editor))
        return edit->text();
    return static_cast<QIPLineEdit *>(editor)->getIP();
}
} // namespace

Q_DECLARE_METATYPE(Editor)

class tst_IpEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void setText_data();
    void setText();
    void keys_data();
    void keys();
    void editIpEditingFinishedOnlyFromLastSegment();
    void editIpReadOnlyPaintsGrey();

private:
    QWidget *shown(Editor kind);
    QWidget *m_window = nullptr;
};

void tst_IpEditors::init()
{
    m_window = new QWidget;
    m_window->resize(300, 100);
}

void tst_IpEditors::cleanup() { delete m_window; }

QWidget *tst_IpEditors::shown(Editor kind)
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

void tst_IpEditors::setText_data()
{
    QTest::addColumn<Editor>("kind");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");    // empty: refused (QIPLineEdit warns in a box)
    QTest::addColumn<int>("focusAfter");  // from segment 0: QEditIP's full parts hand the focus on
    QTest::addColumn<QString>("selected");
    QTest::newRow("plain") << EditIP << "192.168.1.10" << "192.168.1.10" << 2 << "1";
    QTest::newRow("clamped") << EditIP << "256.1.1.999" << "255.1.1.255" << 1 << "1";
    QTest::newRow("five groups") << EditIP << "1.2.3.4.5" << "" << 0 << "";
    QTest::newRow("four digits") << EditIP << "1.2.3.1234" << "" << 0 << "";
    QTest::newRow("leading zeros kept") << IPLineEdit << "001.002.003.004" << "001.002.003.004" << 0 << "001";
    QTest::newRow("octet 256") << IPLineEdit << "256.1.1.1" << "" << 0 << "";
    QTest::newRow("leading blank") << IPLineEdit << " 1.2.3.4" << "" << 0 << "";
}

void tst_IpEditors::setText()
{
    QFETCH(Editor, kind);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(int, focusAfter);
    QFETCH(QString, selected);
    QWidget *editor = shown(kind);
    const QList<QLineEdit *> s = parts(editor);
    s.at(0)->setFocus();
    if (kind == EditIP) {
        QCOMPARE(static_cast<QEditIP *>(editor)->setText(input), !text.isEmpty());
        QCOMPARE(textOf(editor), text.isEmpty() ? QStringLiteral("...") : text);
    } else {
        QString box;
        QTimer::singleShot(0, [&box] {
            if (auto *shownBox = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                box = shownBox->windowTitle() + QLatin1Char('|') + shownBox->text();
                shownBox->button(QMessageBox::Ok)->click();
            }
        });
        static_cast<QIPLineEdit *>(editor)->setIP(input);
        QCOMPARE(box, text.isEmpty() ? QStringLiteral("Attention|Your IP Address is Invalid!") : QString());
        QCOMPARE(textOf(editor), text.isEmpty() ? QStringLiteral("0.0.0.0") : text);
        if (text.isEmpty())
            return; // the box took the window's activation
    }
    QCOMPARE(focused(), s.at(focusAfter));
    QCOMPARE(s.at(focusAfter)->selectedText(), selected);
}

void tst_IpEditors::keys_data()
{
    QTest::addColumn<Editor>("kind");
    QTest::addColumn<int>("segment");      // where the keys start
    QTest::addColumn<int>("cursor");       // its cursor; AllSelected, SecondSelected
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("focusAfter");
    QTest::addColumn<int>("cursorAfter");  // -1: not looked at
    QTest::addColumn<QString>("selected"); // in the focused segment afterwards
    QTest::addColumn<QString>("text");     // empty: unchanged
    using K = QList<int>;
    const K n192{Qt::Key_1, Qt::Key_9, Qt::Key_2};
    // QEditIP rows start from 192.1.12.123.
    QTest::newRow("full segment hands on") << EditIP << 0 << AllSelected << n192 << 1 << -1 << "1" << "";
    QTest::newRow("999 clamped") << EditIP << 1 << AllSelected << K{Qt::Key_9, Qt::Key_9, Qt::Key_9} << 2 << -1 << "12"
                                 << "192.255.12.123";
    QTest::newRow("'.' refused") << EditIP << 2 << AllSelected << K{Qt::Key_1, Qt::Key_Period, Qt::Key_2} << 2 << 2 << "" << "";
    QTest::newRow("digit after full moves on") << EditIP << 0 << 3 << K{Qt::Key_7} << 1 << -1 << "1" << "";
    QTest::newRow("digit in full last refused") << EditIP << 3 << 3 << K{Qt::Key_7} << 3 << 3 << "" << "";
    QTest::newRow("digit over part replaces") << EditIP << 0 << SecondSelected << K{Qt::Key_5} << 0 << 1 << "" << "5.1.12.123";
    QTest::newRow("right at end") << EditIP << 1 << 1 << K{Qt::Key_Right} << 2 << 0 << "" << "";
    QTest::newRow("right at end of last") << EditIP << 3 << 3 << K{Qt::Key_Right} << 3 << 3 << "" << "";
    QTest::newRow("left at start") << EditIP << 2 << 0 << K{Qt::Key_Left} << 1 << 1 << "" << "";
    QTest::newRow("backspace at start") << EditIP << 2 << 0 << K{Qt::Key_Backspace} << 1 << 1 << "" << "";
    QTest::newRow("backspace in first") << EditIP << 0 << 0 << K{Qt::Key_Backspace} << 0 << 0 << "" << "";
    // QIPLineEdit rows start from 192.25.0.123; it hands on after the octet took the key (queued).
    QTest::newRow("octet hands on") << IPLineEdit << 0 << AllSelected << n192 << 1 << -1 << "25" << "";
    QTest::newRow("256 refused") << IPLineEdit << 1 << AllSelected << K{Qt::Key_2, Qt::Key_5, Qt::Key_6} << 1 << 2 << "" << "";
    QTest::newRow("last octet stays") << IPLineEdit << 3 << AllSelected << K{Qt::Key_1, Qt::Key_2, Qt::Key_3} << 3 << 3 << "" << "";
    QTest::newRow("return rings") << IPLineEdit << 3 << 0 << K{Qt::Key_Return} << 0 << -1 << "192" << "";
    QTest::newRow("left wraps") << IPLineEdit << 0 << 0 << K{Qt::Key_Left} << 3 << -1 << "123" << "";
    QTest::newRow("right wraps") << IPLineEdit << 3 << 3 << K{Qt::Key_Right} << 0 << -1 << "192" << "";
    QTest::newRow("backspace on empty") << IPLineEdit << 2 << AllSelected << K{Qt::Key_Delete, Qt::Key_Backspace} << 1 << 2
                                        << "" << "192.25.0.123";
    QTest::newRow("backspace in first") << IPLineEdit << 0 << 0 << K{Qt::Key_Backspace} << 0 << 0 << "" << "";
}

void tst_IpEditors::keys()
{
    QFETCH(Editor, kind);
    QFETCH(int, segment);
    QFETCH(int, cursor);
    QFETCH(QList<int>, keys);
    QFETCH(int, focusAfter);
    QFETCH(int, cursorAfter);
    QFETCH(QString, selected);
    QFETCH(QString, text);
    QWidget *editor = shown(kind);
    const QString start = kind == EditIP ? QStringLiteral("192.1.12.123") : QStringLiteral("192.25.0.123");
    if (kind == EditIP)
        static_cast<QEditIP *>(editor)->setText(start);
    else
        static_cast<QIPLineEdit *>(editor)->setIP(start);
    const QList<QLineEdit *> s = parts(editor);
    QLineEdit *edit = s.at(segment);
    edit->setFocus();
    if (cursor == AllSelected)
        edit->selectAll();
    else if (cursor == SecondSelected)
        edit->setSelection(1, 1);
    else
        edit->setCursorPosition(cursor);
    for (int key : keys)
        QTest::keyClick(focused(), Qt::Key(key));
    QTRY_COMPARE(focused(), s.at(focusAfter));
    QCOMPARE(s.at(focusAfter)->selectedText(), selected);
    if (cursorAfter >= 0)
        QCOMPARE(s.at(focusAfter)->cursorPosition(), cursorAfter);
    QCOMPARE(textOf(editor), text.isEmpty() ? start : text);
}

void tst_IpEditors::editIpEditingFinishedOnlyFromLastSegment()
{
    auto *other = new QLineEdit(m_window);
    other->move(0, 50);
    auto *edit = static_cast<QEditIP *>(shown(EditIP));
    const QList<QLineEdit *> s = parts(edit);
    QSignalSpy finished(edit, &QEditIP::editingFinished);
    s.at(0)->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(s.at(i), Qt::Key_Tab);
    QCOMPARE(finished.count(), 0);
    QTest::keyClick(s.at(3), Qt::Key_Tab);
    QCOMPARE(focused(), other);
    QCOMPARE(finished.count(), 1);
    s.at(3)->setFocus();
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(finished.count(), 2);
    // Switching windows or opening a popup is not leaving the field.
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(s.at(3), &out);
    }
    QCOMPARE(finished.count(), 2);
}

void tst_IpEditors::editIpReadOnlyPaintsGrey()
{
    auto *edit = new QEditIP(m_window);
    edit->resize(120, 24);
    edit->setReadOnly(true);
    QCOMPARE(edit->grab().toImage().pixelColor(1, 12), QColor(200, 200, 200));
    QVERIFY(parts(edit).at(2)->isReadOnly());
    // A digit typed over a selection in a read-only segment changes nothing.
    edit->setText(QStringLiteral("1.2.3.4"));
    parts(edit).at(2)->selectAll();
    QTest::keyClick(parts(edit).at(2), Qt::Key_7);
    QCOMPARE(edit->text(), QStringLiteral("1.2.3.4"));
    edit->setReadOnly(false);
    QCOMPARE(edit->grab().toImage().pixelColor(1, 12), QColor(255, 255, 255));
}

QTEST_MAIN(tst_IpEditors)
#include "tst_ipeditors.moc"
