// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSignalSpy>
#include <QtTest>

#include "qokcancel.h"

namespace {
// All buttons share one object name, so they are told apart by their (untranslated) keys.
QPushButton *button(QOkCancel &bar, const QString &key)
{
    for (QPushButton *b : bar.findChildren<QPushButton *>())
        if (b->text() == key)
            return b;
    return nullptr;
}

QStringList visibleKeys(QOkCancel &bar)
{
    QStringList keys;
    for (QPushButton *b : bar.findChildren<QPushButton *>())
        if (b->isVisibleTo(&bar))
            keys << b->text();
    return keys;
}
} // namespace

class tst_OkCancel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonSets_data();
    void buttonSets();
    void clickSignals_data();
    void clickSignals();
    void namesCursorAndTexts();
    void disabledOkSurvivesSetChange();
};

void tst_OkCancel::buttonSets_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("ok") << 0 << QStringList{"STR_OK"};
    QTest::newRow("cancel") << 1 << QStringList{"STR_CANCEL"};
    QTest::newRow("ok cancel") << 2 << QStringList{"STR_OK", "STR_CANCEL"};
    QTest::newRow("default ok cancel") << 3 << QStringList{"STR_RECOVER_DEFAULT", "STR_OK", "STR_CANCEL"};
    QTest::newRow("open quit") << 4 << QStringList{"STR_OPEN", "STR_QUIT"};
}

void tst_OkCancel::buttonSets()
{
    QFETCH(int, type);
    QFETCH(QStringList, visible);
    QOkCancel built(nullptr, ConfirmBtnType_E(type));
    QCOMPARE(visibleKeys(built), visible);
    // The result depends on the value only, not on the set shown before; out-of-range values keep the set.
    for (int before = 0; before <= 4; ++before) {
        QOkCancel bar(nullptr, ConfirmBtnType_E(before));
        bar.setConfirmBtnType(ConfirmBtnType_E(type));
        QCOMPARE(visibleKeys(bar), visible);
        bar.setConfirmBtnType(ConfirmBtnType_E(7));
        bar.setConfirmBtnType(ConfirmBtnType_E(-1));
        QCOMPARE(visibleKeys(bar), visible);
    }

    // In a host dialog: a shown OK is the default and Return in the host's editor presses it;
    // a hidden button is never the default.
    QDialog host;
    auto *edit = new QLineEdit(&host);
    auto *bar = new QOkCancel(&host, ConfirmBtnType_E(type));
    auto *layout = new QVBoxLayout(&host);
    layout->addWidget(edit);
    layout->addWidget(bar);
    QSignalSpy ok(bar, &QOkCancel::SigOk);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    edit->setFocus();
    const bool hasOk = visible.contains(QStringLiteral("STR_OK"));
    for (QPushButton *button : bar->findChildren<QPushButton *>()) {
        if (button->isHidden())
            QVERIFY(!button->isDefault());
        else if (hasOk)
            QCOMPARE(button->isDefault(), button->text() == QLatin1String("STR_OK"));
    }
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(ok.count(), hasOk ? 1 : 0);
}

void tst_OkCancel::clickSignals_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("counts"); // SigOpen, SigOk, SigCancel, SigDefault
    QTest::newRow("open") << 4 << "STR_OPEN" << QList<int>{1, 0, 0, 0};
    QTest::newRow("quit") << 4 << "STR_QUIT" << QList<int>{0, 0, 1, 0};
    QTest::newRow("ok") << 2 << "STR_OK" << QList<int>{0, 1, 0, 0};
    QTest::newRow("cancel") << 2 << "STR_CANCEL" << QList<int>{0, 0, 1, 0};
    QTest::newRow("default") << 3 << "STR_RECOVER_DEFAULT" << QList<int>{0, 0, 0, 1};
}

void tst_OkCancel::clickSignals()
{
    QFETCH(int, type);
    QFETCH(QString, key);
    QFETCH(QList<int>, counts);
    QOkCancel bar(nullptr, ConfirmBtnType_E(type));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy open(&bar, &QOkCancel::SigOpen), ok(&bar, &QOkCancel::SigOk);
    QSignalSpy cancel(&bar, &QOkCancel::SigCancel), byDefault(&bar, &QOkCancel::SigDefault);
    QVERIFY(button(bar, key));
    QTest::mouseClick(button(bar, key), Qt::LeftButton);
    QCOMPARE(QList<int>({open.count(), ok.count(), cancel.count(), byDefault.count()}), counts);
}

void tst_OkCancel::namesCursorAndTexts()
{
    QOkCancel bar;
    QCOMPARE(QOkCancel::staticMetaObject.className(), "QOkCancel");
    const QList<QPushButton *> buttons = bar.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 5);
    for (QPushButton *b : buttons) {
        QCOMPARE(b->objectName(), QStringLiteral("OKCANCEL"));
        QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    }
    QPushButton *ok = button(bar, "STR_OK");
    QPushButton *cancel = button(bar, "STR_CANCEL");
    bar.setOkBtnText(QStringLiteral("Apply"));
    bar.setCancelBtnText(QStringLiteral("Discard"));
    QCOMPARE(ok->text(), QStringLiteral("Apply"));
    QCOMPARE(cancel->text(), QStringLiteral("Discard"));
    QVERIFY(button(bar, "STR_QUIT")); // Quit keeps its own text
}

void tst_OkCancel::disabledOkSurvivesSetChange()
{
    QOkCancel bar(nullptr, CONFIRM_BTN_OK);
    bar.setOkBtnEnabled(false);
    bar.setConfirmBtnType(CONFIRM_BTN_OK_CANCEL);
    QPushButton *ok = button(bar, "STR_OK");
    QVERIFY(ok->isVisibleTo(&bar) && !ok->isEnabled());
    bar.show();
    QSignalSpy spy(&bar, &QOkCancel::SigOk);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    bar.setOkBtnEnabled(true);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(tst_OkCancel)
#include "tst_okcancel.moc"
