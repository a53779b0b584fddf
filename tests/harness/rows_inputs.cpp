// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the input family for the every-class harness.

#include "harness.h"

#include <qaxiscomboxwidget.h>
#include <qcustomdatetimeedit.h>
#include <qcustomlineedit.h>
#include <qextendcombobox.h>
#include <qextenddoublespinbox.h>
#include <qhideableheaderview.h>
#include <qitemcombobox.h>
#include <qmycombobox.h>
#include <qnowheelcombobox.h>
#include <qnowheeldatetimeedit.h>
#include <qnowheeldouspinbox.h>
#include <qpresslabel.h>
#include <qpswedit.h>
#include <qtranslatedtextedit.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

namespace {

using harness::ClassRow;
using harness::KeyPath;
using harness::ModalRun;
using harness::Trigger;

const QList<int> kPressKeys{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};

void fillCombo(QObject *object)
{
    auto *box = static_cast<QComboBox *>(object);
    box->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    box->setCurrentIndex(0);
}

// The user steps to the next entry from the keyboard.
void pickNext(QObject *object)
{
    auto *box = static_cast<QComboBox *>(object);
    box->activateWindow();
    box->setFocus();
    QTest::keyPress(box, Qt::Key_Down);
}

// Types a digit into the focused box as a user does; only the last key press may emit, and
// nothing is sent after it (no release) as a slot may have deleted the box.
void typeDigit(QObject *object, bool confirm)
{
    auto *box = static_cast<QDoubleSpinBox *>(object);
    // Activation must not pass through the box: its focus-out would end an edit early.
    box->clearFocus();
    box->activateWindow();
    (void)QTest::qWaitForWindowActive(box->window());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    if (!confirm) {
        QTest::keyPress(box, Qt::Key_7);
        return;
    }
    QTest::keyClick(box, Qt::Key_7);
    QTest::keyPress(box, Qt::Key_Return);
}

void typeAndChange(QObject *object)
{
    typeDigit(object, false);
}

void typeAndConfirm(QObject *object)
{
    typeDigit(object, true);
}

// Both signal on the press; the release would reach a widget a slot has deleted.
void press(QObject *object)
{
    auto *widget = static_cast<QWidget *>(object);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void openContextMenu(QWidget *target, QWidget *receiver)
{
    const QPoint local(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QApplication::sendEvent(receiver, &event);
}

const harness::Rows registered{
    {"QAxisComBoxWidget",
     [](QWidget *parent) -> QObject * {
         auto *w = new QAxisComBoxWidget(parent);
         w->updateAxis(3);
         return w;
     },
     {},
     {},
     {},
     {QStringLiteral("AXIS_COMBOBOX")},
     {},
     {},
     {}},
    {"QCustomDateTimeEdit",
     [](QWidget *parent) -> QObject * {
         return new QCustomDateTimeEdit(QDateTime(QDate(2020, 1, 1), QTime(12, 0)), QStringLiteral("Start"), parent);
     },
     {},
     {},
     {},
     {QStringLiteral("dateTimeEdit"), QStringLiteral("pushButton")},
     {},
     {},
     {}},
    {"QCustomLineEdit", [](QWidget *parent) -> QObject * { return new QCustomLineEdit(parent); }, {}, {}, {},
     {QStringLiteral("FLOWDIAGRAM")}, {}, {}, {}},
    {"QExtendComboBox",
     [](QWidget *parent) -> QObject * { return new QExtendComboBox(parent); },
     {Trigger{"currentIndexChangedExtend(int,QVariant)", pickNext},
      Trigger{"currentIndexChangedExtend(QString,QVariant)", pickNext},
      Trigger{"currentTextChangedExtend(QString,QVariant)", pickNext},
      Trigger{"clicked()", press}},
     {},
     {},
     {QStringLiteral("QExtendComboBox")},
     {},
     {KeyPath{"open list", nullptr, {Qt::Key_Space}}},
     fillCombo},
    {"QExtendDoubleSpinBox",
     [](QWidget *parent) -> QObject * { return new QExtendDoubleSpinBox(parent); },
     {Trigger{"valueChangedExtend(double,QVariant)", typeAndChange},
      Trigger{"valueChangedExtend(QString,QVariant)", typeAndChange},
      Trigger{"editingFinishedExtend(double,QVariant)", typeAndConfirm}},
     {},
     {},
     {QStringLiteral("QExtendDoubleSpinBox")},
     {},
     {},
     {}},
    {"QHideableHeaderView",
     [](QWidget *parent) -> QObject * {
         auto *view = new QTableView(parent);
         auto *model = new QStandardItemModel(2, 9, view);
         for (int c = 0; c < 9; ++c)
             model->setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("A&B %1").arg(c)));
         view->setModel(model);
         // The host's choice: Tab leaves the table instead of walking its cells.
         view->setTabKeyNavigation(false);
         auto *header = new QHideableHeaderView(Qt::Horizontal, view);
         view->setHorizontalHeader(header);
         return header;
     },
     {},
     {},
     {ModalRun{"column menu",
               [](QObject *o) {
                   auto *header = static_cast<QHideableHeaderView *>(o);
                   openContextMenu(header, header->viewport());
               }}},
     {QStringLiteral("QTableView")},
     {},
     {},
     {}},
    {"QItemComboBox",
     [](QWidget *parent) -> QObject * {
         auto *box = new QItemComboBox(parent);
         box->addMultiItem({QStringLiteral("one"), QStringLiteral("two")}, 20);
         return box;
     },
     {},
     {},
     {},
     {QStringLiteral("QItemComboBox")},
     {},
     {},
     {}},
    {"QMyCombobox",
     [](QWidget *parent) -> QObject * { return new QMyCombobox(parent); },
     {Trigger{"sigHidePopup()",
              [](QObject *o) {
                  auto *box = static_cast<QComboBox *>(o);
                  box->showPopup();
                  box->hidePopup();
              }}},
     {},
     {},
     {QStringLiteral("QMyCombobox")},
     {},
     {},
     fillCombo},
    {"QNoWheelComboBox", [](QWidget *parent) -> QObject * { return new QNoWheelComboBox(parent); }, {}, {}, {},
     {QStringLiteral("QNoWheelComboBox")}, {}, {}, fillCombo},
    {"QNoWheelDateTimeEdit", [](QWidget *parent) -> QObject * { return new QNoWheelDateTimeEdit(parent); }, {}, {},
     {}, {QStringLiteral("QNoWheelDateTimeEdit")}, {}, {}, {}},
    {"QNoWheelDouSpinBox",
     [](QWidget *parent) -> QObject * { return new QNoWheelDouSpinBox(parent); },
     {Trigger{"sigCurVal(double)", typeAndConfirm}},
     {},
     {},
     {QStringLiteral("QNoWheelDouSpinBox")},
     {},
     {},
     {}},
    {"QPressLabel",
     [](QWidget *parent) -> QObject * { return new QPressLabel(parent); },
     {Trigger{"SigMousePress()", press}},
     {},
     {},
     {QStringLiteral("QPressLabel")},
     {},
     {KeyPath{"press", nullptr, kPressKeys}},
     [](QObject *o) { static_cast<QLabel *>(o)->setText(QStringLiteral("Press")); }},
    {"QPswEdit", [](QWidget *parent) -> QObject * { return new QPswEdit(parent); }, {}, {}, {},
     {QStringLiteral("QPswEdit")}, {}, {}, {}},
    {"QTranslatedTextEdit",
     [](QWidget *parent) -> QObject * { return new QTranslatedTextEdit(parent); },
     {},
     {},
     {ModalRun{"context menu",
               [](QObject *o) {
                   auto *edit = static_cast<QTranslatedTextEdit *>(o);
                   openContextMenu(edit, edit->viewport());
               }}},
     {QStringLiteral("QTranslatedTextEdit")},
     {},
     {},
     {}},
};

} // namespace
