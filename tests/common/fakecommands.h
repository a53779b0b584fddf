// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef FAKECOMMANDS_H
#define FAKECOMMANDS_H

// Shared by the internal network tests: a recording command runner and a backend made only of
// fakes. Panels under test are built with createWebSetClient() over such a backend, so no real
// adapter is read and no real command can start; a command the fake does not know stops the run.

#include "qnetworkplatform_p.h"
#include "qwebsetclient_p.h"

#include <QApplication>
#include <QThread>
#include <QtTest>

#include <functional>
#include <mutex>

class FakeCommands
{
public:
    /// Answer given to every command; by default a successful run with no output.
    std::function<WidgetDeckNet::CommandResult(const WidgetDeckNet::CommandSpec &)> reply;
    /// How long each command "runs", on the calling thread.
    int delayMs = 0;

    WidgetDeckNet::CommandRunner runner()
    {
        return [this](const WidgetDeckNet::CommandSpec &command) {
            // Only the two tools the back ends use; anything else is a fault in the code under test.
            if (command.program != QLatin1String("netsh") && command.program != QLatin1String("nmcli"))
                qFatal("unexpected command \"%s\"", qPrintable(command.program));
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_calls.append(command);
            }
            if (delayMs > 0)
                QThread::msleep(ulong(delayMs));
            return reply ? reply(command) : ok(QByteArray());
        };
    }

    /// A backend with the fixture's adapters and gateways, this runner and @p apply.
    WidgetDeckNet::NetworkBackend backend(std::function<QList<WidgetDeckNet::Adapter>()> adapters,
                                          std::function<QString(const QString &)> gateways,
                                          std::function<WidgetDeckNet::ConfigOutcome(const WidgetDeckNet::AdapterConfig &,
                                                                                     const WidgetDeckNet::CommandRunner &)> apply)
    {
        return {std::move(adapters), std::move(gateways), runner(), std::move(apply)};
    }

    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.clear();
        reply = nullptr;
        delayMs = 0;
    }

    QList<WidgetDeckNet::CommandSpec> calls() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }

    static WidgetDeckNet::CommandResult ok(const QByteArray &output, int exitCode = 0, const QByteArray &error = {})
    {
        WidgetDeckNet::CommandResult result;
        result.started = result.finished = true;
        result.exitCode = exitCode;
        result.standardOutput = output;
        result.standardError = error;
        return result;
    }

    static WidgetDeckNet::CommandResult notStarted()
    {
        WidgetDeckNet::CommandResult result;
        result.errorString = QStringLiteral("No such file or directory");
        return result;
    }

private:
    // A standard mutex, not QMutex: the thread sanitizer sees through its pthread calls,
    // while QMutex's locking happens inside the uninstrumented Qt library.
    mutable std::mutex m_mutex;
    QList<WidgetDeckNet::CommandSpec> m_calls;
};

#define WIDGETDECK_NETWORK_TEST_MAIN(TestObject) QTEST_MAIN(TestObject)

#endif // FAKECOMMANDS_H
