// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "qedgewidget.h"
#include "qrotatepushbutton.h"
#include "qtopsidewidget.h"
#include "qtopwizard.h"

namespace {
QList<QToolButton *> steps(QTopWizard &w) { return w.findChildren<QToolButton *>(QStringLiteral("STATEBTN")); }

QList<bool> checks(QTopWizard &w)
{
    QList<bool> states;
    for (QToolButton *b : steps(w))
        states << b->isChecked();
    return states;
}

// Item kinds of the step row from left to right: s = stretch, b = step, a = arrow.
QString rowShape(QTopWizard &w)
{
    QString shape;
    QLayout *row = w.layout();
    for (int i = 0; row && i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        if (item->spacerItem())
            shape += QLatin1Char('s');
        else if (qobject_cast<QToolButton *>(item->widget()))
            shape += QLatin1Char('b');
        else if (qobject_cast<QLabel *>(item->widget()))
            shape += QLatin1Char('a');
    }
    return shape;
}
} // namespace

class tst_Navigation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wizard();
    void topSideButtonsAndDirection();
    void edgeStrip();
    void rotatedCaption();
};

// Out-of-range checks are ignored; a second list replaces the old row, leaving no stale
// steps or arrows behind.
void tst_Navigation::wizard()
{
    QTopWizard w;
    QCOMPARE(w.objectName(), QStringLiteral("QTopWizard"));
    w.setBtnCheck(0); // no steps yet: nothing happens
    w.setTextList({});
    QVERIFY(!w.layout());

    w.setTextList({"Connect", "Read", "Write"});
    QCOMPARE(rowShape(w), QStringLiteral("sbababs"));
    QCOMPARE(steps(w).at(1)->text(), QStringLiteral("Read"));
    for (QToolButton *step : steps(w))
        QVERIFY(step->isCheckable() && !step->isEnabled());
    QCOMPARE(checks(w), QList<bool>({true, false, false}));
    w.setBtnCheck(2);
    w.setBtnCheck(-1);
    w.setBtnCheck(3);
    QCOMPARE(checks(w), QList<bool>({false, false, true}));
    w.reInit();
    QCOMPARE(checks(w), QList<bool>({true, false, false}));

    w.show();
    w.setBtnCheck(2);
    QPointer<QToolButton> old = steps(w).first();
    w.setTextList({"x", "y"});
    QVERIFY(old.isNull());
    QCOMPARE(rowShape(w), QStringLiteral("sbabs"));
    QCOMPARE(w.findChildren<QLabel *>().size(), 1);
    QCOMPARE(steps(w).size(), 2);
    QCOMPARE(steps(w).at(1)->text(), QStringLiteral("y"));
    QCOMPARE(checks(w), QList<bool>({true, false}));
    w.setBtnCheck(1);
    QCOMPARE(checks(w), QList<bool>({false, true}));
    QTRY_VERIFY(steps(w).at(1)->isVisible());
}

void tst_Navigation::topSideButtonsAndDirection()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QCoreApplication::installTranslator(&translator);
    QTopSideWidget w(nullptr, QStringLiteral("Parameters"), DIRECT_DOWN);
    QCoreApplication::removeTranslator(&translator);

    auto *view = w.findChild<QToolButton *>(QStringLiteral("VIEWBTN"));
    auto *close = w.findChild<QToolButton *>(QStringLiteral("CLOSEBTN1"));
    QVERIFY(view && close);
    QCOMPARE(view->toolTip(), QStringLiteral("Hide"));
    QCOMPARE(close->toolTip(), QStringLiteral("Close"));
    QVERIFY(view->icon().isNull()); // the direction is only stored at construction

    // The arrows are host images; an icon from a resolvable path stands in for them.
    view->setIcon(QIcon(QStringLiteral(":/img/commonImge/warning")));
    w.setDirect(DirectSide_E(7));
    QVERIFY(view->icon().isNull());

    QSignalSpy hide(&w, &QTopSideWidget::SigHide);
    QSignalSpy closed(&w, &QTopSideWidget::SigClose);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(view, Qt::LeftButton);
    QCOMPARE(hide.count(), 1);
    QCOMPARE(closed.count(), 0);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
}

void tst_Navigation::edgeStrip()
{
    QWidget top;
    auto *layout = new QHBoxLayout(&top);
    auto *edge = new QEdgeWidget(&top, QStringLiteral("ignored"));
    auto *other = new QWidget(&top);
    other->setMinimumSize(100, 160);
    layout->addWidget(edge);
    layout->addWidget(other);
    top.resize(400, 200);
    edge->setTitle(QStringLiteral("Monitor"));
    top.show();
    QVERIFY(QTest::qWaitForWindowExposed(&top));

    auto *button = edge->findChild<QRotatePushButton *>(QStringLiteral("MENUBTN"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Monitor"));
    QVERIFY(edge->width() <= 30);

    QSignalSpy show(edge, &QEdgeWidget::SigShow);
    QSignalSpy preview(edge, &QEdgeWidget::SigShowPreview);
    QSignalSpy hide(edge, &QEdgeWidget::SigHide);
    QSignalSpy hidePreview(edge, &QEdgeWidget::SigHidePreview);
    QTest::mouseMove(other, other->rect().center());
    for (int entry = 1; entry <= 2; ++entry) {
        QTest::mouseMove(button, button->rect().center());
        QTRY_COMPARE(preview.count(), entry);
        QTest::mouseMove(other, other->rect().center());
    }
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(show.count(), 1);
    QCOMPARE(hide.count() + hidePreview.count(), 0);
}

// The caption runs top to bottom: its ink is taller than wide.
void tst_Navigation::rotatedCaption()
{
    QRotatePushButton button(nullptr, QStringLiteral("MMMMMMMM"));
    QCOMPARE(button.size(), QSize(30, 150));
    const QImage withText = button.grab().toImage();
    button.setText(QString());
    const QImage blank = button.grab().toImage();

    QRect ink;
    for (int y = 0; y < withText.height(); ++y)
        for (int x = 0; x < withText.width(); ++x)
            if (withText.pixel(x, y) != blank.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.height() >= 2 * ink.width(), "caption is not painted vertically");
}

QTEST_MAIN(tst_Navigation)
#include "tst_navigation.moc"
