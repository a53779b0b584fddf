// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The adapter panel destroyed while its worker runs a (fake, slow) command, and while the
// outcome's message box is open. The panel waits for the worker; nothing reaches it later.
#include "fakecommands.h"

#include "qmymessagebox.h"
#include "qokcancel.h"
#include "qwebsetclient.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace WidgetDeckNet;

class tst_WorkerLifetime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void destroyedWhileRunning_data();
    void destroyedWhileRunning();
    void destroyedWhileOutcomeShown();

private:
    QWebSetClient *makePanel(QWidget *parent);
    FakeCommands m_fake;
};

QWebSetClient *tst_WorkerLifetime::makePanel(QWidget *parent)
{
    m_fake.clear();
    m_fake.delayMs = 300;
    m_fake.reply = [](const CommandSpec &) { return FakeCommands::ok("\r\n"); };
    QNetworkAddressEntry first, second;
    first.setIp(QHostAddress(QStringLiteral("fe80::1")));
    second.setIp(QHostAddress(QStringLiteral("192.168.5.7")));
    second.setNetmask(QHostAddress(QStringLiteral("255.255.0.0")));
    return createWebSetClient(
        m_fake.backend([first, second] { return QList<Adapter>{{QStringLiteral("Ethernet"), {first, second}}}; },
                       [](const QString &) { return QStringLiteral("192.168.5.254"); }, applyWithNetsh),
        parent);
}

// What the OK button sends.
static void clickOk(QWebSetClient *panel) { emit panel->findChild<QOkCancel *>(QStringLiteral("widgetOkCancel"))->SigOk(); }

void tst_WorkerLifetime::destroyedWhileRunning_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("parent deleted") << 0;
    QTest::newRow("deleteLater") << 1;
    QTest::newRow("deleted directly") << 2;
}

void tst_WorkerLifetime::destroyedWhileRunning()
{
    QFETCH(int, how);
    QPointer<QWidget> host = new QWidget;
    QPointer<QWebSetClient> panel = makePanel(host);
    QObject survivor;
    QStringList outcomes;
    connect(panel, &QWebSetClient::SigConfigOver, &survivor, [&outcomes](const QString &text) { outcomes << text; });
    host->show();
    clickOk(panel);
    QTRY_COMPARE(m_fake.calls().size(), 1); // the command is under way on the worker

    if (how == 0)
        delete host.data();
    else if (how == 1)
        panel->deleteLater();
    else
        delete panel.data();
    QTRY_VERIFY(panel.isNull());
    delete host.data();

    // The outcome reached the survivor, but no box opened for a panel that is gone.
    QTRY_COMPARE(outcomes.size(), 1);
    QTest::qWait(100);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_fake.calls().size(), 1);
}

void tst_WorkerLifetime::destroyedWhileOutcomeShown()
{
    QPointer<QWidget> host = new QWidget;
    QPointer<QWebSetClient> panel = makePanel(host);
    m_fake.delayMs = 0;
    host->show();
    QPointer<QMyMessageBox> box;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (!box && (box = qobject_cast<QMyMessageBox *>(QApplication::activeModalWidget())))
            delete host.data(); // inside the box's modal loop, run from the panel's slot
    });
    poll.start(10);
    clickOk(panel);
    QTRY_VERIFY(panel.isNull());
    QTRY_VERIFY(box.isNull());
    QTest::qWait(50);
    QVERIFY(!QApplication::activeModalWidget());
}

WIDGETDECK_NETWORK_TEST_MAIN(tst_WorkerLifetime)
#include "tst_workerlifetime.moc"
