// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The numeric family: hexadecimal validators, spin boxes and range edits, and the bit dialog.
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <climits>

#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexspinbox.h"
#include "qhexsubwidget.h"
#include "qhexvalidator.h"
#include "qintlineedit.h"
#include "qmultihexspinbox.h"
#include "wheel.h"

namespace {
// Opens the protected text hooks of the spin box.
class Probe : public QHexSpinBox
{
public:
    using QHexSpinBox::fixup;
    using QHexSpinBox::validate;
    using QHexSpinBox::valueFromText;
};

QString shown(QAbstractSpinBox *box) { return box->findChild<QLineEdit *>()->text(); }

// The layout of a row, as "F" for a field and "-" for a separator label.
QString pattern(QMultiHexSpinBox &row)
{
    QString out;
    for (int i = 0; row.layout() && i < row.layout()->count(); ++i) {
        QWidget *w = row.layout()->itemAt(i)->widget();
        if (auto *label = qobject_cast<QLabel *>(w))
            out += label->text();
        else if (dynamic_cast<QHexSpinBox *>(w))
            out += QLatin1Char('F');
    }
    return out;
}

QPushButton *bit(QWidget *panel, int k)
{
    return panel->findChild<QPushButton *>(QStringLiteral("bitButton_%1").arg(k));
}
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

enum Checker { SpinBox, Validator };
enum Entry { PastedDecimal, PastedHex, TypedDecimal };
} // namespace

