// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QtTest>

#include "qhexlineedit.h"
#include "qhexvalidator.h"
#include "qintlineedit.h"

class tst_RangeEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // the validator logs every input
    }

    void validate_data()
    {
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("state");
        const int I = QValidator::Invalid, M = QValidator::Intermediate, A = QValidator::Acceptable;
        QTest::newRow("empty") << 0 << 255 << "" << 0 << M;
        QTest::newRow("cursor at 0") << 0 << 255 << "1F" << 0 << A;
        QTest::newRow("below bottom") << 16 << 255 << "1" << 1 << M;
        QTest::newRow("in range") << 16 << 255 << "1F" << 2 << A;
        QTest::newRow("above top") << 16 << 255 << "1FF" << 3 << I;
        QTest::newRow("lower case") << 0 << 255 << "ab" << 2 << A;
        QTest::newRow("cursor mid-text") << 0 << 255 << "aG" << 1 << I;
        QTest::newRow("minus") << -10 << 255 << "-" << 1 << I;
        QTest::newRow("non-latin") << 0 << 255 << QString::fromUtf8("1\xef\xbc\x91") << 2 << I;
        QTest::newRow("default top") << 0 << 65536 << "10000" << 5 << A;
        QTest::newRow("past default top") << 0 << 65536 << "10001" << 5 << I;
        QTest::newRow("too large for int") << 0 << 65536 << "FFFFFFFFF" << 9 << I;
        // Pasted text is checked as a whole, not only the character before the cursor.
        QTest::newRow("pasted prefix") << 0 << 255 << "0x1F" << 4 << I;
        QTest::newRow("pasted blank") << 0 << 255 << " 1F" << 3 << I;
        QTest::newRow("pasted sign") << 0 << 255 << "+1F" << 3 << I;
    }

    void validate()
    {
        QFETCH(int, bottom);
        QFETCH(int, top);
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(int, state);
        QHexValidator validator;
        validator.setRange(bottom, top);
        QString copy = text;
        int cursor = pos;
        QCOMPARE(int(validator.validate(copy, cursor)), state);
        QCOMPARE(copy, text);
        QCOMPARE(cursor, pos);
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
        QCOMPARE(edit.objectName(), QStringLiteral("RANGEEDIT"));
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
        QCOMPARE(dec.objectName(), QStringLiteral("RANGEEDIT"));
        QTest::keyClicks(&dec, QStringLiteral("a99990"));
        QCOMPARE(dec.text(), QStringLiteral("9999"));
        dec.clear();
        QTest::keyClicks(&dec, QStringLiteral("500"));
        dec.setRange(0, 50);
        QCOMPARE(dec.text(), QStringLiteral("500"));
        QVERIFY(!dec.hasAcceptableInput());
    }
};

QTEST_MAIN(tst_RangeEdit)
#include "tst_rangeedit.moc"
