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

QList<QLineEdit *> parts(QWidget *editor)
{
    return editor->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
}

void typeDigits(QWidget *target, const QString &digits)
{
    for (const QChar c : digits)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target, c.toLatin1());
}

// Closes the next modal warning and records its texts.
void closeWarning(QString *title, QString *text)
{
    QTimer::singleShot(0, [title, text] {
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) != nullptr);
        *title = box->windowTitle();
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
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
    void ipLineEditRefusesBadAddresses_data();
    void ipLineEditRefusesBadAddresses();
    void ipLineEditTypingAdvancesAndValidates();
    void ipLineEditNavigationRing();

    void editIpSetText_data();
    void editIpSetText();
    void editIpTypingClampsAndAdvances();
    void editIpFullSegmentAndSelection();
    void editIpArrowsAndBackspace();
    void editIpEditingFinishedOnlyFromLastSegment();
    void editIpReadOnlyPaintsGrey();

private:
    QWidget *m_window = nullptr;
};

void tst_IpEditors::init()
{
    m_window = new QWidget;
    m_window->resize(300, 100);
}

void tst_IpEditors::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_IpEditors::ipLineEditSetIP_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QStringList>("octets");
    QTest::newRow("plain") << "192.168.1.10" << QStringList{"192", "168", "1", "10"};
    QTest::newRow("leading zeros kept") << "001.002.003.004" << QStringList{"001", "002", "003", "004"};
    QTest::newRow("extremes") << "0.255.249.200" << QStringList{"0", "255", "249", "200"};
}

