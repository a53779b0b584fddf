// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QLineEdit>
#include <QtTest>

#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexsubwidget.h"
#include "qintlineedit.h"

namespace {
QPushButton *bit(QWidget *panel, int k) { return panel->findChild<QPushButton *>(QStringLiteral("bitButton_%1").arg(k)); }
QLineEdit *decimalEdit(QWidget *panel) { return panel->findChild<QIntLineEdit *>(); }
QLineEdit *hexEdit(QWidget *panel) { return panel->findChild<QHexLineEdit *>(); }
QWidget *modifyPanel(QHexDlg &dlg) { return dlg.findChild<QWidget *>(QStringLiteral("widgetModify")); }

// Text of every fragment drawn in red, in document order.
QStringList redText(QTextEdit *edit)
{
    QStringList out;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().foreground().color() == QColor(Qt::red))
                out << it.fragment().text();
    return out;
}
} // namespace

class tst_HexDlg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // the validator logs every input
    }

    void toggleWithinRange()
    {
        QHexSubWidget panel(nullptr);
        panel.setupBits(16);
        QVERIFY(panel.setRange(0, 255));
        QTest::mouseClick(bit(&panel, 3), Qt::LeftButton);
        QCOMPARE(bit(&panel, 3)->text(), QStringLiteral("1"));
        QCOMPARE(decimalEdit(&panel)->text(), QStringLiteral("8"));
        QTest::mouseClick(bit(&panel, 7), Qt::LeftButton);
        QTest::mouseClick(bit(&panel, 2), Qt::LeftButton);
        QCOMPARE(hexEdit(&panel)->text(), QStringLiteral("8C"));
        QTest::mouseClick(bit(&panel, 3), Qt::LeftButton);
        QCOMPARE(panel.value(), 0x84);

        // Bit 31 of a 32-bit panel: the signed value, no overflow.
        QHexSubWidget wide(nullptr);
        wide.setupBits(32);
        wide.setRange(INT_MIN, 0);
        QSignalSpy spy(&wide, &QHexSubWidget::sigValueChanged);
        wide.onBtnGroup(31);
        QCOMPARE(spy.last().at(0).toInt(), INT_MIN);
        wide.onBtnGroup(0); // INT_MIN + 1 is in range
        wide.onBtnGroup(31); // would give 1, above the range
        wide.onBtnGroup(32); // no such bit
        QCOMPARE(wide.value(), INT_MIN + 1);
    }

    void bitWalk_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hexText");
        QTest::newRow("150 in 0..100") << 0 << 100 << 0 << false << "150" << 22 << "22" << "16";
        QTest::newRow("128 in 0..100") << 0 << 100 << 0 << false << "128" << 0 << "128" << "0";
        QTest::newRow("in range") << 0 << 1000 << 5 << false << "700" << 700 << "700" << "2BC";
        QTest::newRow("lower-case hex") << 0 << 255 << 0 << true << "af" << 0xAF << "175" << "AF";
        QTest::newRow("bits above count ignored") << 0 << 0x7FFFFFFF << 0 << true << "10001" << 1 << "1" << "1";
        QTest::newRow("above min only") << 10 << 20 << 15 << false << "3" << 11 << "11" << "B";
        QTest::newRow("no range yet") << 0 << 0 << 0 << false << "9" << 0 << "9" << "0";
    }

    void bitWalk()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, start);
        QFETCH(bool, hex);
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, decimal);
        QFETCH(QString, hexText);
        QHexSubWidget panel(nullptr);
        panel.setupBits(16);
        if (max != 0)
            panel.setRange(min, max);
        panel.setValue(start);
        QLineEdit *edit = hex ? hexEdit(&panel) : decimalEdit(&panel);
        edit->selectAll();
        edit->insert(typed); // pasted: the whole text arrives in one edit
        QCOMPARE(panel.value(), value);
        QCOMPARE(decimalEdit(&panel)->text(), decimal);
        QCOMPARE(hexEdit(&panel)->text(), hexText);
    }

    void typedDigitByDigit()
    {
        QHexSubWidget panel(nullptr);
        panel.setupBits(16);
        panel.setRange(0, 100);
        QSignalSpy spy(&panel, &QHexSubWidget::sigValueChanged);
        QLineEdit *edit = decimalEdit(&panel);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("150"));
        QCOMPARE(panel.value(), 22);
        QCOMPARE(edit->text(), QStringLiteral("22"));
        QCOMPARE(spy.last().at(0).toInt(), 22);
    }

    void rangeLabelsAndButtons()
    {
        QHexDlg dlg;
        QWidget *modify = modifyPanel(dlg);
        QWidget *initial = dlg.findChild<QWidget *>(QStringLiteral("widgetInit"));
        QLabel *decimalRange = modify->findChild<QLabel *>(QStringLiteral("decimalRangeLabel"));
        dlg.setRange(10, 5);
        QVERIFY(decimalRange->isHidden());
        QVERIFY(bit(modify, 15)->isEnabled());

        dlg.setRange(10, 255);
        QVERIFY(!decimalRange->isHidden());
        QCOMPARE(decimalRange->text(), QStringLiteral("(10~255)"));
        QCOMPARE(modify->findChild<QLabel *>(QStringLiteral("hexRangeLabel"))->text(), QStringLiteral("(0xA~0xFF)"));
        for (int k = 0; k < 16; ++k)
            QCOMPARE(bit(modify, k)->isEnabled(), k < 8);
        QVERIFY(!bit(initial, 0)->isEnabled());
        QVERIFY(initial->findChild<QIntLineEdit *>()->isReadOnly());

        dlg.setRange(0, 0);
        for (int k = 0; k < 16; ++k)
            QVERIFY(!bit(modify, k)->isEnabled());

        // The initial value is shown as given and stays put while the modified one changes.
        dlg.setRange(0, 0xFFFF);
        dlg.setInitialData(0x1234);
        QTest::mouseClick(bit(modify, 0), Qt::LeftButton);
        QCOMPARE(dlg.getModifyData(), 0x1235);
        QCOMPARE(hexEdit(initial)->text(), QStringLiteral("1234"));
    }

    void form()
    {
        for (int bits : {0, 32, 40}) {
            QHexDlg dlg(nullptr, bits); // clamped to 1..32
            const int built = qBound(1, bits, 32);
            QCOMPARE(modifyPanel(dlg)->findChildren<QPushButton *>().size(), built);
            QCOMPARE(dlg.objectName(), QStringLiteral("Dialog"));
            QCOMPARE(dlg.title(), QStringLiteral("STR_MULTI_SCALE"));
            QCOMPARE(dlg.size(), QSize(724, 470));
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            // Highest bit at the left; bits 16 and up in the upper rows.
            for (int k = 1; k < built; ++k)
                QVERIFY(k == 16 || bit(modifyPanel(dlg), k)->x() < bit(modifyPanel(dlg), k - 1)->x());
            QVERIFY(built < 32 || bit(modifyPanel(dlg), 16)->y() < bit(modifyPanel(dlg), 15)->y());
        }
    }

    void highlight_data()
    {
        QTest::addColumn<QString>("explain");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("red");
        const QString three = QStringLiteral("0: off\n1: on\n2: auto");
        QTest::newRow("ascii colon") << three << 1 << QStringList{"1: on"};
        QTest::newRow("first line") << three << 0 << QStringList{"0: off"};
        QTest::newRow("no such line") << three << 3 << QStringList();
        QTest::newRow("negative") << three << -1 << QStringList();
        QTest::newRow("full-width colon") << QString::fromUtf8("0\xef\xbc\x9a a\n1 \xef\xbc\x9a b") << 1
                                          << QStringList{QString::fromUtf8("1 \xef\xbc\x9a b")};
        QTest::newRow("bar") << QStringLiteral("0|a\n1\t| b") << 1 << QStringList{"1\t| b"};
        QTest::newRow("no separator") << QStringLiteral("0: a\n1 b") << 1 << QStringList();
        QTest::newRow("number not compared") << QStringLiteral("0: a\n7: b") << 1 << QStringList{"7: b"};
        QTest::newRow("every copy") << QStringLiteral("0: a\n1: b\n2: c 1: b") << 1 << QStringList{"1: b", "1: b"};
        QTest::newRow("empty line kept") << QStringLiteral("0: a\n\n2: c") << 2 << QStringList{"2: c"};
        QTest::newRow("three digits") << QStringLiteral("0: a\n100: b") << 1 << QStringList();
    }

    void highlight()
    {
        QFETCH(QString, explain);
        QFETCH(int, value);
        QFETCH(QStringList, red);
        QHexDlg dlg;
        dlg.setRange(-5, 10);
        dlg.setExplain(explain);
        dlg.setInitialData(value);
        auto *edit = dlg.findChild<QTextEdit *>(QStringLiteral("textEdit"));
        QCOMPARE(redText(edit), red);
        QCOMPARE(edit->toPlainText(), explain);
        QCOMPARE(edit->textCursor().position(), red.isEmpty() ? 0 : explain.indexOf(red.first()));
        QVERIFY(!edit->textCursor().hasSelection());
    }

    void highlightEscapes()
    {
        QHexDlg dlg;
        const QString text = QStringLiteral("0: a <b>bold</b> & <font color=red>x</font>\n1:  1 < 2  &amp;\n2: c");
        dlg.setExplain(text);
        dlg.setInitialData(1);
        auto *edit = dlg.findChild<QTextEdit *>(QStringLiteral("textEdit"));
        QCOMPARE(edit->toPlainText(), text);
        QCOMPARE(redText(edit), QStringList{"1:  1 < 2  &amp;"});

        // The next change of the modified value moves the highlight.
        dlg.setRange(0, 3);
        QTest::mouseClick(bit(modifyPanel(dlg), 0), Qt::LeftButton);
        QCOMPARE(dlg.getModifyData(), 0);
        QCOMPARE(edit->toPlainText(), text);
        QCOMPARE(redText(edit).join(QString()), text.section(QLatin1Char('\n'), 0, 0));
    }

    void closing()
    {
        QHexDlg dlg;
        dlg.setRange(0, 255);
        dlg.setInitialData(4);
        QTimer::singleShot(0, &dlg, [&dlg] {
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QVERIFY(dlg.isVisible());
            QTest::mouseClick(bit(modifyPanel(dlg), 0), Qt::LeftButton);
            // Return on the focused bit button flips its bit; in an editor it confirms.
            QTest::keyClick(bit(modifyPanel(dlg), 0), Qt::Key_Return);
            QTest::keyClick(bit(modifyPanel(dlg), 0), Qt::Key_Space);
            QLineEdit *editor = modifyPanel(dlg)->findChild<QLineEdit *>();
            editor->setFocus(Qt::TabFocusReason);
            QTest::keyClick(editor, Qt::Key_Return);
        });
        QCOMPARE(dlg.exec(), 1);
        QVERIFY(dlg.getResult());
        QCOMPARE(dlg.getModifyData(), 5);

        QHexDlg cancelled;
        QTimer::singleShot(0, &cancelled, [&cancelled] {
            for (QPushButton *b : cancelled.findChildren<QPushButton *>(QStringLiteral("OKCANCEL")))
                if (b->text() == QLatin1String("STR_CANCEL")) {
                    // Tabbed onto Cancel, Return cancels.
                    b->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(b, Qt::Key_Return);
                }
        });
        QCOMPARE(cancelled.exec(), 0);
        QVERIFY(!cancelled.getResult());
    }
};

QTEST_MAIN(tst_HexDlg)
#include "tst_hexdlg.moc"
