// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// What every back end shares: the real process runner and adapter list, and the checks a
// configuration passes before any tool sees it.

#include "qnetworkplatform_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkInterface>
#include <QProcess>
#include <QProcessEnvironment>

namespace WidgetDeckNet {

namespace {

// A control character (line breaks included) or a double quote would let a value escape its
// quotes on the netsh command line, so none may reach any command.
QString unsafeTextCause(const QString &what, const QString &value)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('"'))
            return QCoreApplication::translate("QWebSetClient", "STR_NET_CAUSE_QUOTE").arg(what);
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph || category == QChar::Other_Format)
            return QCoreApplication::translate("QWebSetClient", "STR_NET_CAUSE_CONTROL")
                .arg(what)
                .arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return QString();
}

} // namespace

NetworkBackend systemBackend()
{
    return {systemAdapters, platformGatewayFor, runProcess, platformApply};
}

CommandResult runProcess(const CommandSpec &command)
{
    CommandResult result;
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    if (!command.nativeArguments.isEmpty()) {
#ifdef Q_OS_WIN
        process.setNativeArguments(command.nativeArguments);
#else
        result.errorString = QStringLiteral("verbatim command lines are only supported on Windows");
        return result;
#endif
    }
    if (!command.environment.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &variable : command.environment)
            environment.insert(variable.first, variable.second);
        process.setProcessEnvironment(environment);
    }

    QDeadlineTimer deadline(command.timeoutMs);
    process.start(QIODevice::ReadWrite);
    if (!process.waitForStarted(int(qMax<qint64>(deadline.remainingTime(), 1)))) {
        result.errorString = process.errorString();
        return result;
    }
    result.started = true;
    process.closeWriteChannel();
    result.finished = process.waitForFinished(int(qMax<qint64>(deadline.remainingTime(), 1)));
    if (!result.finished) {
        process.kill();
        process.waitForFinished(1000);
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    } else {
        result.crashed = true;
        result.errorString = process.errorString();
    }
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}

QList<Adapter> systemAdapters()
{
    QList<Adapter> adapters;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &netInterface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = netInterface.flags();
        if (!netInterface.isValid() || flags.testFlag(QNetworkInterface::IsLoopBack)
            || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        adapters.append({netInterface.humanReadableName(), netInterface.addressEntries()});
    }
    return adapters;
}

QString unsafeFieldCause(const AdapterConfig &config)
{
    if (config.adapter.isEmpty())
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NO_ADAPTER");
    QString cause = unsafeTextCause(QCoreApplication::translate("QWebSetClient", "STR_NET_FIELD_ADAPTER"), config.adapter);
    if (!cause.isEmpty() || config.dhcp)
        return cause;
    const QList<QPair<QString, QString>> fields = {
        {QCoreApplication::translate("QWebSetClient", "STR_NET_FIELD_ADDRESS"), config.address},
        {QCoreApplication::translate("QWebSetClient", "STR_NET_FIELD_MASK"), config.mask},
        {QCoreApplication::translate("QWebSetClient", "STR_NET_FIELD_GATEWAY"), config.gateway},
    };
    for (const auto &field : fields) {
        cause = unsafeTextCause(field.first, field.second);
        if (!cause.isEmpty())
            return cause;
    }
    return QString();
}

int prefixLengthOfMask(const QString &mask)
{
    const QString canonical = canonicalIPv4(mask);
    if (canonical.isEmpty())
        return -1;
    quint32 bits = 0;
    for (const QString &part : canonical.split(QLatin1Char('.')))
        bits = (bits << 8) | part.toUInt();
    int length = 0;
    while (length < 32 && (bits & (0x80000000u >> length)))
        ++length;
    // The ones must be contiguous from the left.
    if (length < 32 && (bits << length) != 0)
        return -1;
    return length;
}

QString checkedConfig(const AdapterConfig &input, AdapterConfig *checked)
{
    const QString unsafe = unsafeFieldCause(input);
    if (!unsafe.isEmpty())
        return unsafe;
    *checked = input;
    if (input.dhcp)
        return QString();
    // A blank form names the first field still missing; no gateway is a valid choice. An
    // untouched editor reads "...": that is nothing entered, not an invalid address.
    const auto blank = [](const QString &text) { return text.count(QLatin1Char('.')) == text.size(); };
    if (blank(input.address))
        return QCoreApplication::translate("QWebSetClient", "STR_NET_ADDRESS_MISSING");
    if (blank(input.mask))
        return QCoreApplication::translate("QWebSetClient", "STR_NET_MASK_MISSING");
    if (prefixLengthOfMask(input.mask) < 0)
        return QCoreApplication::translate("QWebSetClient", "STR_NET_MASK_INVALID").arg(input.mask);
    // One plain address each ("1.2.3.4,5.6.7.8" is a list to nmcli), leading zeros dropped so
    // that no tool can read "010" as octal.
    checked->address = canonicalIPv4(input.address);
    if (checked->address.isEmpty())
        return QCoreApplication::translate("QWebSetClient", "STR_NET_ADDRESS_INVALID").arg(input.address);
    checked->mask = canonicalIPv4(input.mask);
    checked->gateway.clear();
    if (!blank(input.gateway)) {
        checked->gateway = canonicalIPv4(input.gateway);
        if (checked->gateway.isEmpty())
            return QCoreApplication::translate("QWebSetClient", "STR_NET_GATEWAY_INVALID").arg(input.gateway);
    }
    return QString();
}

} // namespace WidgetDeckNet
