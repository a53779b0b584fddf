#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexsubwidget.h"
#include "qintlineedit.h"

namespace {
void messageFilter(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(msg));
}

QPushButton *bit(QWidget *panel, int k)
{
    return panel->findChild<QPushButton *>(QStringLiteral("bitButton_%1").arg(k));
}

QLineEdit *decimalEdit(QWidget *panel)
{
    return panel->findChild<QIntLineEdit *>();
}

QLineEdit *hexEdit(QWidget *panel)
{
    return panel->findChild<QHexLineEdit *>();
}

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
    void initTestCase();
    void toggleWithinRange();
    void bitWalk_data();
    void bitWalk();
    void typedDigitByDigit();
    void rangeLabelsAndButtons();
    void form();
    void highlight_data();
    void highlight();
    void highlightEscapes();
    void closing();
};

void tst_HexDlg::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    qInstallMessageHandler(messageFilter);
}

void tst_HexDlg::toggleWithinRange()
{
    QHexSubWidget panel(nullptr);
    panel.setupBits(16);
    QVERIFY(panel.setRange(0, 255));
    QTest::mouseClick(bit(&panel, 3), Qt::LeftButton);
    QCOMPARE(panel.value(), 8);
    QCOMPARE(bit(&panel, 3)->text(), QStringLiteral("1"));
    QCOMPARE(decimalEdit(&panel)->text(), QStringLiteral("8"));
    QCOMPARE(hexEdit(&panel)->text(), QStringLiteral("8"));
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
    QCOMPARE(wide.value(), INT_MIN);
    QCOMPARE(spy.last().at(0).toInt(), INT_MIN);
    wide.onBtnGroup(0); // INT_MIN + 1 is in range
    QCOMPARE(wide.value(), INT_MIN + 1);
    wide.onBtnGroup(31); // would give 1, above the range
    QCOMPARE(wide.value(), INT_MIN + 1);
    wide.onBtnGroup(32); // no such bit
    QCOMPARE(wide.value(), INT_MIN + 1);
}

void tst_HexDlg::bitWalk_data()
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

void tst_HexDlg::bitWalk()
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
    // Pasted: the whole text arrives in one edit.
    edit->selectAll();
    edit->insert(typed);
    QCOMPARE(panel.value(), value);
    QCOMPARE(decimalEdit(&panel)->text(), decimal);
    QCOMPARE(hexEdit(&panel)->text(), hexText);
    QVERIFY(panel.value() >= min && panel.value() <= max);
}

void tst_HexDlg::typedDigitByDigit()
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

    // The value never left the range, whatever was typed.
    for (const QList<QVariant> &args : qAsConst(spy))
        QVERIFY(args.at(0).toInt() <= 150);
    QVERIFY(panel.value() <= 100);
}

void tst_HexDlg::rangeLabelsAndButtons()
{
    QHexDlg dlg;
    QWidget *modify = dlg.findChild<QWidget *>(QStringLiteral("widgetModify"));
    QWidget *initial = dlg.findChild<QWidget *>(QStringLiteral("widgetInit"));
    QLabel *decimalRange = modify->findChild<QLabel *>(QStringLiteral("decimalRangeLabel"));
    QLabel *hexRange = modify->findChild<QLabel *>(QStringLiteral("hexRangeLabel"));

    dlg.setRange(10, 5);
    QVERIFY(decimalRange->isHidden());
    QVERIFY(bit(modify, 15)->isEnabled());

    dlg.setRange(10, 255);
    QVERIFY(!decimalRange->isHidden());
    QCOMPARE(decimalRange->text(), QStringLiteral("(10~255)"));
    QCOMPARE(hexRange->text(), QStringLiteral("(0xA~0xFF)"));
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
    QCOMPARE(hexEdit(initial)->text(), QStringLiteral("1234"));
    QTest::mouseClick(bit(modify, 0), Qt::LeftButton);
    QCOMPARE(dlg.getModifyData(), 0x1235);
    QCOMPARE(hexEdit(initial)->text(), QStringLiteral("1234"));
}

void tst_HexDlg::form()
{
    for (int bits : {0, 32, 40}) {
        QHexDlg dlg(nullptr, bits); // clamped to 1..32
        QWidget *modify = dlg.findChild<QWidget *>(QStringLiteral("widgetModify"));
        const int built = qBound(1, bits, 32);
        QCOMPARE(modify->findChildren<QPushButton *>().size(), built);
        QCOMPARE(dlg.objectName(), QStringLiteral("Dialog"));
        QCOMPARE(dlg.title(), QStringLiteral("STR_MULTI_SCALE"));
        QCOMPARE(dlg.size(), QSize(724, 470));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // Highest bit at the left; bits 16 and up in the upper rows.
        for (int k = 1; k < built; ++k) {
            if (k != 16)
                QVERIFY(bit(modify, k)->x() < bit(modify, k - 1)->x());
        }
        if (built == 32)
            QVERIFY(bit(modify, 16)->y() < bit(modify, 15)->y());
    }
}

