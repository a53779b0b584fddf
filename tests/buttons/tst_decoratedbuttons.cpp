// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QDialog>
#include <QHBoxLayout>
#include <QMetaMethod>
#include <QPointer>
#include <QShortcut>
#include <QLabel>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include "qcustombutton.h"
#include "qcustompushbutton.h"
#include "qindustryitem.h"
#include "qmenubutton.h"
#include "qrotatepushbutton.h"
#include "qtopsidewidget.h"

namespace {
const QColor kIdle(189, 208, 232), kHover(215, 226, 241), kSelected(242, 248, 254);

QColor corner(QWidget *w) { return w->grab().toImage().pixelColor(2, 2); }

// A host deleting what it built from the signal the key raised.
class Deleter : public QObject
{
    Q_OBJECT
public:
    QPointer<QObject> victim;
public Q_SLOTS:
    void destroyVictim() { delete victim.data(); }
};
} // namespace

class tst_DecoratedButtons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuButtons();
    void statusTexts_data();
    void statusTexts();
    void industryItem();
    void focusedControlKeys_data();
    void focusedControlKeys();
};

// Fills: idle, hover, selected (which wins over hover). Selection is set after clicked(): a
// host clearing all selections in its handler ends with the clicked entry selected. Right
// clicks and releases outside never select.
void tst_DecoratedButtons::menuButtons()
{
    QWidget top;
    auto *layout = new QHBoxLayout(&top);
    QList<QMenuButton *> entries;
    int lastClicked = -1;
    for (int i = 0; i < 3; ++i) {
        auto *b = new QMenuButton(&top);
        b->setIndex(i);
        b->setText(QStringLiteral("Monitor"));
        layout->addWidget(b);
        entries << b;
        connect(b, &QPushButton::clicked, b, [&entries, &lastClicked, b] {
            for (QMenuButton *e : entries)
                e->setselected(false);
            lastClicked = b->getIndex();
        });
    }
    auto *other = new QWidget(&top);
    other->setMinimumSize(60, 40);
    layout->addWidget(other);
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    QTest::mouseMove(other, other->rect().center());

    QMenuButton *button = entries[0];
    QCOMPARE(corner(button), kIdle);
    QTest::mouseMove(button, QPoint(3, 3));
    QTRY_COMPARE(corner(button), kHover);
    button->setselected(true);
    QCOMPARE(corner(button), kSelected);
    QTest::mouseMove(other, other->rect().center());
    QTRY_COMPARE(corner(button), kSelected);

    QTest::mouseClick(entries[1], Qt::RightButton);
    QVERIFY(corner(entries[1]) != kSelected);
    QTest::mousePress(entries[2], Qt::LeftButton);
    QTest::mouseRelease(entries[2], Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(corner(entries[2]) != kSelected);

    QTest::mouseClick(entries[1], Qt::LeftButton);
    QCOMPARE(lastClicked, 1);
    QCOMPARE(corner(entries[0]), kIdle);
    QCOMPARE(corner(entries[1]), kSelected);
}

void tst_DecoratedButtons::statusTexts_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("text");
    QTest::newRow("success") << true << QStringLiteral("ignored") << QStringLiteral("Runtime set success");
    QTest::newRow("failure") << false << QStringLiteral("timeout") << QStringLiteral("Setting failed!(timeout)");
    QTest::newRow("no reason") << false << QString() << QStringLiteral("Setting failed!()");
}

void tst_DecoratedButtons::statusTexts()
{
    QFETCH(bool, ok);
    QFETCH(QString, reason);
    QFETCH(QString, text);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QCoreApplication::installTranslator(&translator);
    QCustomPushButton w;
    w.setButtonStatus(ok, reason);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(w.getLabelText()->text(), text);
    const QPixmap expected(ok ? QStringLiteral(":/img/commonImge/success") : QStringLiteral(":/img/commonImge/failure"));
    QVERIFY(!expected.isNull());
    QCOMPARE(w.getLabelImg()->pixmap(Qt::ReturnByValue).toImage(), expected.toImage());
}

// A left click inside reports the industry; right clicks and releases outside do not, and a
// release outside forgets the press. The close button asks for removal instead.
void tst_DecoratedButtons::industryItem()
{
    QIndustryItem item;
    item.resize(200, 40);
    item.setIndustry(QStringLiteral("Textile"));
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    QSignalSpy shown(&item, &QIndustryItem::showIndustry);
    QSignalSpy removed(&item, qOverload<QString>(&QIndustryItem::removeIndustry));

    QTest::mouseClick(&item, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.takeFirst().at(0).toString(), QStringLiteral("Textile"));
    QTest::mousePress(&item, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&item, Qt::LeftButton, {}, QPoint(250, 20));
    QTest::mouseRelease(&item, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(&item, Qt::RightButton, {}, QPoint(20, 20));
    QCOMPARE(shown.count(), 0);

    auto *close = item.findChild<QPushButton *>();
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toString(), QStringLiteral("Textile"));
    QCOMPARE(shown.count(), 0);

    item.setNormalIndustry(QStringLiteral("General"));
    QVERIFY(!close->isVisible());
    QCOMPARE(item.getIndustry(), QStringLiteral("General"));
}

