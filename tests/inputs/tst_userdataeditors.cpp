// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "qextendcombobox.h"
#include "qextenddoublespinbox.h"
#include "qmycombobox.h"
#include "qnowheelcombobox.h"
#include "qnowheeldatetimeedit.h"
#include "qnowheeldouspinbox.h"
#include "wheel.h"

namespace {
QList<QVariantList> calls(const QSignalSpy &spy) { return spy; }
} // namespace

class tst_UserDataEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void comboSignalsCarryData();
    void comboClickedBeforePopup();
    void spinSignalsCarryData();
    void wheel();
    void curValOnlyWhenConfirmedWithFocus();
    void hidePopupAnnounced();
};

void tst_UserDataEditors::initTestCase() { QLocale::setDefault(QLocale::c()); }

void tst_UserDataEditors::comboSignalsCarryData()
{
    QExtendComboBox combo(nullptr);
    combo.addItems({"one", "two", "three"});
    combo.bindUserData(7);

    QStringList order;
    connect(&combo, qOverload<int, const QVariant &>(&QExtendComboBox::currentIndexChangedExtend), this,
            [&order](int i, const QVariant &v) { order << QStringLiteral("index %1 %2").arg(i).arg(v.toInt()); });
    connect(&combo, qOverload<const QString &, const QVariant &>(&QExtendComboBox::currentIndexChangedExtend), this,
            [&order](const QString &t, const QVariant &v) { order << QStringLiteral("text %1 %2").arg(t).arg(v.toInt()); });
    connect(&combo, &QExtendComboBox::currentTextChangedExtend, this,
            [&order](const QString &t, const QVariant &v) { order << QStringLiteral("current %1 %2").arg(t).arg(v.toInt()); });

    combo.setCurrentIndex(2);
    QCOMPARE(order, QStringList({"index 2 7", "text three 7", "current three 7"}));

    // Editing the text without changing the index repeats only the text signal.
    combo.setEditable(true);
    order.clear();
    combo.lineEdit()->setText(QStringLiteral("thr"));
    QCOMPARE(order, QStringList({"current thr 7"}));
}

void tst_UserDataEditors::comboClickedBeforePopup()
{
    QExtendComboBox combo(nullptr);
    combo.addItems({"one", "two"});
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QList<bool> popupOpenAtClick;
    connect(&combo, &QExtendComboBox::clicked, this,
            [&] { popupOpenAtClick << combo.view()->isVisible(); });
    QTest::mousePress(&combo, Qt::LeftButton);
    QCOMPARE(popupOpenAtClick, QList<bool>({false}));
    QTRY_VERIFY(combo.view()->isVisible());
    combo.hidePopup();
    QTest::mouseRelease(&combo, Qt::LeftButton);
    QTest::mouseClick(&combo, Qt::RightButton);
    QCOMPARE(popupOpenAtClick.size(), 2);
}

void tst_UserDataEditors::spinSignalsCarryData()
{
    QExtendDoubleSpinBox spin(nullptr);
    spin.setPrefix(QStringLiteral("U="));
    spin.setSuffix(QStringLiteral(" V"));
    spin.bindUserData(QStringLiteral("P1.02"));
    QSignalSpy number(&spin, qOverload<double, const QVariant &>(&QExtendDoubleSpinBox::valueChangedExtend));
    QSignalSpy text(&spin, qOverload<const QString &, const QVariant &>(&QExtendDoubleSpinBox::valueChangedExtend));
    QSignalSpy finished(&spin, &QExtendDoubleSpinBox::editingFinishedExtend);
    const QVariant tag(QStringLiteral("P1.02"));

    spin.setValue(2.5);
    QCOMPARE(calls(number), QList<QVariantList>({{2.5, tag}}));
    QCOMPARE(calls(text), QList<QVariantList>({{QStringLiteral("U=2.50 V"), tag}}));
    QCOMPARE(finished.count(), 0);
    QTest::keyClick(&spin, Qt::Key_Return);
    QCOMPARE(calls(finished), QList<QVariantList>({{2.5, tag}}));
}

