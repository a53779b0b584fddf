// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "qbasedlg.h"
#include "qcolorbutton.h"
#include "qimgradiobutton.h"
#include "qmymessagebox.h"
#include "qpswedit.h"
#include "qtopsidewidget.h"

// Controls that show only an image or a glyph must still be named for assistive technology.
class tst_Accessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void passwordToggleReportsWhetherTextIsShown();
    void imageOnlyControlsAreNamed();

private:
    QTranslator m_translator;
};

namespace {
QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}
} // namespace

void tst_Accessibility::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
}

void tst_Accessibility::passwordToggleReportsWhetherTextIsShown()
{
    QPswEdit edit;
    edit.show();
    QPushButton *toggle = edit.findChild<QPushButton *>();
    QVERIFY(toggle);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(toggle);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Show password"));
    QVERIFY(iface->state().checkable);
    QVERIFY(!iface->state().checked);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Password is hidden"));

    // Pressed the way assistive technology presses it.
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(edit.echoMode(), QLineEdit::Normal); // the press is animated
    QVERIFY(iface->state().checked);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Password is shown"));

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    QVERIFY(!iface->state().checked);
}

void tst_Accessibility::imageOnlyControlsAreNamed()
{
    QBaseDlg dialog;
    QCOMPARE(nameOf(dialog.findChild<QToolButton *>(QStringLiteral("baseDlgCloseButton"))),
             QStringLiteral("Close"));

    QTopSideWidget side;
    QCOMPARE(nameOf(side.findChild<QToolButton *>(QStringLiteral("CLOSEBTN1"))), QStringLiteral("Close"));
    QCOMPARE(nameOf(side.findChild<QToolButton *>(QStringLiteral("VIEWBTN"))), QStringLiteral("Hide"));

    QColorButton colour;
    colour.setColor(Qt::red);
    QCOMPARE(nameOf(&colour), QStringLiteral("Color"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&colour)->text(QAccessible::Description),
             QStringLiteral("#ff0000"));

    QMyMessageBox box;
    auto *icon = box.findChild<QLabel *>(QStringLiteral("labelImg"));
    box.setImg(QStringLiteral(":/img/commonImge/warning"));
    QCOMPARE(nameOf(icon), QStringLiteral("Warning"));
    box.setImg(QStringLiteral(":/img/commonImge/critical"));
    QCOMPARE(nameOf(icon), QStringLiteral("Error"));
    // A host image carries no claim about the message's kind.
    box.setImg(QStringLiteral(":/host/logo"));
    QCOMPARE(icon->accessibleName(), QString());

    QImgRadioButton tile(nullptr, QStringLiteral("Servo"), QStringLiteral(":/img/commonImge/success"));
    QCOMPARE(nameOf(tile.findChild<QLabel *>(QStringLiteral("labelImg"))), QStringLiteral("Servo"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
