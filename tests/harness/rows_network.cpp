// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the network family for the every-class harness.

#include "harness.h"

#include <qeditip.h>
#include <qiplineedit.h>
#include <qwebsetclient.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

using harness::ClassRow;
using harness::ModalRun;
using harness::Trigger;

// Puts the keyboard focus on @p control inside an active window, as a user's click would.
void focusIn(QWidget *control)
{
    QWidget *window = control->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window);
    control->setFocus(Qt::MouseFocusReason);
}

// Tab out of the last segment: only the press is sent, since its slot may delete the editor.
void leaveLastSegment(QObject *object)
{
    QWidget *last = harness::child(object, "ipSegment3");
    focusIn(last);
    QTest::keyPress(last, Qt::Key_Tab);
}

// A digit typed into the first octet; again no release after the press that emits.
void typeOctetDigit(QObject *object)
{
    QWidget *first = harness::child(object, "ipOctet0");
    focusIn(first);
    QTest::keyPress(first, Qt::Key_1);
}

const QStringList kSegments{QStringLiteral("ipSegment0"), QStringLiteral("ipSegment1"),
                            QStringLiteral("ipSegment2"), QStringLiteral("ipSegment3")};
// The panel's stops: adapter list, Refresh, the mode (one stop for the radio pair), the address,
// mask and gateway editors, and the OK of its bar.
QStringList panelChain()
{
    QStringList chain{QStringLiteral("comboBoxSelectNet"), QStringLiteral("OKCANCEL"),
                      QStringLiteral("radioButtonGetIpAuto")};
    for (int editor = 0; editor < 3; ++editor)
        chain += kSegments;
    return chain << QStringLiteral("OKCANCEL");
}

// A mask whose full first segment Tab out of the address replaces: the proposal must not carry
// the focus on through the mask's segments.
void preparePanel(QObject *object)
{
    static_cast<QEditIP *>(harness::child(object, "lineEditIpAddr"))->setText(QStringLiteral("10.0.0.5"));
    static_cast<QEditIP *>(harness::child(object, "lineEditSubnet"))->setText(QStringLiteral("0.0.0.0"));
}

const QStringList kOctets{QStringLiteral("ipOctet0"), QStringLiteral("ipOctet1"),
                          QStringLiteral("ipOctet2"), QStringLiteral("ipOctet3")};

// The panel built through its public constructor reads this machine's adapters (read-only)
// and would change one on OK, so nothing here presses OK: SigConfigOver and the outcome box
// are covered by the network suites, where the panel runs over a fake command runner.
const harness::Rows registered{
    {"QEditIP",
     [](QWidget *parent) -> QObject * { return new QEditIP(parent); },
     {Trigger{"editingFinished()", leaveLastSegment}},
     {},
     {},
     kSegments,
     QString(),
     {},
     {}},
    {"QIPLineEdit",
     [](QWidget *parent) -> QObject * { return new QIPLineEdit(parent); },
     {Trigger{"signalTextChanged(QLineEdit*)", typeOctetDigit}},
     {},
     {ModalRun{"invalid address warning",
               [](QObject *object) { static_cast<QIPLineEdit *>(object)->setIP(QStringLiteral("1.2.3")); }}},
     kOctets,
     QString(),
     {},
     {}},
    {"QWebSetClient",
     [](QWidget *parent) -> QObject * { return new QWebSetClient(parent); },
     // The outcome as the worker reports it; the panel shows it in a box of its own.
     {Trigger{"SigConfigOver(QString)",
              [](QObject *object) { emit static_cast<QWebSetClient *>(object)->SigConfigOver(QStringLiteral("done")); }}},
     {},
     {},
     panelChain(),
     QStringLiteral("OKCANCEL"),
     {},
     preparePanel},
};

} // namespace
