// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "harness.h"

#include <qchoosewidget.h>
#include <qclickimglabel.h>
#include <qclickradiobutton.h>
#include <qcustombutton.h>
#include <qcustompushbutton.h>
#include <qedgewidget.h>
#include <qimgradiobutton.h>
#include <qindustryitem.h>
#include <qmenubutton.h>
#include <qrotatepushbutton.h>
#include <qtopsidewidget.h>
#include <qtopwizard.h>

#include <QApplication>
#include <QRadioButton>

namespace {
using namespace harness;

Fire doubleClickOn(const char *name)
{
    return [name](QObject *o) { doubleClick(named(name)(o)); };
}

const Rows registered{
    {"QChooseWidget", make<QChooseWidget>(),
     {{"SigOk()", [](QObject *o) { doubleClick(o->findChild<QRadioButton *>()); }}}, {}, {},
     {"radioButton", "radioButton", "radioButton"}},
    {"QClickImgLabel", makeWith<QClickImgLabel>([](QClickImgLabel *l) { l->setText("Servo"); }),
     {{"SigClicked()", pressOn()}, {"SigOk()", doubleClickOn(nullptr)}}},
    {"QClickRadioButton", makeWith<QClickRadioButton>([](QClickRadioButton *b) { b->setText("Choice"); }),
     {{"SigClicked()", pressOn()}, {"SigOk()", doubleClickOn(nullptr)}}, {}, {}, {"QClickRadioButton"}, {},
     {{"select", nullptr, {Qt::Key_Space}}}},
    // Capped as a host's tool strip caps it: the caption must be elided, not cut.
    {"QCustomButton", makeWith<QCustomButton>([](QCustomButton *b) {
         b->setText("A caption that is too long to fit the button");
         b->setMaximumWidth(140);
     }), {{"clicked(bool)", clickOn()}}, {"clicked(bool)"},
     {}, {"QCustomButton"}, {}, {{"press", nullptr, pressKeys()}}},
    {"QCustomPushButton", make<QCustomPushButton>(QStringLiteral("Write parameters")), {}, {}, {}, {"pushButton"}, {},
     {{"press", named("pushButton"), pressKeys()}}},
    {"QEdgeWidget", makeWith<QEdgeWidget>([](QEdgeWidget *w) { w->setTitle("Panel"); }),
     {{"SigShow()", clickOn("MENUBTN")},
      {"SigShowPreview()",
       [](QObject *o) {
           QEvent enter(QEvent::Enter);
           QApplication::sendEvent(o, &enter);
       }},
      // Only hosts raise these two.
      {"SigHide()", call(&QEdgeWidget::SigHide)}, {"SigHidePreview()", call(&QEdgeWidget::SigHidePreview)}},
     {}, {}, {"MENUBTN"}, {}, {{"show", named("MENUBTN"), pressKeys()}}},
    {"QImgRadioButton", make<QImgRadioButton>(QStringLiteral("Servo")),
     {{"SigImgClicked()", pressOn("radioButton")}, {"SigOk()", doubleClickOn("labelImg")}}, {}, {}, {"radioButton"},
     {}, {{"select", named("radioButton"), {Qt::Key_Space}}}},
    {"QIndustryItem", makeWith<QIndustryItem>([](QIndustryItem *w) { w->setIndustry("Textiles"); }),
     {{"showIndustry(QString)", clickOn()}, {"removeIndustry(QString)", clickOn("closeButton")}}, {}, {},
     {"QIndustryItem", "closeButton"}, {},
     {{"show", nullptr, pressKeys()}, {"remove", named("closeButton"), pressKeys()}}},
    {"QMenuButton", makeWith<QMenuButton>([](QMenuButton *b) { b->setText("Oscilloscope"); }),
     {{"clicked(bool)", clickOn()}}, {"clicked(bool)"}, {}, {"QMenuButton"}, {}, {{"select", nullptr, pressKeys()}}},
    {"QRotatePushButton", make<QRotatePushButton>(QStringLiteral("Panel")), {{"clicked(bool)", clickOn()}},
     {"clicked(bool)"}, {}, {"QRotatePushButton"}, {}, {{"press", nullptr, pressKeys()}}},
    {"QTopSideWidget", make<QTopSideWidget>(QStringLiteral("Axes")),
     {{"SigHide()", clickOn("VIEWBTN")}, {"SigClose()", clickOn("CLOSEBTN1")}}, {}, {}, {"VIEWBTN", "CLOSEBTN1"}, {},
     {{"hide", named("VIEWBTN"), pressKeys()}, {"close", named("CLOSEBTN1"), pressKeys()}}},
    {"QTopWizard", makeWith<QTopWizard>([](QTopWizard *w) { w->setTextList({"Connect", "Configure", "Run"}); })},
};

// Signals and slots hosts connect to by name.
const NamedMethods choose{"QChooseWidget", {}, {"onImgClicked()"}};
const NamedMethods industry{"QIndustryItem", {}, {"removeIndustry()"}};
} // namespace
