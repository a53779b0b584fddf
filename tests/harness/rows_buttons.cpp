// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the button family for the every-class harness.

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
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using harness::ClassRow;
using harness::KeyPath;
using harness::Trigger;

const QList<int> kPressKeys{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};

// A press only: the signal goes out on it, and a release would reach a deleted widget.
void pressOn(QWidget *widget)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void press(QObject *object)
{
    pressOn(static_cast<QWidget *>(object));
}

// The double-click event alone, as the last thing sent to the widget.
void doubleClickOn(QWidget *widget)
{
    const QPoint pos = widget->rect().center();
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void doubleClick(QObject *object)
{
    doubleClickOn(static_cast<QWidget *>(object));
}

void clickSelf(QObject *object)
{
    harness::click(static_cast<QWidget *>(object));
}

QWidget *firstRadio(QObject *object)
{
    return object->findChild<QRadioButton *>();
}

QWidget *named(QObject *object, const char *name)
{
    return harness::child(object, name);
}

const harness::Rows registered{
    {"QChooseWidget",
     [](QWidget *parent) -> QObject * { return new QChooseWidget(parent); },
     {Trigger{"SigOk()", [](QObject *o) { doubleClickOn(firstRadio(o)); }}},
     {},
     {},
     {QStringLiteral("radioButton"), QStringLiteral("radioButton"), QStringLiteral("radioButton")},
     {},
     {},
     {}},
    {"QClickImgLabel",
     [](QWidget *parent) -> QObject * { return new QClickImgLabel(parent); },
     {Trigger{"SigClicked()", press}, Trigger{"SigOk()", doubleClick}},
     {},
     {},
     {},
     {},
     {},
     {}},
    {"QClickRadioButton",
     [](QWidget *parent) -> QObject * {
         auto *b = new QClickRadioButton(parent);
         b->setText(QStringLiteral("Choice"));
         return b;
     },
     {Trigger{"SigClicked()", press}, Trigger{"SigOk()", doubleClick}},
     {},
     {},
     {QStringLiteral("QClickRadioButton")},
     {},
     {KeyPath{"select", nullptr, {Qt::Key_Space}}},
     {}},
    {"QCustomButton",
     [](QWidget *parent) -> QObject * { return new QCustomButton(parent, QStringLiteral("Apply")); },
     {Trigger{"clicked(bool)", clickSelf}},
     {"clicked(bool)"},
     {},
     {QStringLiteral("QCustomButton")},
     {},
     {KeyPath{"press", nullptr, kPressKeys}},
     {}},
    {"QCustomPushButton",
     [](QWidget *parent) -> QObject * { return new QCustomPushButton(parent, QStringLiteral("Set")); },
     {},
     {},
     {},
     {QStringLiteral("pushButton")},
     {},
     {},
     {}},
    {"QEdgeWidget",
     [](QWidget *parent) -> QObject * {
         auto *w = new QEdgeWidget(parent);
         w->setTitle(QStringLiteral("Panel"));
         return w;
     },
     {Trigger{"SigShow()", [](QObject *o) { harness::click(named(o, "MENUBTN")); }},
      Trigger{"SigShowPreview()",
              [](QObject *o) {
                  QEvent enter(QEvent::Enter);
                  QApplication::sendEvent(static_cast<QWidget *>(o), &enter);
              }},
      // Only hosts raise these two.
      Trigger{"SigHide()", [](QObject *o) { Q_EMIT static_cast<QEdgeWidget *>(o)->SigHide(); }},
      Trigger{"SigHidePreview()", [](QObject *o) { Q_EMIT static_cast<QEdgeWidget *>(o)->SigHidePreview(); }}},
     {},
     {},
     {QStringLiteral("MENUBTN")},
     {},
     {KeyPath{"show", [](QObject *o) { return named(o, "MENUBTN"); }, kPressKeys}},
     {}},
    {"QImgRadioButton",
     [](QWidget *parent) -> QObject * { return new QImgRadioButton(parent, QStringLiteral("Servo")); },
     {Trigger{"SigImgClicked()", [](QObject *o) { pressOn(named(o, "radioButton")); }},
      Trigger{"SigOk()", [](QObject *o) { doubleClickOn(named(o, "labelImg")); }}},
     {},
     {},
     {QStringLiteral("radioButton")},
     {},
     {KeyPath{"select", [](QObject *o) { return named(o, "radioButton"); }, {Qt::Key_Space}}},
     {}},
    {"QIndustryItem",
     [](QWidget *parent) -> QObject * {
         auto *w = new QIndustryItem(parent);
         w->setIndustry(QStringLiteral("Textiles"));
         return w;
     },
     {Trigger{"showIndustry(QString)", clickSelf},
      Trigger{"removeIndustry(QString)", [](QObject *o) { harness::click(named(o, "closeButton")); }}},
     {},
     {},
     {QStringLiteral("QIndustryItem"), QStringLiteral("closeButton")},
     {},
     {KeyPath{"show", nullptr, kPressKeys},
      KeyPath{"remove", [](QObject *o) { return named(o, "closeButton"); }, kPressKeys}},
     {}},
    {"QMenuButton",
     [](QWidget *parent) -> QObject * {
         auto *b = new QMenuButton(parent);
         b->setText(QStringLiteral("Drives"));
         return b;
     },
     {Trigger{"clicked(bool)", clickSelf}},
     {"clicked(bool)"},
     {},
     {QStringLiteral("QMenuButton")},
     {},
     {KeyPath{"select", nullptr, kPressKeys}},
     {}},
    {"QRotatePushButton",
     [](QWidget *parent) -> QObject * { return new QRotatePushButton(parent, QStringLiteral("Panel")); },
     {Trigger{"clicked(bool)", clickSelf}},
     {"clicked(bool)"},
     {},
     {QStringLiteral("QRotatePushButton")},
     {},
     {KeyPath{"press", nullptr, kPressKeys}},
     {}},
    {"QTopSideWidget",
     [](QWidget *parent) -> QObject * { return new QTopSideWidget(parent, QStringLiteral("Axes")); },
     {Trigger{"SigHide()", [](QObject *o) { harness::click(named(o, "VIEWBTN")); }},
      Trigger{"SigClose()", [](QObject *o) { harness::click(named(o, "CLOSEBTN1")); }}},
     {},
     {},
     {QStringLiteral("VIEWBTN"), QStringLiteral("CLOSEBTN1")},
     {},
     {KeyPath{"hide", [](QObject *o) { return named(o, "VIEWBTN"); }, {Qt::Key_Space}},
      KeyPath{"close", [](QObject *o) { return named(o, "CLOSEBTN1"); }, {Qt::Key_Space}}},
     {}},
    {"QTopWizard",
     [](QWidget *parent) -> QObject * {
         auto *w = new QTopWizard(parent);
         w->setTextList({QStringLiteral("Connect"), QStringLiteral("Configure"), QStringLiteral("Run")});
         return w;
     },
     {},
     {},
     {},
     {},
     {},
     {},
     {}},
};

} // namespace
