// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Every-class rows of the dialog family.

#include "harness.h"

#include <qcolorbutton.h>
#include <qexporttypedlg.h>
#include <qextendprogressdialog.h>
#include <qextendsliderdialog.h>
#include <qmycolordlg.h>
#include <qmymessagebox.h>
#include <qokcancel.h>
#include <qsearchprogress.h>
#include <qstyleinputdialog.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The bar's button showing @p text (all of them share the object name "OKCANCEL").
QWidget *barButton(QObject *object, const char *text)
{
    for (QPushButton *b : object->findChildren<QPushButton *>())
        if (!b->isHidden() && b->text() == QLatin1String(text))
            return b;
    return nullptr;
}

harness::Fire clickBar(ConfirmBtnType_E type, const char *text)
{
    return [type, text](QObject *o) {
        static_cast<QOkCancel *>(o)->setConfirmBtnType(type);
        harness::click(barButton(o, text));
    };
}

// A press opens the colour dialog; a click would send its release to a deleted button.

// Ends whatever modal dialog is open next, accepting or rejecting it.
void answerNextModal(bool accept)
{
    QTimer::singleShot(50, qApp, [accept] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            accept ? dialog->accept() : dialog->reject();
    });
}

harness::Fire execRun()
{
    return [](QObject *o) { static_cast<QDialog *>(o)->exec(); };
}

const QList<int> buttonKeys{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};

const harness::Rows registered{
    {"QOkCancel",
     [](QWidget *parent) -> QObject * { return new QOkCancel(parent); },
     {{"SigOpen()", clickBar(CONFIRM_BTN_OPEN_QUIT, "STR_OPEN")},
      {"SigOk()", clickBar(CONFIRM_BTN_OK_CANCEL, "STR_OK")},
      {"SigCancel()", clickBar(CONFIRM_BTN_OPEN_QUIT, "STR_QUIT")},
      {"SigDefault()", clickBar(CONFIRM_BTN_OK_CANCEL_DEFAULT, "STR_RECOVER_DEFAULT")}},
     {},
     {},
     {QStringLiteral("OKCANCEL"), QStringLiteral("OKCANCEL")},
     QStringLiteral("OKCANCEL"),
     {{"ok", [](QObject *o) { return barButton(o, "STR_OK"); }, buttonKeys},
      {"cancel", [](QObject *o) { return barButton(o, "STR_CANCEL"); }, buttonKeys}},
     {}},
    {"QMyMessageBox",
     [](QWidget *parent) -> QObject * { return new QMyMessageBox(parent); },
     {},
     {},
     {{"question", [](QObject *o) { QMyMessageBox::question(static_cast<QWidget *>(o), "T", "C"); }},
      {"success", [](QObject *o) { QMyMessageBox::success(static_cast<QWidget *>(o), "T", "C", "x.csv"); }},
      {"exec", execRun()}},
     {},
     QStringLiteral("OKCANCEL"),
     {},
     {}},
    {"QExtendProgressDialog",
     [](QWidget *parent) -> QObject * { return new QExtendProgressDialog(parent); },
     {{"sigProgressTimeOut()",
       [](QObject *o) { static_cast<QExtendProgressDialog *>(o)->startTimer(10, TIMEOUT_FIRST_PROGRESS); }},
      {"sigProgressFinished()",
       [](QObject *o) {
           auto *dialog = static_cast<QExtendProgressDialog *>(o);
           dialog->slotSetRange(0, 10);
           dialog->slotUpdateProgress(10);
       }}},
     {},
     {{"exec", execRun()}},
     {},
     QStringLiteral("cancelBtn"),
     {},
     {}},
    {"QExtendSliderDialog",
     [](QWidget *parent) -> QObject * { return new QExtendSliderDialog(parent); },
     {{"sigSliderMoved(int)", [](QObject *o) { static_cast<QExtendSliderDialog *>(o)->setValue(7); }}},
     {},
     {{"exec", execRun()}},
     {},
     QStringLiteral("closeBtn"),
     {},
     {}},
    {"QSearchProgress",
     [](QWidget *parent) -> QObject * { return new QSearchProgress(QStringLiteral("T"), parent); },
     {{"SigClose()",
       [](QObject *o) {
           auto *dialog = static_cast<QSearchProgress *>(o);
           dialog->setMax(3);
           dialog->OnSetValue(3);
       }},
      {"SigCloseProgress()",
       [](QObject *o) {
           auto *dialog = static_cast<QSearchProgress *>(o);
           dialog->show();
           dialog->close();
       }}},
     {},
     {{"exec", execRun()}},
     {},
     {},
     {},
     {}},
    {"QStyleInputDialog",
     [](QWidget *parent) -> QObject * { return new QStyleInputDialog(parent); },
     {},
     {},
     {{"exec", execRun()}},
     {},
     QStringLiteral("okPBtn"),
     {},
     {}},
    {"QExportTypeDlg",
     [](QWidget *parent) -> QObject * { return new QExportTypeDlg(parent); },
     {},
     {},
     {{"exec", execRun()}},
     {},
     QStringLiteral("btn_db"),
     {},
     {}},
    {"QMyColorDlg",
     [](QWidget *parent) -> QObject * { return new QMyColorDlg(Qt::red, parent); },
     {},
     {},
     {{"exec", execRun()}},
     {},
     QStringLiteral("OKCANCEL"),
     {},
     {}},
    {"QColorButton",
     [](QWidget *parent) -> QObject * {
         auto *button = new QColorButton(parent);
         button->setColor(Qt::red);
         return button;
     },
     {{"SigColorChanged(QColor)",
       [](QObject *o) {
           answerNextModal(true);
           QTest::mousePress(static_cast<QWidget *>(o), Qt::LeftButton);
       }},
      {"clicked(bool)",
       [](QObject *o) {
           answerNextModal(false);
           static_cast<QColorButton *>(o)->click();
       }}},
     {"clicked(bool)"},
     {{"color dialog", [](QObject *o) { QTest::mousePress(static_cast<QWidget *>(o), Qt::LeftButton); }}},
     {QStringLiteral("QColorButton")},
     {},
     {},
     {}},
};

} // namespace
