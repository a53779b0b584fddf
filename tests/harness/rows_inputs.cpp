// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

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
using namespace harness;

const Fire fillCombo =
    steps(call(&QComboBox::addItems, QStringList{"a", "b", "c"}), call(&QComboBox::setCurrentIndex, 0));

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
Fire typeDigit(bool confirm)
{
    return [confirm](QObject *object) {
        auto *box = static_cast<QDoubleSpinBox *>(object);
        // Activation must not pass through the box: its focus-out would end an edit early.
        box->clearFocus();
        box->activateWindow();
        (void)QTest::qWaitForWindowActive(box->window());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        if (confirm)
            QTest::keyClick(box, Qt::Key_7);
        QTest::keyPress(box, confirm ? Qt::Key_Return : Qt::Key_7);
    };
}

// A context menu asked for over the viewport of @p T.
template<class T>
ModalRun contextMenu(const char *name)
{
    return {name, [](QObject *o) {
                auto *view = static_cast<T *>(o);
                const QPoint local(5, 5);
                QContextMenuEvent event(QContextMenuEvent::Mouse, local, view->mapToGlobal(local));
                QApplication::sendEvent(view->viewport(), &event);
            }};
}

const Rows registered{
    {"QAxisComBoxWidget", makeWith<QAxisComBoxWidget>([](QAxisComBoxWidget *w) { w->updateAxis(3); }), {}, {}, {},
     {"AXIS_COMBOBOX"}},
    {"QCustomDateTimeEdit",
     [](QWidget *parent) -> QObject * {
         return new QCustomDateTimeEdit(QDateTime(QDate(2020, 1, 1), QTime(12, 0)), "Start", parent);
     },
     {}, {}, {}, {"dateTimeEdit", "pushButton"}},
    {"QCustomLineEdit", make<QCustomLineEdit>(), {}, {}, {}, {"FLOWDIAGRAM"}},
    {"QExtendComboBox", make<QExtendComboBox>(),
     {{"currentIndexChangedExtend(int,QVariant)", pickNext},
      {"currentIndexChangedExtend(QString,QVariant)", pickNext},
      {"currentTextChangedExtend(QString,QVariant)", pickNext},
      {"clicked()", pressOn()}},
     {}, {}, {"QExtendComboBox"}, {}, {{"open list", nullptr, {Qt::Key_Space}}}, fillCombo},
    {"QExtendDoubleSpinBox", make<QExtendDoubleSpinBox>(),
     {{"valueChangedExtend(double,QVariant)", typeDigit(false)},
      {"valueChangedExtend(QString,QVariant)", typeDigit(false)},
      {"editingFinishedExtend(double,QVariant)", typeDigit(true)}},
     {}, {}, {"QExtendDoubleSpinBox"}},
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
     {}, {}, {contextMenu<QHideableHeaderView>("column menu")}, {"QTableView"}},
    {"QItemComboBox",
     makeWith<QItemComboBox>([](QItemComboBox *box) { box->addMultiItem({"one", "two"}, 20); }), {}, {}, {},
     {"QItemComboBox"}},
    {"QMyCombobox", make<QMyCombobox>(),
     {{"sigHidePopup()", steps(call(&QComboBox::showPopup), call(&QMyCombobox::hidePopup))}},
     {}, {}, {"QMyCombobox"}, {}, {}, fillCombo},
    {"QNoWheelComboBox", make<QNoWheelComboBox>(), {}, {}, {}, {"QNoWheelComboBox"}, {}, {}, fillCombo},
    {"QNoWheelDateTimeEdit", make<QNoWheelDateTimeEdit>(), {}, {}, {}, {"QNoWheelDateTimeEdit"}},
    {"QNoWheelDouSpinBox", make<QNoWheelDouSpinBox>(), {{"sigCurVal(double)", typeDigit(true)}}, {}, {},
     {"QNoWheelDouSpinBox"}},
    {"QPressLabel", makeWith<QPressLabel>([](QPressLabel *l) { l->setText("Press"); }), {{"SigMousePress()", pressOn()}},
     {}, {}, {"QPressLabel"}, {}, {{"press", nullptr, pressKeys()}}},
    {"QPswEdit", make<QPswEdit>(), {}, {}, {}, {"QPswEdit"}},
    {"QTranslatedTextEdit", make<QTranslatedTextEdit>(), {}, {}, {contextMenu<QTranslatedTextEdit>("context menu")},
     {"QTranslatedTextEdit"}},
};

// Signals and slots hosts connect to by name.
const NamedMethods extendCombo{"QExtendComboBox", {},
                               {"OnCurrentIndexChanged()", "OnCurrentIndexTextChanged()", "OnCurrentTextChanged()"}};
const NamedMethods extendSpin{"QExtendDoubleSpinBox", {},
                              {"OnValueChanged()", "OnTextValueChanged()", "OnEditingFinished()"}};
const NamedMethods noWheelSpin{"QNoWheelDouSpinBox", {}, {"Slotvalidate()"}};
const NamedMethods psw{"QPswEdit", {}, {"onChange()"}};
const NamedMethods textEdit{"QTranslatedTextEdit", {}, {"OnSelected(bool)"}};
const NamedMethods header{"QHideableHeaderView", {}, {"slotOnAction(QAction*)"}};
} // namespace