class tst_Numeric : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // the validator logs every input
    }

    // Both hexadecimal checkers: the spin box's validate() and the range edits' QHexValidator.
    void validate_data()
    {
        QTest::addColumn<int>("checker");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QValidator::State>("state");
        const auto I = QValidator::Invalid, M = QValidator::Intermediate, A = QValidator::Acceptable;
        QTest::newRow("box: upper") << int(SpinBox) << 0 << 255 << "FF" << 1 << A;
        QTest::newRow("box: lower") << int(SpinBox) << 0 << 255 << "fe" << 1 << A;
        QTest::newRow("box: above max") << int(SpinBox) << 0 << 255 << "100" << 1 << I;
        QTest::newRow("box: not hex") << int(SpinBox) << 0 << 255 << "G" << 1 << I;
        QTest::newRow("box: empty") << int(SpinBox) << 0 << 255 << "" << 1 << I;
        QTest::newRow("box: below min") << int(SpinBox) << 16 << 255 << "F" << 1 << M;
        QTest::newRow("box: at min") << int(SpinBox) << 16 << 255 << "10" << 1 << A;
        QTest::newRow("box: pattern of -5") << int(SpinBox) << -16 << 255 << "FFFFFFFB" << 1 << A;
        QTest::newRow("box: pattern below min") << int(SpinBox) << -16 << 255 << "FFFFFFEF" << 1 << M;
        QTest::newRow("box: prefix of a pattern") << int(SpinBox) << -16 << 255 << "FFF" << 1 << M;
        QTest::newRow("box: pattern, min 0") << int(SpinBox) << 0 << 255 << "FFFFFFFF" << 1 << I;
        QTest::newRow("box: prefix 0x") << int(SpinBox) << 0 << 255 << "0x1" << 1 << I;
        QTest::newRow("box: blank") << int(SpinBox) << 0 << 255 << " 1" << 1 << I;
        QTest::newRow("box: sign") << int(SpinBox) << 0 << 255 << "+1" << 1 << I;
        QTest::newRow("edit: empty") << int(Validator) << 0 << 255 << "" << 0 << M;
        QTest::newRow("edit: cursor at 0") << int(Validator) << 0 << 255 << "1F" << 0 << A;
        QTest::newRow("edit: below bottom") << int(Validator) << 16 << 255 << "1" << 1 << M;
        QTest::newRow("edit: in range") << int(Validator) << 16 << 255 << "1F" << 2 << A;
        QTest::newRow("edit: above top") << int(Validator) << 16 << 255 << "1FF" << 3 << I;
        QTest::newRow("edit: lower case") << int(Validator) << 0 << 255 << "ab" << 2 << A;
        QTest::newRow("edit: first and last digits") << int(Validator) << 0 << INT_MAX << "09AFaf" << 6 << A;
        QTest::newRow("edit: cursor mid-text") << int(Validator) << 0 << 255 << "aG" << 1 << I;
        QTest::newRow("edit: minus") << int(Validator) << -10 << 255 << "-" << 1 << I;
        QTest::newRow("edit: non-latin") << int(Validator) << 0 << 255 << QString::fromUtf8("1\xef\xbc\x91") << 2 << I;
        QTest::newRow("edit: default top") << int(Validator) << 0 << 65536 << "10000" << 5 << A;
        QTest::newRow("edit: past default top") << int(Validator) << 0 << 65536 << "10001" << 5 << I;
        QTest::newRow("edit: too large for int") << int(Validator) << 0 << 65536 << "FFFFFFFFF" << 9 << I;
        // Pasted text is checked as a whole, not only the character before the cursor.
        QTest::newRow("edit: pasted prefix") << int(Validator) << 0 << 255 << "0x1F" << 4 << I;
        QTest::newRow("edit: pasted blank") << int(Validator) << 0 << 255 << " 1F" << 3 << I;
        QTest::newRow("edit: pasted sign") << int(Validator) << 0 << 255 << "+1F" << 3 << I;
    }

    void validate()
    {
        QFETCH(int, checker);
        QFETCH(int, bottom);
        QFETCH(int, top);
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(QValidator::State, state);
        Probe box;
        QHexValidator validator;
        box.setRange(bottom, top);
        validator.setRange(bottom, top);
        QString copy = text;
        int cursor = pos;
        QCOMPARE(checker == SpinBox ? box.validate(copy, cursor) : validator.validate(copy, cursor), state);
        QCOMPARE(copy, text);
        QCOMPARE(cursor, pos);
    }

    void fixup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("0x") << "0x1A" << "1A";
        QTest::newRow("0X") << "0X1A" << "1A";
        QTest::newRow("first char ignored") << "ZX12" << "12";
        QTest::newRow("one char") << "x" << "x";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no prefix") << "1A" << "1A";
    }

    void fixup()
    {
        QFETCH(QString, text);
        QFETCH(QString, fixed);
        Probe box;
        box.fixup(text);
        QCOMPARE(text, fixed);
    }

    void textAndStepping()
    {
        Probe box;
        QCOMPARE(box.valueFromText(QStringLiteral("zz")), 0);
        box.setValue(254);
        box.stepUp();
        QCOMPARE(shown(&box), QStringLiteral("FF"));
        box.stepUp();
        QCOMPARE(box.value(), 255);

        // The four-digit fields of the multi-field row, also for negative values.
        QMultiHexSpinBox row(2);
        QHexSpinBox *field = row.getHexSpinboxList().at(0);
        QCOMPARE(shown(field), QStringLiteral("0000"));
        field->setValue(10);
        QCOMPARE(shown(field), QStringLiteral("000A"));
        field->setRange(-0x1234, 0xFFFF);
        field->setValue(-0x1234);
        QCOMPARE(shown(field), QStringLiteral("FFFFEDCC"));
        field->stepUp();
        QCOMPARE(field->value(), -0x1233); // the text reads back

        // 32-bit patterns read back, also at the ends of the int range.
        box.setRange(INT_MIN, INT_MAX);
        for (int v : {-1, INT_MIN, INT_MAX, -5}) {
            box.setValue(v);
            QCOMPARE(box.valueFromText(shown(&box)), v);
        }
        QCOMPARE(shown(&box), QStringLiteral("FFFFFFFB"));
    }

    void typingAndWheel()
    {
        QHexSpinBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QLineEdit *edit = box.findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1g0"));
        QCOMPARE(edit->text(), QStringLiteral("10")); // G refused, 100 (256) refused
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("1")); // the last digit stays
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(box.value(), 1);

        // Return on an unedited negative value keeps it.
        box.setRange(-10, 10);
        box.setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        box.setValue(-5);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(box.value(), -5);
        box.setRange(0, 255);

        // A wheel event never gives the focus.
        QCOMPARE(box.focusPolicy(), Qt::StrongFocus);

        // The wheel never changes a value.
        box.setValue(7);
        turnWheel(&box, 1);
        QCOMPARE(box.value(), 7);
        QMultiHexSpinBox row(2);
        row.getHexSpinboxList().at(1)->setValue(3);
        turnWheel(row.getHexSpinboxList().at(1), 1);
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({0, 3}));
    }

    void separators_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("layout");
        QTest::newRow("negative") << -2 << "";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("1") << 1 << "F";
        QTest::newRow("2") << 2 << "F-F";
        QTest::newRow("3") << 3 << "F-FF-";
        QTest::newRow("4") << 4 << "F-FF-F";
    }

    void separators()
    {
        QFETCH(int, n);
        QFETCH(QString, layout);
        QMultiHexSpinBox row(n);
        QCOMPARE(pattern(row), layout);
        QCOMPARE(row.spinboxNumber(), n);
        QCOMPARE(row.getHexSpinboxList().size(), qMax(0, n));
    }

    void setValueLists()
    {
        QMultiHexSpinBox row(4);
        QVERIFY(!row.setHexSpinboxValueList(QStringList()));
        QVERIFY(row.setHexSpinboxValueList(QStringList{"255", "12.9", "FF", "300", "7"}));
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({255, 12, 0, 255}));
        QCOMPARE(shown(row.getHexSpinboxList().at(0)), QStringLiteral("00FF"));
        QVERIFY(row.setHexSpinboxValueList(QStringList{"1"}));
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({1, 12, 0, 255}));
        // Texts that do not fit an int are bounded, not undefined.
        QVERIFY(row.setHexSpinboxValueList(QStringList{"1e30", "-1e30", "nan", "-3"}));
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({255, 0, 0, 0}));

        QVERIFY(!row.setHexSpinboxValueList(QList<int>(), 1.0f));
        QVERIFY(row.setHexSpinboxValueList(QList<int>{16, 400, -5, 9, 1}, 10.0f));
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({16, 255, 0, 9}));
        QVERIFY(row.setHexSpinboxValueList(QList<int>{8}, 0.0f)); // a zero scale is harmless
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({8, 255, 0, 9}));

        QMultiHexSpinBox empty(0);
        QVERIFY(!empty.setHexSpinboxValueList(QStringList{"1"}));
        QVERIFY(!empty.setHexSpinboxValueList(QList<int>{1}, 1.0f));
        QVERIFY(empty.getHexSpinboxValueList().isEmpty());
    }

    void typing_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("default range") << 0 << 65536 << "" << "100001" << "10000" << true;
        QTest::newRow("16 to 255") << 16 << 255 << "" << "1F0" << "1F" << true;
        QTest::newRow("intermediate") << 16 << 255 << "" << "1" << "1" << false;
        QTest::newRow("refused chars") << 0 << 255 << "" << "g -x1" << "1" << true;
        QTest::newRow("program set a prefix") << 0 << 65536 << "0x1F" << "gx" << "0x1F" << false;
        QTest::newRow("negative pattern") << -16 << 16 << "" << "FFFFFFFB" << "FFFFFFFB" << true;
    }

    void typing()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, preset);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        QHexLineEdit edit(nullptr, min, max);
        edit.setText(preset);
        QTest::keyClicks(&edit, keys);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.hasAcceptableInput(), acceptable);
    }

    void setRangeKeepsText()
    {
        QHexLineEdit hex;
        QTest::keyClicks(&hex, QStringLiteral("FF"));
        hex.setRange(0, 15);
        QCOMPARE(hex.text(), QStringLiteral("FF"));
        QVERIFY(!hex.hasAcceptableInput());
        QTest::keyClick(&hex, Qt::Key_1);
        QCOMPARE(hex.text(), QStringLiteral("FF")); // the next edit is checked against the new range

        QIntLineEdit dec;
        QTest::keyClicks(&dec, QStringLiteral("a99990"));
        QCOMPARE(dec.text(), QStringLiteral("9999"));
        dec.clear();
        QTest::keyClicks(&dec, QStringLiteral("500"));
        dec.setRange(0, 50);
        QCOMPARE(dec.text(), QStringLiteral("500"));
        QVERIFY(!dec.hasAcceptableInput());
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
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hexText");
        QTest::newRow("150 in 0..100") << 0 << 100 << 0 << int(PastedDecimal) << "150" << 22 << "22" << "16";
        QTest::newRow("150 typed in 0..100") << 0 << 100 << 0 << int(TypedDecimal) << "150" << 22 << "22" << "16";
        QTest::newRow("128 in 0..100") << 0 << 100 << 0 << int(PastedDecimal) << "128" << 0 << "128" << "0";
        QTest::newRow("in range") << 0 << 1000 << 5 << int(PastedDecimal) << "700" << 700 << "700" << "2BC";
        QTest::newRow("lower-case hex") << 0 << 255 << 0 << int(PastedHex) << "af" << 0xAF << "175" << "AF";
        QTest::newRow("bits above count ignored")
            << 0 << 0x7FFFFFFF << 0 << int(PastedHex) << "10001" << 1 << "1" << "1";
        QTest::newRow("above min only") << 10 << 20 << 15 << int(PastedDecimal) << "3" << 11 << "11" << "B";
        QTest::newRow("no range yet") << 0 << 0 << 0 << int(PastedDecimal) << "9" << 0 << "9" << "0";
    }

    void bitWalk()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, start);
        QFETCH(int, entry);
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, decimal);
        QFETCH(QString, hexText);
        QHexSubWidget panel(nullptr);
        panel.setupBits(16);
        if (max != 0)
            panel.setRange(min, max);
        panel.setValue(start);
        QSignalSpy spy(&panel, &QHexSubWidget::sigValueChanged);
        QLineEdit *edit = entry == PastedHex ? hexEdit(&panel) : decimalEdit(&panel);
        edit->selectAll();
        if (entry == TypedDecimal)
            QTest::keyClicks(edit, typed);
        else
            edit->insert(typed); // pasted: the whole text arrives in one edit
        QCOMPARE(panel.value(), value);
        if (value != start)
            QCOMPARE(spy.last().at(0).toInt(), value);
        QCOMPARE(decimalEdit(&panel)->text(), decimal);
        QCOMPARE(hexEdit(&panel)->text(), hexText);
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
    }
};

QTEST_MAIN(tst_Numeric)
#include "tst_numeric.moc"