void tst_DecoratedButtons::focusedControlKeys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("own");
    QTest::addColumn<bool>("destroy");
    const QList<QPair<const char *, int>> keys{
        {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    for (const char *kind : {"custom", "rotate", "menu", "status", "close", "entry"}) {
        for (const auto &k : keys) {
            QTest::addRow("%s, %s", kind, k.first) << QString::fromLatin1(kind) << k.second << true << 1 << false;
            QTest::addRow("%s, %s, deleted", kind, k.first) << QString::fromLatin1(kind) << k.second << true << 1 << true;
        }
    }
    // Tool buttons take Space only, as Qt's do.
    QTest::newRow("hide, Space") << QStringLiteral("hide") << int(Qt::Key_Space) << true << 1 << false;
    QTest::newRow("close side, Space") << QStringLiteral("closeSide") << int(Qt::Key_Space) << true << 1 << true;
    QTest::newRow("custom, disabled, Return") << QStringLiteral("custom") << int(Qt::Key_Return) << false << 0 << false;
    QTest::newRow("status, disabled, Return") << QStringLiteral("status") << int(Qt::Key_Return) << false << 0 << false;
}

// In a host dialog with its own default button and a shortcut on the key, the focused control
// answers the key with its own action: the host's default and shortcut stay quiet, the dialog
// stays open. None of the family's buttons is or becomes the default. A host may delete the
// widget from the signal the key raised.
void tst_DecoratedButtons::focusedControlKeys()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, own);
    QFETCH(bool, destroy);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    QWidget *control = nullptr;
    QObject *source = nullptr;
    QMetaMethod signal;
    if (kind == QLatin1String("hide") || kind == QLatin1String("closeSide")) {
        auto *strip = new QTopSideWidget(&dialog, QStringLiteral("Axes"));
        layout->addWidget(strip);
        const bool hide = kind == QLatin1String("hide");
        control = strip->findChild<QWidget *>(hide ? QStringLiteral("VIEWBTN") : QStringLiteral("CLOSEBTN1"));
        source = strip;
        signal = hide ? QMetaMethod::fromSignal(&QTopSideWidget::SigHide) : QMetaMethod::fromSignal(&QTopSideWidget::SigClose);
    } else if (kind == QLatin1String("entry") || kind == QLatin1String("close")) {
        auto *item = new QIndustryItem(&dialog);
        item->setIndustry(QStringLiteral("Textile"));
        layout->addWidget(item);
        source = item;
        if (kind == QLatin1String("entry")) {
            control = item;
            signal = QMetaMethod::fromSignal(&QIndustryItem::showIndustry);
        } else {
            control = item->findChild<QPushButton *>(QStringLiteral("closeButton"));
            signal = QMetaMethod::fromSignal(qOverload<QString>(&QIndustryItem::removeIndustry));
        }
    } else {
        QPushButton *button = nullptr;
        if (kind == QLatin1String("custom"))
            button = new QCustomButton(&dialog, QStringLiteral("Apply"));
        else if (kind == QLatin1String("rotate"))
            button = new QRotatePushButton(&dialog, QStringLiteral("Panel"));
        else if (kind == QLatin1String("menu"))
            button = new QMenuButton(&dialog);
        else
            button = (new QCustomPushButton(&dialog, QStringLiteral("Set")))->getPushButton();
        layout->addWidget(button->parentWidget() == &dialog ? button : button->parentWidget());
        control = button;
        source = button;
        signal = QMetaMethod::fromSignal(&QAbstractButton::clicked);
    }
    QSignalSpy spy(source, signal);
    Deleter deleter;
    deleter.victim = control->parentWidget() == &dialog ? control : control->parentWidget();
    if (destroy)
        connect(source, signal, &deleter, deleter.metaObject()->method(deleter.metaObject()->indexOfSlot("destroyVictim()")));
    auto *hostOk = new QPushButton(QStringLiteral("OK"), &dialog);
    hostOk->setDefault(true);
    layout->addWidget(hostOk);
    QSignalSpy hostClicked(hostOk, &QPushButton::clicked);
    auto *shortcut = new QShortcut(QKeySequence(key), &dialog);
    QSignalSpy shortcutFired(shortcut, &QShortcut::activated);
    QVERIFY(control);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    control->setFocus(Qt::TabFocusReason);
    QVERIFY(control->hasFocus());
    control->setEnabled(enabled);
    if (!enabled)
        control->setFocus(Qt::TabFocusReason);

    QTest::keyClick(enabled ? control : static_cast<QWidget *>(&dialog), Qt::Key(key));
    QCOMPARE(spy.count(), own);
    QCOMPARE(deleter.victim.isNull(), destroy);
    if (enabled) {
        QCOMPARE(hostClicked.count(), 0);
        QCOMPARE(shortcutFired.count(), 0);
        QVERIFY(dialog.isVisible());
    }
    for (QPushButton *b : dialog.findChildren<QPushButton *>())
        QVERIFY2(b == hostOk || !b->isDefault(), qPrintable(b->objectName()));
}

QTEST_MAIN(tst_DecoratedButtons)
#include "tst_decoratedbuttons.moc"
