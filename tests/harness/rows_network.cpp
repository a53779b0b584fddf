// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "harness.h"

#include <qeditip.h>
#include <qiplineedit.h>
#include <qwebsetclient.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {
using namespace harness;

// Puts the keyboard focus on @p control inside an active window, as a user's click would; only
// the press of @p key is sent, since its slot may delete the editor.
Fire pressIn(const char *control, Qt::Key key)
{
    return [control, key](QObject *object) {
        QWidget *widget = child(object, control);
        widget->window()->activateWindow();
        QApplication::setActiveWindow(widget->window());
        (void)QTest::qWaitForWindowActive(widget->window());
        widget->setFocus(Qt::MouseFocusReason);
        QTest::keyPress(widget, key);
    };
}

QStringList numbered(const char *prefix)
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names << QLatin1String(prefix) + QString::number(i);
    return names;
}

// The panel's stops: adapter list, Refresh, the mode (one stop for the radio pair), the address,
// mask and gateway editors, and the OK of its bar.
QStringList panelChain()
{
    QStringList chain{QStringLiteral("comboBoxSelectNet"), QStringLiteral("OKCANCEL"),
                      QStringLiteral("radioButtonGetIpAuto")};
    for (int editor = 0; editor < 3; ++editor)
        chain += numbered("ipSegment");
    return chain << QStringLiteral("OKCANCEL");
}

// A mask whose full first segment Tab out of the address replaces: the proposal must not carry
// the focus on through the mask's segments.
void preparePanel(QObject *object)
{
    static_cast<QEditIP *>(child(object, "lineEditIpAddr"))->setText(QStringLiteral("10.0.0.5"));
    static_cast<QEditIP *>(child(object, "lineEditSubnet"))->setText(QStringLiteral("0.0.0.0"));
}

// The panel built through its public constructor reads this machine's adapters (read-only)
// and would change one on OK, so nothing here presses OK: SigConfigOver and the outcome box
// are covered by the network suites, where the panel runs over a fake command runner.
const Rows registered{
    {"QEditIP", make<QEditIP>(), {{"editingFinished()", pressIn("ipSegment3", Qt::Key_Tab)}}, {}, {},
     numbered("ipSegment")},
    {"QIPLineEdit", make<QIPLineEdit>(),
     {{"signalTextChanged(QLineEdit*)", pressIn("ipOctet0", Qt::Key_1)}}, {},
     {{"invalid address warning",
       [](QObject *o) { static_cast<QIPLineEdit *>(o)->setIP(QStringLiteral("1.2.3")); }}},
     numbered("ipOctet")},
    {"QWebSetClient", make<QWebSetClient>(),
     // The outcome as the worker reports it; the panel shows it in a box of its own.
     {{"SigConfigOver(QString)", call(&QWebSetClient::SigConfigOver, QStringLiteral("done"))}},
     {}, {}, panelChain(), QStringLiteral("OKCANCEL"), {}, preparePanel},
};

// Signals and slots hosts connect to by name.
const NamedMethods ipLine{"QIPLineEdit", {}, {"slotTextChanged(QLineEdit*)"}};
const NamedMethods editIp{"QEditIP", {}, {"slotEditTextChanged(QString)"}};
const NamedMethods panel{"QWebSetClient", {},
                         {"onNetCardChanged(QString)", "onAutoIPButtonclicked()", "onSpIpButtonclicked()",
                          "onApplyButtonclicked()", "onIpEditFinished()", "onConfigOver(QString)",
                          "getDefaultGateway()", "on_pushButtonRefresh_clicked()"}};
} // namespace
