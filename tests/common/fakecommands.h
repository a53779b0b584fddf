// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef FAKECOMMANDS_H
#define FAKECOMMANDS_H

// A recording command runner: panels built over it read no real adapter and start no command.

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
    /// Answer given to every command; unset: a successful run with no output.
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

private:
    // Not QMutex: the thread sanitizer sees through std::mutex's pthread calls, not into Qt.
    mutable std::mutex m_mutex;
    QList<WidgetDeckNet::CommandSpec> m_calls;
};

#endif // FAKECOMMANDS_H
