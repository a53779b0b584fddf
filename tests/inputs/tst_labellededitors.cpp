// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "qcustomdatetimeedit.h"
#include "qcustomlineedit.h"
#include "qnowheeldatetimeedit.h"
#include "qpswedit.h"
#include "wheel.h"

namespace {
const QString kButton = QStringLiteral("QPushButton{border-image: url(:/img/commonImge/%1);background: transparent;}");
const QString kMasked = kButton.arg("hidepsw"), kReadable = kButton.arg("showpsw");
} // namespace

class tst_LabelledEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); } // "50.00" is parsed and shown
    void valueWithUnit();
    void dateTimeWithButton();
    void passwordModes();
    void passwordButtonGeometry();
};

void tst_LabelledEditors::valueWithUnit()
{
    QCustomLineEdit w;
    auto *edit = w.findChild<QLineEdit *>(QStringLiteral("FLOWDIAGRAM"));
    auto *unit = w.findChild<QLabel *>();
    QVERIFY(edit && unit);
    w.setValue(QStringLiteral("50.00"));
    w.setUnit(QStringLiteral("Hz"));
    QCOMPARE(edit->text(), QStringLiteral("50.00"));
    QCOMPARE(unit->text(), QStringLiteral("Hz"));
    QCOMPARE(unit->width(), 40);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint inside(4, edit->height() / 2);
    const QColor enabledBackground = edit->grab().toImage().pixelColor(inside);
    w.setEnable(false);
    QVERIFY(!edit->isEnabled());
    QVERIFY(unit->isEnabled());
    // The disabled edit looks read-only: its background changes.
    QVERIFY(edit->grab().toImage().pixelColor(inside) != enabledBackground);
    w.setEnable(true);
    QVERIFY(edit->isEnabled());
}

void tst_LabelledEditors::dateTimeWithButton()
{
    const QDateTime start(QDate(2024, 3, 1), QTime(8, 30, 15));
    QCustomDateTimeEdit w(start, QStringLiteral("Now"));
    QVERIFY(!w.parent());
    QNoWheelDateTimeEdit *edit = w.getDateTimeEdit();
    QCOMPARE(edit->parentWidget(), &w);
    QCOMPARE(edit->dateTime(), start);
    QCOMPARE(w.getPushButton()->text(), QStringLiteral("Now"));
    w.setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    QCOMPARE(edit->text(), QStringLiteral("2024-03-01 08:30"));
    turnWheel(edit, 1);
    QCOMPARE(edit->dateTime(), start);
}

// The toggle flips between masked and readable. Only the toggle changes that flag; the fixed
// modes leave it for a later switch back.
void tst_LabelledEditors::passwordModes()
{
    QPswEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto *toggle = edit.findChild<QPushButton *>();
    QVERIFY(toggle && toggle->isVisible());
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    QCOMPARE(toggle->styleSheet(), kMasked);
    edit.setText(QStringLiteral("secret"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(edit.echoMode(), QLineEdit::Normal);
    QCOMPARE(toggle->styleSheet(), kReadable);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    QCOMPARE(edit.text(), QStringLiteral("secret"));

    // The toggle never takes the focus nor becomes a default; Alt+F8 in the edit toggles too.
    QCOMPARE(toggle->focusPolicy(), Qt::NoFocus);
    QVERIFY(!toggle->autoDefault() && !toggle->isDefault());
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F8, Qt::AltModifier);
    QApplication::sendEvent(&edit, &override);
    QVERIFY(override.isAccepted());
    QTest::keyClick(&edit, Qt::Key_F8, Qt::AltModifier);
    QCOMPARE(edit.echoMode(), QLineEdit::Normal);
    QVERIFY(toggle->isChecked());
    QTest::keyClick(&edit, Qt::Key_F8, Qt::AltModifier);
    QCOMPARE(edit.echoMode(), QLineEdit::Password);

    edit.setDisplayMode(QPswEdit::DisplaySwitchable); // masked -> readable
    QCOMPARE(edit.echoMode(), QLineEdit::Normal);
    edit.setDisplayMode(QPswEdit::DisplayPassword);
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    QVERIFY(toggle->isHidden());
    edit.setDisplayMode(QPswEdit::DisplaySwitchable); // continues: readable -> masked
    QVERIFY(!toggle->isHidden());
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    QCOMPARE(toggle->styleSheet(), kMasked);
    edit.setDisplayMode(QPswEdit::DisplayMode(9));
    QCOMPARE(edit.echoMode(), QLineEdit::Normal);
    QVERIFY(toggle->isHidden());
}

void tst_LabelledEditors::passwordButtonGeometry()
{
    QPswEdit edit;
    edit.resize(200, edit.sizeHint().height());
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto *toggle = edit.findChild<QPushButton *>();
    const int side = edit.sizeHint().height();
    QCOMPARE(toggle->size(), QSize(side, side));
    QCOMPARE(edit.textMargins().right(), toggle->width());
    QCOMPARE(toggle->geometry().right(), edit.rect().right());

    // The cursor never reaches under the button, however long the text.
    edit.setEchoMode(QLineEdit::Normal);
    edit.setText(QString(80, QLatin1Char('W')));
    edit.end(false);
    edit.repaint(); // the line edit scrolls its text while painting
    const QRect cursor = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY2(cursor.right() <= toggle->geometry().left(), qPrintable(QString::number(cursor.right())));
}

QTEST_MAIN(tst_LabelledEditors)
#include "tst_labellededitors.moc"
