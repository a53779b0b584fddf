// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The numeric family: hexadecimal validators, spin boxes and range edits, and the bit dialog.
// What any text does to them is the fuzz targets' part; these rows pin exact results.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include <climits>

#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexspinbox.h"
#include "qhexsubwidget.h"
#include "qhexvalidator.h"
#include "qintlineedit.h"
#include "qmultihexspinbox.h"
#include "qokcancel.h"
#include "wheel.h"

namespace {
// Opens the protected text hooks of the spin box.
class Probe : public QHexSpinBox
{
public:
    using QHexSpinBox::fixup;
    using QHexSpinBox::validate;
};

QString shown(QAbstractSpinBox *box) { return box->findChild<QLineEdit *>()->text(); }

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
    for (const QTextEdit::ExtraSelection &mark : edit->extraSelections()) {
        if (mark.format.foreground().color() == QColor(Qt::red))
            out << mark.cursor.selectedText();
    }
    return out;
}

enum Checker { SpinBox, Validator };
enum Editor { HexEdit, IntEdit, HexBox };
enum Entry { PastedDecimal, PastedHex, TypedDecimal, ClickedBits };
} // namespace

Q_DECLARE_METATYPE(Checker)
Q_DECLARE_METATYPE(Editor)
Q_DECLARE_METATYPE(Entry)

