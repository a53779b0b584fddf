// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QKeyEvent>
#include <QtTest>

#include "qfolderedit.h"
#include "qpathlineedit.h"

namespace {
// Types @p text one character at a time. QTest types ASCII only; any other character arrives
// as a key event carrying the text, as from an input method.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
} // namespace

class tst_PathEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typing_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("allowed") << "" << "My folder.1" << "My folder.1";
        QTest::newRow("forbidden dropped") << "" << "a/b:c|d\\e*f?g\"h<i>j" << "abcdefghij";
        QTest::newRow("non-ASCII") << "" << QString::fromUtf8("Größe") << QString::fromUtf8("Größe");
        QTest::newRow("program set a forbidden char") << "C:/data" << "x/y" << "C:/dataxy";
    }

    void typing()
    {
        QFETCH(QString, preset);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFolderEdit edit;
        edit.setText(preset);
        typeText(&edit, keys);
        QCOMPARE(edit.text(), expected);
        edit.setCursorPosition(1); // typed in the middle too
        typeText(&edit, QStringLiteral("/:|"));
        QCOMPARE(edit.text(), expected);
    }

    void isValid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("con") << "con" << false;
        QTest::newRow("PrN") << "PrN" << false;
        QTest::newRow("aux with blanks") << "  aux " << false;
        QTest::newRow("com3") << "com3" << false;
        QTest::newRow("12LPT") << "12LPT" << false;
        QTest::newRow("con.txt") << "con.txt" << true;
        QTest::newRow("comx") << "comx" << true;
        QTest::newRow("com3a") << "com3a" << true;
    }

    void isValid()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QPathLineEdit edit;
        edit.setText(text); // program-set text bypasses the validator
        QCOMPARE(edit.isValid(), valid);
        QCOMPARE(edit.focusWidget() == &edit, !valid); // a refused name takes the focus
    }
};

QTEST_MAIN(tst_PathEdit)
#include "tst_pathedit.moc"
