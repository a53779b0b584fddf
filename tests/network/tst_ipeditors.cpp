// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "qeditip.h"
#include "qiplineedit.h"

namespace {
QList<QLineEdit *> parts(QWidget *editor) { return editor->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly); }

QWidget *focused() { return QApplication::focusWidget(); }

// Puts the focus on @p edit with the cursor at @p position, then presses @p key there.
void keyAt(QLineEdit *edit, int position, Qt::Key key)
{
    edit->setFocus();
    edit->setCursorPosition(position);
    QTest::keyClick(edit, key);
}
} // namespace

class tst_IpEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void ipLineEditSetIP_data();
    void ipLineEditSetIP();
    void ipLineEditKeys();
    void editIpSetText_data();
    void editIpSetText();
    void editIpKeys();
    void editIpEditingFinishedOnlyFromLastSegment();
    void editIpReadOnlyPaintsGrey();

private:
    template<typename Editor>
    Editor *shown();
    QWidget *m_window = nullptr;
};

void tst_IpEditors::init()
{
    m_window = new QWidget;
    m_window->resize(300, 100);
}

void tst_IpEditors::cleanup() { delete m_window; }

template<typename Editor>
Editor *tst_IpEditors::shown()
{
    auto *editor = new Editor(m_window);
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("window not active");
    return editor;
}

