// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest>

#include <climits>

#include "qhexspinbox.h"
#include "qmultihexspinbox.h"

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

void turnWheel(QWidget *w)
{
    QWheelEvent wheel(QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
}
} // namespace

class tst_HexSpinBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validate_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("upper") << 0 << "FF" << int(QValidator::Acceptable);
        QTest::newRow("lower") << 0 << "fe" << int(QValidator::Acceptable);
        QTest::newRow("above max") << 0 << "100" << int(QValidator::Invalid);
        QTest::newRow("not hex") << 0 << "G" << int(QValidator::Invalid);
        QTest::newRow("empty") << 0 << "" << int(QValidator::Invalid);
        QTest::newRow("below min") << 16 << "F" << int(QValidator::Intermediate);
        QTest::newRow("at min") << 16 << "10" << int(QValidator::Acceptable);
        QTest::newRow("pattern of -5") << -16 << "FFFFFFFB" << int(QValidator::Acceptable);
        QTest::newRow("pattern below min") << -16 << "FFFFFFEF" << int(QValidator::Intermediate);
        QTest::newRow("prefix of a pattern") << -16 << "FFF" << int(QValidator::Intermediate);
        QTest::newRow("pattern, min 0") << 0 << "FFFFFFFF" << int(QValidator::Invalid);
        QTest::newRow("prefix 0x") << 0 << "0x1" << int(QValidator::Invalid);
        QTest::newRow("blank") << 0 << " 1" << int(QValidator::Invalid);
        QTest::newRow("sign") << 0 << "+1" << int(QValidator::Invalid);
    }

    void validate()
    {
        QFETCH(int, minimum);
        QFETCH(QString, text);
        QFETCH(int, state);
        Probe box;
        box.setMinimum(minimum);
        QString copy = text;
        int pos = 1;
        QCOMPARE(int(box.validate(copy, pos)), state);
        QCOMPARE(copy, text);
        QCOMPARE(pos, 1);
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
        turnWheel(&box);
        QCOMPARE(box.value(), 7);
        QMultiHexSpinBox row(2);
        row.getHexSpinboxList().at(1)->setValue(3);
        turnWheel(row.getHexSpinboxList().at(1));
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
};

QTEST_MAIN(tst_HexSpinBox)
#include "tst_hexspinbox.moc"
