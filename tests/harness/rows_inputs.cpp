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

void pickSecond(QObject *object)
{
    static_cast<QComboBox *>(object)->setCurrentIndex(1);
}

void setValue(QObject *object)
{
    auto *box = static_cast<QDoubleSpinBox *>(object);
    box->setValue(box->value() + 1);
}

// Types a digit and confirms with Return while the box has the focus, as a user does.
void typeAndConfirm(QObject *object)
{
    auto *box = static_cast<QDoubleSpinBox *>(object);
    box->activateWindow();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_7);
    QTest::keyClick(box, Qt::Key_Return);
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
     {Trigger{"currentIndexChangedExtend(int,QVariant)", pickSecond},
      Trigger{"currentIndexChangedExtend(QString,QVariant)", pickSecond},
      Trigger{"currentTextChangedExtend(QString,QVariant)", pickSecond},
      Trigger{"clicked()", [](QObject *o) { harness::click(static_cast<QWidget *>(o)); }},
      Trigger{"currentIndexChanged(int)", [](QObject *o) {
                  auto *box = static_cast<QWidget *>(o);
                  box->setFocus();
                  QTest::keyClick(box, Qt::Key_Down);
              }}},
     {"currentIndexChanged(int)"},
     {},
     {QStringLiteral("QExtendComboBox")},
     {},
     {KeyPath{"open list", nullptr, {Qt::Key_Space}}},
     fillCombo},
    {"QExtendDoubleSpinBox",
     [](QWidget *parent) -> QObject * { return new QExtendDoubleSpinBox(parent); },
     {Trigger{"valueChangedExtend(double,QVariant)", typeAndConfirm},
      Trigger{"valueChangedExtend(QString,QVariant)", setValue},
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
     {Trigger{"SigMousePress()", [](QObject *o) { harness::click(static_cast<QWidget *>(o)); }}},
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