void tst_IpEditors::ipLineEditSetIP()
{
    QFETCH(QString, ip);
    QFETCH(QStringList, octets);
    QIPLineEdit edit(m_window);
    QCOMPARE(edit.getIP(), QStringLiteral("0.0.0.0"));
    QCOMPARE(edit.size(), QSize(150, 20));
    QVERIFY(edit.isReadOnly());

    edit.setIP(ip);
    const QList<QLineEdit *> fields = parts(&edit);
    QCOMPARE(fields.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(fields.at(i)->text(), octets.at(i));
    QCOMPARE(fields.at(0)->selectedText(), octets.at(0));
    QCOMPARE(edit.getIP(), ip);
}

void tst_IpEditors::ipLineEditRefusesBadAddresses_data()
{
    QTest::addColumn<QString>("ip");
    QTest::newRow("octet 256") << "256.1.1.1";
    QTest::newRow("three octets") << "1.2.3";
    QTest::newRow("leading blank") << " 1.2.3.4";
    QTest::newRow("empty") << "";
    QTest::newRow("five octets") << "1.2.3.4.5";
}

void tst_IpEditors::ipLineEditRefusesBadAddresses()
{
    QFETCH(QString, ip);
    QIPLineEdit edit(m_window);
    edit.setIP(QStringLiteral("10.0.0.1"));
    QString title, text;
    closeWarning(&title, &text);
    edit.setIP(ip);
    QCOMPARE(title, QStringLiteral("Attention"));
    QCOMPARE(text, QStringLiteral("Your IP Address is Invalid!"));
    QCOMPARE(edit.getIP(), QStringLiteral("10.0.0.1"));
}

void tst_IpEditors::ipLineEditTypingAdvancesAndValidates()
{
    auto *edit = new QIPLineEdit(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QList<QLineEdit *> fields = parts(edit);
    QTRY_COMPARE(QApplication::focusWidget(), fields.at(0)); // the show event focuses octet 0

    fields.at(1)->setText(QStringLiteral("7"));
    typeDigits(edit, QStringLiteral("192"));
    QTRY_COMPARE(QApplication::focusWidget(), fields.at(1));
    QCOMPARE(fields.at(1)->selectedText(), QStringLiteral("7"));

    // The validator stops 256 at 25; two characters do not advance.
    fields.at(1)->clear();
    typeDigits(edit, QStringLiteral("256"));
    QCOMPARE(fields.at(1)->text(), QStringLiteral("25"));
    QTest::qWait(0);
    QCOMPARE(QApplication::focusWidget(), fields.at(1));

    // A third digit in the last octet goes nowhere.
    fields.at(3)->setFocus();
    typeDigits(edit, QStringLiteral("123"));
    QTest::qWait(0);
    QCOMPARE(QApplication::focusWidget(), fields.at(3));
    QCOMPARE(edit->getIP(), QStringLiteral("192.25.0.123"));
}

void tst_IpEditors::ipLineEditNavigationRing()
{
    auto *edit = new QIPLineEdit(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QList<QLineEdit *> f = parts(edit);
    edit->setIP(QStringLiteral("1.22.3.44"));

    // Tab and Return cycle and never leave the widget.
    f.at(3)->setFocus();
    QTest::keyClick(f.at(3), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.at(0));
    QCOMPARE(f.at(0)->selectedText(), QStringLiteral("1"));
    QTest::keyClick(f.at(0), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.at(1));

    // Left at position 0 of octet 0 wraps to octet 3; Right at the end of octet 3 wraps back.
    f.at(0)->setFocus();
    f.at(0)->setCursorPosition(0);
    QTest::keyClick(f.at(0), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), f.at(3));
    f.at(3)->setCursorPosition(2);
    QTest::keyClick(f.at(3), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), f.at(0));

    // Backspace in an empty octet moves to the end of the previous one without deleting.
    f.at(2)->clear();
    f.at(2)->setFocus();
    QTest::keyClick(f.at(2), Qt::Key_Backspace);
    QCOMPARE(QApplication::focusWidget(), f.at(1));
    QCOMPARE(f.at(1)->text(), QStringLiteral("22"));
    QCOMPARE(f.at(1)->cursorPosition(), 2);
    QVERIFY(!f.at(1)->hasSelectedText());
    // ... and does nothing in octet 0.
    f.at(0)->setFocus();
    f.at(0)->setCursorPosition(0);
    QTest::keyClick(f.at(0), Qt::Key_Backspace);
    QCOMPARE(QApplication::focusWidget(), f.at(0));
    QCOMPARE(f.at(0)->text(), QStringLiteral("1"));
}

void tst_IpEditors::editIpSetText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "192.168.1.10" << true << "192.168.1.10";
    QTest::newRow("clamped") << "300.1.1.999" << true << "255.1.1.255";
    QTest::newRow("three groups") << "1.2.3" << false << "...";
    QTest::newRow("five groups") << "1.2.3.4.5" << false << "...";
    QTest::newRow("letter") << "1.2.a.4" << false << "...";
    QTest::newRow("four digits") << "1.2.3.1234" << false << "...";
    QTest::newRow("empty") << "" << false << "...";
}

void tst_IpEditors::editIpSetText()
{
    QFETCH(QString, input);
    QFETCH(bool, accepted);
    QFETCH(QString, text);
    QEditIP edit(m_window);
    QCOMPARE(edit.sizeHint(), QSize(75, 24));
    QCOMPARE(edit.setText(input), accepted);
    QCOMPARE(edit.text(), text);
    edit.clear();
    QCOMPARE(edit.text(), QStringLiteral("..."));
}