class tst_Numeric : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
    }

    // Both hexadecimal checkers: the spin box's validate() and the range edits' QHexValidator.
    // Which texts are Acceptable fuzz_hexentry decides; the rows tell Invalid from Intermediate.
    void validate_data()
    {
        QTest::addColumn<Checker>("checker");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QValidator::State>("state");
        const auto I = QValidator::Invalid, M = QValidator::Intermediate, A = QValidator::Acceptable;
        QTest::newRow("box: above max") << SpinBox << 0 << 255 << "100" << I;
        QTest::newRow("box: below min") << SpinBox << 16 << 255 << "F" << M;
        QTest::newRow("box: pattern below min") << SpinBox << -16 << 255 << "FFFFFFEF" << M;
        QTest::newRow("box: prefix of a pattern") << SpinBox << -16 << 255 << "FFF" << M;
        QTest::newRow("box: pattern, min 0") << SpinBox << 0 << 255 << "FFFFFFFF" << I;
        QTest::newRow("box: full pattern above max") << SpinBox << -16 << 255 << "7FFFFFFF" << I;
        QTest::newRow("edit: first and last digits") << Validator << 0 << INT_MAX << "09AFaf" << A;
        QTest::newRow("edit: full pattern above top") << Validator << -16 << 255 << "7FFFFFFF" << I;
        QTest::newRow("edit: too large for int") << Validator << 0 << 65536 << "FFFFFFFFF" << I;
    }

    void validate()
    {
        QFETCH(Checker, checker);
        QFETCH(int, bottom);
        QFETCH(int, top);
        QFETCH(QString, text);
        int pos = 0;
        QFETCH(QValidator::State, state);
        Probe box;
        QHexValidator validator;
        box.setRange(bottom, top);
        validator.setRange(bottom, top);
        QCOMPARE(checker == SpinBox ? box.validate(text, pos) : validator.validate(text, pos), state);
    }

    void spinBoxText()
    {
        Probe box;
        box.setValue(254);
        box.stepUp();
        QCOMPARE(shown(&box), QStringLiteral("FF"));
        // The wheel neither changes the value nor gives the focus.
        turnWheel(&box, -1);
        QCOMPARE(box.value(), 255);
        QCOMPARE(box.focusPolicy(), Qt::StrongFocus);

        // A negative value shows as its 32-bit pattern.
        box.setRange(-16, 0);
        box.setValue(-5);
        QCOMPARE(shown(&box), QStringLiteral("FFFFFFFB"));

        // Only an x or X in second place is a prefix.
        const std::pair<QString, QString> fixups[] = {{"0x1A", "1A"}, {"0X", ""}, {"ZX12", "12"}, {"x", "x"}};
        for (auto [text, fixed] : fixups) {
            box.fixup(text);
            QCOMPARE(text, fixed);
        }
    }

    void rows_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("separators");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 0;
        QTest::newRow("2") << 2 << 1;
        QTest::newRow("3") << 3 << 2;
        QTest::newRow("4") << 4 << 2;
    }

    void rows()
    {
        QFETCH(int, n);
        QFETCH(int, separators);
        QMultiHexSpinBox row(n);
        const int fields = qMax(0, n);
        QCOMPARE(row.findChildren<QLabel *>().size(), separators);
        QCOMPARE(row.spinboxNumber(), n);
        if (fields > 0)
            QCOMPARE(shown(row.getHexSpinboxList().at(0)), QStringLiteral("0000"));

        // The fuzz target covers the decimal texts; an empty list or row is refused.
        QVERIFY(!row.setHexSpinboxValueList(QStringList()));
        QVERIFY(!row.setHexSpinboxValueList(QList<int>(), 1.0f));
        QCOMPARE(row.setHexSpinboxValueList(QStringList{"1"}), fields > 0);
        QCOMPARE(row.setHexSpinboxValueList(QList<int>{16, 400, -5, 9, 1}, 10.0f), fields > 0);
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({16, 255, 0, 9}).mid(0, fields));
        row.setHexSpinboxValueList(QList<int>{8}, 0.0f); // a zero scale is harmless
        QCOMPARE(row.getHexSpinboxValueList(), QList<int>({8, 255, 0, 9}).mid(0, fields));
    }

    void typing_data()
    {
        QTest::addColumn<Editor>("editor");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("hex: panel's range") << HexEdit << 0 << 65536 << "" << "100001" << "10000" << true;
        QTest::newRow("hex: 16 to 255") << HexEdit << 16 << 255 << "" << "1F0" << "1F" << true;
        QTest::newRow("hex: intermediate") << HexEdit << 16 << 255 << "" << "1" << "1" << false;
        QTest::newRow("hex: program-set 0x") << HexEdit << 0 << 65536 << "0x1F" << "gx" << "0x1F" << false;
        QTest::newRow("hex: pattern") << HexEdit << -16 << 16 << "" << "FFFFFFFB" << "FFFFFFFB" << true;
        QTest::newRow("decimal") << IntEdit << 0 << 9999 << "" << "a99990" << "9999" << true;
        // The box keeps its own range, 0 to 255.
        QTest::newRow("box") << HexBox << 0 << 255 << "" << "1g0" << "10" << true;
    }

    void typing()
    {
        QFETCH(Editor, editor);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, preset);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        QHexLineEdit hex(nullptr, min, max);
        QIntLineEdit decimal(nullptr, min, max);
        QHexSpinBox box;
        QWidget *const editors[] = {&hex, &decimal, &box};
        QLineEdit *edit = editor == HexBox ? box.findChild<QLineEdit *>()
                                           : static_cast<QLineEdit *>(editors[editor]);
        edit->setText(preset);
        QTest::keyClicks(edit, keys);
        QCOMPARE(edit->text(), text);
        QCOMPARE(editors[editor]->property("acceptableInput").toBool(), acceptable);
    }

    void bitWalk_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("start");
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::newRow("clicks") << 16 << 0 << 255 << 0 << ClickedBits << "3 7 2 3" << 0x84;
        QTest::newRow("click above max") << 16 << 0 << 100 << 0 << ClickedBits << "6 5 3" << 96;
        QTest::newRow("150 in 0..100") << 16 << 0 << 100 << 0 << PastedDecimal << "150" << 22;
        QTest::newRow("150 typed in 0..100") << 16 << 0 << 100 << 0 << TypedDecimal << "150" << 22;
        QTest::newRow("128 in 0..100") << 16 << 0 << 100 << 0 << PastedDecimal << "128" << 0;
        QTest::newRow("in range") << 16 << 0 << 1000 << 5 << PastedDecimal << "700" << 700;
        QTest::newRow("lower-case hex") << 16 << 0 << 255 << 0 << PastedHex << "af" << 0xAF;
        QTest::newRow("bits above count ignored") << 16 << 0 << 0x7FFFFFFF << 0 << PastedHex << "10001" << 1;
        QTest::newRow("above min only") << 16 << 10 << 20 << 15 << PastedDecimal << "3" << 11;
        // Bit 31 of a 32-bit panel is the sign: no overflow, and a flip back to 1 would leave the range.
        QTest::newRow("bit 31, no bit 32") << 32 << INT_MIN << 0 << 0 << ClickedBits << "31 32" << INT_MIN;
        QTest::newRow("bit 31 off, above max")
            << 32 << INT_MIN << 0 << INT_MIN + 1 << ClickedBits << "31" << INT_MIN + 1;
        QTest::newRow("no range yet") << 16 << 0 << 0 << 0 << PastedDecimal << "9" << 0;
    }

    void bitWalk()
    {
        QFETCH(int, bits);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, start);
        QFETCH(Entry, entry);
        QFETCH(QString, typed);
        QFETCH(int, value);
        QHexSubWidget panel(nullptr);
        panel.setupBits(bits);
        if (min != max)
            QVERIFY(panel.setRange(min, max));
        panel.setValue(start);
        QSignalSpy spy(&panel, &QHexSubWidget::sigValueChanged);
        QLineEdit *edit = entry == PastedHex ? hexEdit(&panel) : decimalEdit(&panel);
        edit->selectAll();
        if (entry == ClickedBits) {
            for (const QString &k : typed.split(QLatin1Char(' '))) {
                QPushButton *button = bit(&panel, k.toInt());
                if (button && button->isEnabled())
                    QTest::mouseClick(button, Qt::LeftButton);
                else
                    panel.onBtnGroup(k.toInt()); // what a click calls, for bits the panel disables or lacks
            }
        } else if (entry == TypedDecimal) {
            QTest::keyClicks(edit, typed);
        } else {
            edit->insert(typed); // pasted: the whole text arrives in one edit
        }
        QCOMPARE(panel.value(), value);
        if (value != start)
            QCOMPARE(spy.last().at(0).toInt(), value);
        // A walk that takes no step leaves the typed text alone.
        const bool kept = value == start && entry != PastedHex && entry != ClickedBits;
        QCOMPARE(decimalEdit(&panel)->text(), kept ? typed : QString::number(value));
        QCOMPARE(hexEdit(&panel)->text(), QString::number(quint32(value), 16).toUpper());
        // A bit is a switch: checked while set, also after a refused click.
        for (int k = 0; k < bits; ++k) {
            QCOMPARE(bit(&panel, k)->text(), QString::number((value >> k) & 1));
            QCOMPARE(bit(&panel, k)->isChecked(), bool((value >> k) & 1));
        }
    }

    void rangeAndKeys()
    {
        QHexDlg dlg;
        QWidget *modify = modifyPanel(dlg);
        QWidget *initial = dlg.findChild<QWidget *>(QStringLiteral("widgetInit"));
        QLabel *decimalRange = modify->findChild<QLabel *>(QStringLiteral("decimalRangeLabel"));
        dlg.setRange(10, 5);
        QVERIFY(decimalRange->isHidden());

        dlg.setRange(10, 255);
        QVERIFY(!decimalRange->isHidden());
        QCOMPARE(decimalRange->text(), QStringLiteral("(10~255)"));
        QCOMPARE(modify->findChild<QLabel *>(QStringLiteral("hexRangeLabel"))->text(), QStringLiteral("(0xA~0xFF)"));
        for (int k = 0; k < 16; ++k)
            QCOMPARE(bit(modify, k)->isEnabled(), k < 8);
        QVERIFY(!bit(initial, 0)->isEnabled());
        QVERIFY(initial->findChild<QIntLineEdit *>()->isReadOnly());

        // The initial value is shown as given and stays put while the modified one changes.
        dlg.setRange(0, 0xFFFF);
        dlg.setInitialData(0x1234);
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        QTest::mouseClick(bit(modify, 0), Qt::LeftButton);
        QCOMPARE(dlg.getModifyData(), 0x1235);
        QCOMPARE(hexEdit(initial)->text(), QStringLiteral("1234"));
        // Return on the focused bit button flips its bit; in an editor it confirms.
        QTest::keyClick(bit(modify, 0), Qt::Key_Return);
        QLineEdit *editor = modify->findChild<QLineEdit *>();
        editor->setFocus(Qt::TabFocusReason);
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QVERIFY(dlg.getResult());
        QCOMPARE(dlg.getModifyData(), 0x1234);
        // A later run ended by Cancel is not confirmed.
        dlg.show();
        emit dlg.findChild<QOkCancel *>()->SigCancel();
        QVERIFY(!dlg.isVisible());
        QVERIFY(!dlg.getResult());
    }

    void form()
    {
        QHexDlg narrow(nullptr, 0); // clamped to 1..32
        QCOMPARE(modifyPanel(narrow)->findChildren<QPushButton *>().size(), 1);
        QHexDlg dlg(nullptr, 40);
        QWidget *modify = modifyPanel(dlg);
        QCOMPARE(modify->findChildren<QPushButton *>().size(), 32);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // Highest bit at the left; bits 16 and up in the upper rows.
        for (int k = 1; k < 32; ++k)
            QVERIFY(k == 16 || bit(modify, k)->x() < bit(modify, k - 1)->x());
        QVERIFY(bit(modify, 16)->y() < bit(modify, 15)->y());
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
        // Set by the host, or reached by a click on bit 0 of the modified value.
        for (bool clicked : {false, true}) {
            QHexDlg dlg;
            dlg.setRange(-5, 10);
            dlg.setExplain(explain);
            dlg.setInitialData(clicked ? value ^ 1 : value);
            if (clicked)
                QTest::mouseClick(bit(modifyPanel(dlg), 0), Qt::LeftButton);
            auto *edit = dlg.findChild<QTextEdit *>(QStringLiteral("textEdit"));
            QCOMPARE(redText(edit), red);
            QCOMPARE(edit->textCursor().position(), red.isEmpty() ? 0 : explain.indexOf(red.first()));
        }
    }
};

QTEST_MAIN(tst_Numeric)
#include "tst_numeric.moc"
