// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The adapter panel destroyed while its worker runs a (fake, slow) command, and while the
// outcome's message box is open. The panel waits for the worker; nothing reaches it later.
#include "fakecommands.h"

#include "qmymessagebox.h"
#include "qokcancel.h"
#include "qwebsetclient.h"

#include <QPointer>

using namespace WidgetDeckNet;

class tst_WorkerLifetime : public QObject
{
    Q_OBJECT
    FakeCommands m_fake;

private Q_SLOTS:
    void destroyed_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"parent deleted", "deleteLater", "parent deleted from the outcome box"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void destroyed()
    {
        QFETCH(QString, how);
        const bool fromBox = how.endsWith(QLatin1String("box"));
        m_fake.clear();
        m_fake.delayMs = fromBox ? 0 : 300;
        m_fake.reply = [](const CommandSpec &) { return FakeCommands::ok("\r\n"); };
        QNetworkAddressEntry entry;
        entry.setIp(QHostAddress(QStringLiteral("192.168.5.7")));
        entry.setNetmask(QHostAddress(QStringLiteral("255.255.0.0")));
        QPointer<QWidget> host = new QWidget;
        QPointer<QWebSetClient> panel = createWebSetClient(
            m_fake.backend([entry] { return QList<Adapter>{{QStringLiteral("Ethernet"), {entry}}}; },
                           [](const QString &) { return QStringLiteral("192.168.5.254"); }, applyWithNetsh),
            host);
        QSignalSpy outcomes(panel.data(), &QWebSetClient::SigConfigOver);
        QPointer<QMyMessageBox> box;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (fromBox && !box && (box = qobject_cast<QMyMessageBox *>(QApplication::activeModalWidget())))
                delete host.data(); // inside the box's modal loop, run from the panel's slot
        });
        poll.start(10);
        host->show();
        emit panel->findChild<QOkCancel *>(QStringLiteral("widgetOkCancel"))->SigOk(); // what OK sends
        QTRY_COMPARE(m_fake.calls().size(), 1); // the command is under way on the worker
        if (how == QLatin1String("parent deleted"))
            delete host.data();
        else if (how == QLatin1String("deleteLater"))
            panel->deleteLater();
        QTRY_VERIFY(panel.isNull());
        delete host.data();

        // The outcome was reported, but no box stays open for a panel that is gone.
        QTRY_COMPARE(outcomes.size(), 1);
        QTRY_VERIFY(box.isNull());
        QTest::qWait(100);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(m_fake.calls().size(), 1);
    }
};

QTEST_MAIN(tst_WorkerLifetime)
#include "tst_workerlifetime.moc"