void tst_IpEditors::editIpTypingClampsAndAdvances()
{
    auto *edit = new QEditIP(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QList<QLineEdit *> s = parts(edit);

    // setText hands the focus on after every three-digit part.
    QVERIFY(edit->setText(QStringLiteral("192.168.1.10")));
    QCOMPARE(QApplication::focusWidget(), s.at(2));

    edit->clear();
    s.at(0)->setFocus();
    typeDigits(edit, QStringLiteral("192"));
    QCOMPARE(QApplication::focusWidget(), s.at(1));
    typeDigits(edit, QStringLiteral("999"));
    QCOMPARE(s.at(1)->text(), QStringLiteral("255"));
    QCOMPARE(QApplication::focusWidget(), s.at(2));
    typeDigits(edit, QStringLiteral("1.2"));
    QCOMPARE(s.at(2)->text(), QStringLiteral("12")); // the dot is refused
    QCOMPARE(edit->text(), QStringLiteral("192.255.12."));
}

void tst_IpEditors::editIpFullSegmentAndSelection()
{
    auto *edit = new QEditIP(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QList<QLineEdit *> s = parts(edit);
    QVERIFY(edit->setText(QStringLiteral("192.1.22.123")));

    // A digit after a full segment moves on, selects the next and is itself dropped.
    s.at(0)->setFocus();
    s.at(0)->setCursorPosition(3);
    QTest::keyClick(s.at(0), Qt::Key_7);
    QCOMPARE(s.at(0)->text(), QStringLiteral("192"));
    QCOMPARE(QApplication::focusWidget(), s.at(1));
    QCOMPARE(s.at(1)->selectedText(), QStringLiteral("1"));

    // In the last segment it is simply refused.
    s.at(3)->setFocus();
    s.at(3)->setCursorPosition(3);
    QTest::keyClick(s.at(3), Qt::Key_7);
    QCOMPARE(QApplication::focusWidget(), s.at(3));
    QCOMPARE(s.at(3)->text(), QStringLiteral("123"));

    // A digit over a partial selection replaces the whole segment.
    s.at(0)->setFocus();
    s.at(0)->setSelection(1, 1);
    QTest::keyClick(s.at(0), Qt::Key_5);
    QCOMPARE(s.at(0)->text(), QStringLiteral("5"));
}

void tst_IpEditors::editIpArrowsAndBackspace()
{
    auto *edit = new QEditIP(m_window);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QList<QLineEdit *> s = parts(edit);
    QVERIFY(edit->setText(QStringLiteral("10.20.30.40")));

    s.at(1)->setFocus();
    s.at(1)->setCursorPosition(2);
    QTest::keyClick(s.at(1), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), s.at(2));
    QCOMPARE(s.at(2)->cursorPosition(), 0);
    QVERIFY(!s.at(2)->hasSelectedText());

    s.at(3)->setFocus();
    s.at(3)->setCursorPosition(2);
    QTest::keyClick(s.at(3), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), s.at(3));

    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Backspace}) {
        s.at(2)->setFocus();
        s.at(2)->setCursorPosition(0);
        QTest::keyClick(s.at(2), key);
        QCOMPARE(QApplication::focusWidget(), s.at(1));
        QCOMPARE(s.at(1)->cursorPosition(), 2);
        s.at(0)->setFocus();
        s.at(0)->setCursorPosition(0);
        QTest::keyClick(s.at(0), key);
        QCOMPARE(QApplication::focusWidget(), s.at(0));
    }
    QCOMPARE(edit->text(), QStringLiteral("10.20.30.40"));
}

void tst_IpEditors::editIpEditingFinishedOnlyFromLastSegment()
{
    auto *edit = new QEditIP(m_window);
    auto *other = new QLineEdit(m_window);
    other->move(0, 50);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QList<QLineEdit *> s = parts(edit);
    QSignalSpy finished(edit, &QEditIP::editingFinished);

    s.at(0)->setFocus();
    QTest::keyClick(s.at(0), Qt::Key_Tab);
    QTest::keyClick(s.at(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.at(2));
    QCOMPARE(finished.count(), 0);
    QTest::keyClick(s.at(2), Qt::Key_Tab);
    QTest::keyClick(s.at(3), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), other);
    QCOMPARE(finished.count(), 1);

    s.at(3)->setFocus();
    QTest::mouseClick(other, Qt::LeftButton);
    QCOMPARE(finished.count(), 2);
}

void tst_IpEditors::editIpReadOnlyPaintsGrey()
{
    auto *edit = new QEditIP(m_window);
    edit->resize(120, 24);
    edit->setReadOnly(true);
    const QImage grey = edit->grab().toImage();
    QCOMPARE(grey.pixelColor(1, 12), QColor(200, 200, 200));
    for (QLineEdit *segment : parts(edit))
        QVERIFY(segment->isReadOnly());
    edit->setReadOnly(false);
    QCOMPARE(edit->grab().toImage().pixelColor(1, 12), QColor(255, 255, 255));
}

QTEST_MAIN(tst_IpEditors)
#include "tst_ipeditors.moc"
