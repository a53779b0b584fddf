// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

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
#include <QTest>
#include <QTimer>

namespace {
using namespace harness;

Fire clickBar(ConfirmBtnType_E type, const char *text)
{
    return [type, text](QObject *o) {
        static_cast<QOkCancel *>(o)->setConfirmBtnType(type);
        // The bar's buttons all share the object name "OKCANCEL".
        click(buttonWithText(text)(o));
    };
}

// Ends whatever modal dialog is open next, accepting or rejecting it.
Fire answerNextModal(bool accept)
{
    return [accept](QObject *) {
        QTimer::singleShot(50, qApp, [accept] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                accept ? dialog->accept() : dialog->reject();
        });
    };
}

const QList<ModalRun> execRun{{"exec", [](QObject *o) { static_cast<QDialog *>(o)->exec(); }}};

// A press opens the colour dialog; a click would send its release to a deleted button.
const Rows registered{
    {"QOkCancel", make<QOkCancel>(),
     {{"SigOpen()", clickBar(CONFIRM_BTN_OPEN_QUIT, "STR_OPEN")},
      {"SigOk()", clickBar(CONFIRM_BTN_OK_CANCEL, "STR_OK")},
      {"SigCancel()", clickBar(CONFIRM_BTN_OPEN_QUIT, "STR_QUIT")},
      {"SigDefault()", clickBar(CONFIRM_BTN_OK_CANCEL_DEFAULT, "STR_RECOVER_DEFAULT")}},
     {}, {}, {"OKCANCEL", "OKCANCEL"}, "OKCANCEL",
     {{"ok", buttonWithText("STR_OK"), pressKeys()}, {"cancel", buttonWithText("STR_CANCEL"), pressKeys()}}},
    {"QMyMessageBox", make<QMyMessageBox>(), {}, {},
     {{"question", [](QObject *o) { QMyMessageBox::question(static_cast<QWidget *>(o), "T", "C"); }},
      {"success", [](QObject *o) { QMyMessageBox::success(static_cast<QWidget *>(o), "T", "C", "x.csv"); }},
      execRun.first()},
     {"OKCANCEL", "OKCANCEL"}, "OKCANCEL"},
    {"QExtendProgressDialog", make<QExtendProgressDialog>(),
     {{"sigProgressTimeOut()", call(&QExtendProgressDialog::startTimer, 10, TIMEOUT_FIRST_PROGRESS)},
      {"sigProgressFinished()", steps(call(&QExtendProgressDialog::slotSetRange, 0, 10),
                                      call(&QExtendProgressDialog::slotUpdateProgress, 10))}},
     {}, execRun, {"closeBtn", "cancelBtn"}, "cancelBtn"},
    {"QExtendSliderDialog", make<QExtendSliderDialog>(),
     {{"sigSliderMoved(int)", call(&QExtendSliderDialog::setValue, 7)}}, {}, execRun,
     {"slider", "closeBtn"}, "closeBtn"},
    {"QSearchProgress", [](QWidget *parent) -> QObject * { return new QSearchProgress("T", parent); },
     {{"SigClose()", steps(call(&QSearchProgress::setMax, 3), call(&QSearchProgress::OnSetValue, 3))},
      {"SigCloseProgress()", steps(call(&QWidget::show), call(&QWidget::close))}},
     {}, execRun},
    {"QStyleInputDialog", make<QStyleInputDialog>(), {}, {}, execRun, {"lineEdit", "okPBtn", "cancelPBtn"}, "okPBtn"},
    {"QExportTypeDlg", make<QExportTypeDlg>(), {}, {}, execRun, {"btn_db", "btn_csv"}, "btn_db"},
    // No chain: most stops are inside Qt's own colour picker, whose order differs between Qt versions.
    {"QMyColorDlg", [](QWidget *parent) -> QObject * { return new QMyColorDlg(Qt::red, parent); }, {}, {}, execRun,
     {}, "OKCANCEL"},
    {"QColorButton", makeWith<QColorButton>([](QColorButton *button) { button->setColor(Qt::red); }),
     {{"SigColorChanged(QColor)", steps(answerNextModal(true), pressOn())},
      {"clicked(bool)", steps(answerNextModal(false), call(&QAbstractButton::click))}},
     {"clicked(bool)"}, {{"color dialog", pressOn()}}, {"QColorButton"}},
};

// Signals and slots hosts connect to by name.
const NamedMethods messageBox{"QMyMessageBox", {}, {"onOpenFile()"}};
const NamedMethods progress{"QExtendProgressDialog", {},
                            {"slotSetRange(int, int)", "slotUpdateProgress(int)", "slotBtnClicked()", "slotTimeout()"}};
const NamedMethods slider{"QExtendSliderDialog", {}, {"on_slider_valueChanged(int)"}};
const NamedMethods search{"QSearchProgress", {},
                          {"OnSetValue(int)", "OnSetTotal(int)", "onCheckClose()"}};
const NamedMethods exportType{"QExportTypeDlg", {}, {"on_btn_db_clicked()", "on_btn_csv_clicked()"}};
} // namespace
