#ifndef FAKECOMMANDS_H
#define FAKECOMMANDS_H

// Shared by the internal network tests: a recording command runner, and a main() that forbids
// real commands for the whole process before anything can start one.

#include "qnetworkplatform_p.h"

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
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_calls.append(command);
            }
            if (delayMs > 0)
                QThread::msleep(ulong(delayMs));
            return reply ? reply(command) : ok(QByteArray());
        };
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

/* Any real command would abort the run instead of touching this machine. */
#define WIDGETDECK_NETWORK_TEST_MAIN(TestObject)                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("WIDGETDECK_FORBID_COMMANDS", "1");                                                \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#endif // FAKECOMMANDS_H