// Wheel-less editors keep their value; the others behave as the toolkit does.
void tst_UserDataEditors::wheel()
{
    QNoWheelComboBox noWheel(nullptr);
    QMyCombobox my(nullptr);
    QExtendComboBox extend(nullptr);
    QList<int> indexes;
    for (QComboBox *c : std::initializer_list<QComboBox *>{&noWheel, &my, &extend}) {
        c->addItems({"a", "b", "c"});
        c->setCurrentIndex(1);
        turnWheel(c, -1);
        indexes << c->currentIndex();
    }
    QCOMPARE(indexes, QList<int>({1, 2, 2}));

    QNoWheelDouSpinBox noWheelSpin(nullptr);
    QExtendDoubleSpinBox extendSpin(nullptr);
    QList<double> values;
    for (QDoubleSpinBox *spin : std::initializer_list<QDoubleSpinBox *>{&noWheelSpin, &extendSpin}) {
        spin->setValue(5);
        turnWheel(spin, 1);
        values << spin->value();
    }
    QCOMPARE(values, QList<double>({5.0, 6.0}));

    const QDateTime start(QDate(2024, 3, 1), QTime(12, 0));
    QNoWheelDateTimeEdit dateTime(nullptr, start);
    turnWheel(&dateTime, 1);
    QCOMPARE(dateTime.dateTime(), start);

    // A wheel never gives a wheel-less editor the focus.
    const QNoWheelDateTimeEdit formEdit(nullptr);
    QCOMPARE(QList<Qt::FocusPolicy>({noWheel.focusPolicy(), noWheelSpin.focusPolicy(), dateTime.focusPolicy(),
                                     formEdit.focusPolicy()}),
             QList<Qt::FocusPolicy>({Qt::StrongFocus, Qt::StrongFocus, Qt::StrongFocus, Qt::StrongFocus}));
}

void tst_UserDataEditors::curValOnlyWhenConfirmedWithFocus()
{
    QWidget top;
    auto *spin = new QNoWheelDouSpinBox(&top);
    auto *other = new QLineEdit(&top);
    other->move(0, 40);
    top.show();
    QVERIFY(QTest::qWaitForWindowActive(&top));
    QSignalSpy cur(spin, &QNoWheelDouSpinBox::sigCurVal);

    spin->setFocus();
    QTRY_VERIFY(spin->hasFocus());
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("3.5"));
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(calls(cur), QList<QVariantList>({{3.5}}));

    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("4.5"));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(spin->value(), 4.5);
    QCOMPARE(cur.count(), 1);

    spin->Slotvalidate(); // without the focus nothing is reported
    QCOMPARE(cur.count(), 1);
}

void tst_UserDataEditors::hidePopupAnnounced()
{
    QMyCombobox combo(nullptr);
    combo.addItems({"one", "two", "three"});
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QList<bool> openWhenAnnounced;
    connect(&combo, &QMyCombobox::sigHidePopup, this, [&] { openWhenAnnounced << combo.view()->isVisible(); });

    // Picked by the user: the toolkit hides the popup through the override.
    combo.showPopup();
    QTRY_VERIFY(combo.view()->isVisible());
    combo.view()->setCurrentIndex(combo.model()->index(2, 0));
    QTest::keyClick(combo.view(), Qt::Key_Return);
    QTRY_VERIFY(!combo.view()->isVisible());
    QCOMPARE(combo.currentIndex(), 2);

    // Hidden by the host.
    combo.showPopup();
    QTRY_VERIFY(combo.view()->isVisible());
    combo.hidePopup();
    QCOMPARE(openWhenAnnounced, QList<bool>({true, true}));
}

QTEST_MAIN(tst_UserDataEditors)
#include "tst_userdataeditors.moc"