void tst_HexDlg::highlight_data()
{
    QTest::addColumn<QString>("explain");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("red");
    const QString three = QStringLiteral("0: off\n1: on\n2: auto");
    QTest::newRow("ascii colon") << three << 1 << QStringList{"1: on"};
    QTest::newRow("first line") << three << 0 << QStringList{"0: off"};
    QTest::newRow("no such line") << three << 3 << QStringList();
    QTest::newRow("full-width colon") << QString::fromUtf8("0\xef\xbc\x9a a\n1 \xef\xbc\x9a b") << 1
                                      << QStringList{QString::fromUtf8("1 \xef\xbc\x9a b")};
    QTest::newRow("bar") << QStringLiteral("0|a\n1\t| b") << 1 << QStringList{"1\t| b"};
    QTest::newRow("no separator") << QStringLiteral("0: a\n1 b") << 1 << QStringList();
    QTest::newRow("number not compared") << QStringLiteral("0: a\n7: b") << 1 << QStringList{"7: b"};
    QTest::newRow("every copy") << QStringLiteral("0: a\n1: b\n2: c 1: b") << 1 << QStringList{"1: b", "1: b"};
    QTest::newRow("empty line kept") << QStringLiteral("0: a\n\n2: c") << 2 << QStringList{"2: c"};
    QTest::newRow("three digits") << QStringLiteral("0: a\n100: b") << 1 << QStringList();
    QTest::newRow("negative") << three << -1 << QStringList();
}

void tst_HexDlg::highlight()
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

    // The next change of the modified value moves the highlight.
    QTest::mouseClick(bit(dlg.findChild<QWidget *>(QStringLiteral("widgetModify")), 1), Qt::LeftButton);
    QCOMPARE(edit->toPlainText(), explain);
}

void tst_HexDlg::highlightEscapes()
{
    QHexDlg dlg;
    const QString text = QStringLiteral("0: a <b>bold</b> & <font color=red>x</font>\n1:  1 < 2  &amp;\n2: c");
    dlg.setExplain(text);
    dlg.setInitialData(1);
    auto *edit = dlg.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    QCOMPARE(edit->toPlainText(), text);
    QCOMPARE(redText(edit), QStringList{"1:  1 < 2  &amp;"});

    dlg.setRange(0, 3);
    QTest::mouseClick(bit(dlg.findChild<QWidget *>(QStringLiteral("widgetModify")), 0), Qt::LeftButton);
    QCOMPARE(dlg.getModifyData(), 0);
    QCOMPARE(edit->toPlainText(), text);
    QCOMPARE(redText(edit).join(QString()), text.section(QLatin1Char('\n'), 0, 0));
}

void tst_HexDlg::closing()
{
    {
        QHexDlg dlg;
        dlg.setRange(0, 255);
        dlg.setInitialData(4);
        QTimer::singleShot(0, &dlg, [&dlg] {
            QTest::keyClick(&dlg, Qt::Key_Escape);
            QVERIFY(dlg.isVisible());
            QTest::mouseClick(bit(dlg.findChild<QWidget *>(QStringLiteral("widgetModify")), 0), Qt::LeftButton);
            QTest::keyClick(bit(dlg.findChild<QWidget *>(QStringLiteral("widgetModify")), 1), Qt::Key_Return);
        });
        QCOMPARE(dlg.exec(), 1);
        QVERIFY(dlg.getResult());
        QCOMPARE(dlg.getModifyData(), 5);
    }
    {
        QHexDlg dlg;
        QTimer::singleShot(0, &dlg, [&dlg] {
            for (QPushButton *b : dlg.findChildren<QPushButton *>(QStringLiteral("OKCANCEL")))
                if (b->text() == QLatin1String("STR_CANCEL"))
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        QCOMPARE(dlg.exec(), 0);
        QVERIFY(!dlg.getResult());
    }
    {
        QHexDlg dlg;
        QTimer::singleShot(0, &dlg, [&dlg] { dlg.OnOK(); });
        QCOMPARE(dlg.exec(), 1);
        QVERIFY(dlg.getResult());
    }
}

QTEST_MAIN(tst_HexDlg)
#include "tst_hexdlg.moc"