void tst_IpEditors::ipLineEditSetIP_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("result");
    QTest::newRow("plain") << "192.168.1.10" << "192.168.1.10";
    QTest::newRow("leading zeros kept") << "001.002.003.004" << "001.002.003.004";
    QTest::newRow("extremes") << "0.255.249.200" << "0.255.249.200";
    QTest::newRow("octet 256") << "256.1.1.1" << "";
    QTest::newRow("three octets") << "1.2.3" << "";
    QTest::newRow("leading blank") << " 1.2.3.4" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_IpEditors::ipLineEditSetIP()
{
    QFETCH(QString, ip);
    QFETCH(QString, result);
    QIPLineEdit edit(m_window);
    QString shown;
    if (result.isEmpty()) {
        QTimer::singleShot(0, [&shown] {
            QMessageBox *box = nullptr;
            QTRY_VERIFY((box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) != nullptr);
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }
    edit.setIP(ip);
    if (result.isEmpty()) {
        QCOMPARE(shown, QStringLiteral("Attention|Your IP Address is Invalid!"));
        QCOMPARE(edit.getIP(), QStringLiteral("0.0.0.0"));
        return;
    }
    QCOMPARE(edit.getIP(), result);
    QCOMPARE(parts(&edit).at(0)->selectedText(), ip.section(QLatin1Char('.'), 0, 0));
}

void tst_IpEditors::ipLineEditKeys()
{
    auto *edit = shown<QIPLineEdit>();
    const QList<QLineEdit *> f = parts(edit);
    QTRY_COMPARE(focused(), f.at(0)); // the show event focuses octet 0

    // A third character hands on (queued); the validator stops 256 at 25; octet 3 goes nowhere.
    f.at(1)->setText(QStringLiteral("7"));
    QTest::keyClicks(f.at(0), QStringLiteral("192"));
    QTRY_COMPARE(focused(), f.at(1));
    QCOMPARE(f.at(1)->selectedText(), QStringLiteral("7"));
    QTest::keyClicks(f.at(1), QStringLiteral("256"));
    f.at(3)->setFocus();
    QTest::keyClicks(f.at(3), QStringLiteral("123"));
    QTest::qWait(0);
    QCOMPARE(focused(), f.at(3));
    QCOMPARE(edit->getIP(), QStringLiteral("192.25.0.123"));

    // Tab and Return form a ring; Left and Right wrap at the ends.
    keyAt(f.at(3), 0, Qt::Key_Tab);
    QCOMPARE(focused(), f.at(0));
    QCOMPARE(f.at(0)->selectedText(), QStringLiteral("192"));
    keyAt(f.at(0), 0, Qt::Key_Return);
    QCOMPARE(focused(), f.at(1));
    keyAt(f.at(0), 0, Qt::Key_Left);
    QCOMPARE(focused(), f.at(3));
    keyAt(f.at(3), 3, Qt::Key_Right);
    QCOMPARE(focused(), f.at(0));

    // Backspace at the start moves to the end of the previous octet and deletes nothing.
    f.at(2)->clear();
    keyAt(f.at(2), 0, Qt::Key_Backspace);
    QCOMPARE(focused(), f.at(1));
    QCOMPARE(f.at(1)->cursorPosition(), 2);
    QVERIFY(!f.at(1)->hasSelectedText());
    keyAt(f.at(0), 0, Qt::Key_Backspace);
    QCOMPARE(focused(), f.at(0));
    QCOMPARE(edit->getIP(), QStringLiteral("192.25.0.123"));
}

void tst_IpEditors::editIpSetText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "192.168.1.10" << true << "192.168.1.10";
    QTest::newRow("clamped") << "256.1.1.999" << true << "255.1.1.255";
    QTest::newRow("three groups") << "1.2.3" << false << "...";
    QTest::newRow("five groups") << "1.2.3.4.5" << false << "...";
    QTest::newRow("letter") << "1.2.a.4" << false << "...";
    QTest::newRow("four digits") << "1.2.3.1234" << false << "...";
}

void tst_IpEditors::editIpSetText()
{
    QFETCH(QString, input);
    QFETCH(bool, accepted);
    QFETCH(QString, text);
    QEditIP edit(m_window);
    QCOMPARE(edit.setText(input), accepted);
    QCOMPARE(edit.text(), text);
    edit.clear();
    QCOMPARE(edit.text(), QStringLiteral("..."));
}

void tst_IpEditors::editIpKeys()
{
    auto *edit = shown<QEditIP>();
    const QList<QLineEdit *> s = parts(edit);
    QVERIFY(edit->setText(QStringLiteral("192.168.1.10")));
    QCOMPARE(focused(), s.at(2)); // each three-digit part handed the focus on
    QCOMPARE(s.at(2)->selectedText(), QStringLiteral("1")); // so typing replaces it

    edit->clear();
    s.at(0)->setFocus();
    QTest::keyClicks(s.at(0), QStringLiteral("192"));
    QCOMPARE(focused(), s.at(1));
    QTest::keyClicks(s.at(1), QStringLiteral("999"));
    QTest::keyClicks(s.at(2), QStringLiteral("1.2"));
    QCOMPARE(edit->text(), QStringLiteral("192.255.12."));

    // A digit after a full segment moves on and is dropped; in segment 3 it is just refused.
    s.at(1)->setText(QStringLiteral("1"));
    keyAt(s.at(0), 3, Qt::Key_7);
    QCOMPARE(focused(), s.at(1));
    QCOMPARE(s.at(1)->selectedText(), QStringLiteral("1"));
    s.at(3)->setText(QStringLiteral("123"));
    keyAt(s.at(3), 3, Qt::Key_7);
    QCOMPARE(focused(), s.at(3));
    QCOMPARE(edit->text(), QStringLiteral("192.1.12.123"));

    // A digit over a partial selection replaces the whole segment.
    s.at(0)->setSelection(1, 1);
    QTest::keyClick(s.at(0), Qt::Key_5);
    QCOMPARE(s.at(0)->text(), QStringLiteral("5"));

    // Right at the end moves on (not from segment 3); Left/Backspace at 0 move back, deleting nothing.
    keyAt(s.at(1), 1, Qt::Key_Right);
    QCOMPARE(focused(), s.at(2));
    QCOMPARE(s.at(2)->cursorPosition(), 0);
    keyAt(s.at(3), 3, Qt::Key_Right);
    QCOMPARE(focused(), s.at(3));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Backspace}) {
        keyAt(s.at(2), 0, key);
        QCOMPARE(focused(), s.at(1));
        QCOMPARE(s.at(1)->cursorPosition(), 1);
        keyAt(s.at(0), 0, key);
        QCOMPARE(focused(), s.at(0));
    }
    QCOMPARE(edit->text(), QStringLiteral("5.1.12.123"));
}

void tst_IpEditors::editIpEditingFinishedOnlyFromLastSegment()
{
    auto *other = new QLineEdit(m_window);
    other->move(0, 50);
    auto *edit = shown<QEditIP>();
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
