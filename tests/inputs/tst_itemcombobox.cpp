// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringListModel>
#include <QtTest>

#include "qaxiscomboxwidget.h"
#include "qitemcombobox.h"
#include "wheel.h"

class tst_ItemComboBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void entriesCarryToolTipsAndIgnoreWheel();
    void dropDownWidth_data();
    void dropDownWidth();
    void axes_data();
    void axes();
};

// Every entry carries its text as tooltip; the wheel never changes the entry.
void tst_ItemComboBox::entriesCarryToolTipsAndIgnoreWheel()
{
    QItemComboBox box(nullptr);
    box.addOneItem(QStringLiteral("P0.00 Control mode"));
    box.addMultiItem({"P0.01 Run command source", "P0.02 Frequency source"}, 0);
    box.addOneItem(QString());
    QCOMPARE(box.itemTextList(),
             QStringList({"P0.00 Control mode", "P0.01 Run command source", "P0.02 Frequency source", ""}));
    for (int i = 0; i < box.count(); ++i)
        QCOMPARE(box.itemData(i, Qt::ToolTipRole).toString(), box.itemText(i));
    box.setCurrentIndex(1);
    for (int notches : {-1, 1, 1})
        turnWheel(&box, notches);
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(box.focusPolicy(), Qt::StrongFocus);

    // A host's model replaces (and deletes) the box's own: the adders go on with the new one.
    box.setModel(new QStringListModel(QStringList{QStringLiteral("host")}, &box));
    box.addOneItem(QStringLiteral("P0.03"));
    box.addMultiItem({QStringLiteral("P0.04")}, 0);
    QCOMPARE(box.itemTextList(), QStringList({"host", "P0.03", "P0.04"}));
}

void tst_ItemComboBox::dropDownWidth_data()
{
    QTest::addColumn<QStringList>("strings");
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("widened");
    QTest::newRow("empty list") << QStringList() << 10 << true;
    QTest::newRow("short after long") << QStringList({"ab", "a"}) << 20 << true;
    QTest::newRow("no extra") << QStringList({"ab"}) << 0 << false;
    QTest::newRow("negative extra") << QStringList({"ab"}) << -4 << false;
}

// Only the strings of the call count; rows added earlier do not widen the list.
void tst_ItemComboBox::dropDownWidth()
{
    QFETCH(QStringList, strings);
    QFETCH(int, extra);
    QFETCH(bool, widened);

    QItemComboBox box(nullptr);
    box.addOneItem(QStringLiteral("a much longer entry added before"));
    const QString before = QStringLiteral("QListView{color: red}");
    box.view()->setStyleSheet(before);
    box.addMultiItem(strings, extra);

    int widest = 0;
    for (const QString &s : strings)
        widest = qMax(widest, box.fontMetrics().horizontalAdvance(s));
    const QString expected = widened ? QStringLiteral("QAbstractItemView{min-width: %1px}").arg(widest + extra) : before;
    QCOMPARE(box.view()->styleSheet(), expected);
    QCOMPARE(box.count(), 1 + strings.size());
}

void tst_ItemComboBox::axes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("negative") << -3 << QStringList({"X"});
    QTest::newRow("none") << 0 << QStringList({"X"});
    QTest::newRow("one") << 1 << QStringList({"X"});
    QTest::newRow("two") << 2 << QStringList({"X", "Y", "Z"});
    QTest::newRow("six") << 6 << QStringList({"X", "Y", "Z"});
}

void tst_ItemComboBox::axes()
{
    QFETCH(int, count);
    QFETCH(QStringList, offered);
    QAxisComBoxWidget w;
    auto *combo = w.findChild<QComboBox *>(QStringLiteral("AXIS_COMBOBOX"));
    QVERIFY(combo);

    w.updateAxis(3);
    combo->setCurrentIndex(2);
    w.updateAxis(count); // refilling starts again at "X"
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    QCOMPARE(texts, offered);
    QCOMPARE(w.getAxisIndex(), 0);
}

QTEST_MAIN(tst_ItemComboBox)
#include "tst_itemcombobox.moc"
