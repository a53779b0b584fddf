// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnetworkplatform_p.h"
#include "networklogging_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkInterface>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtEndian>

namespace WidgetDeckNet {

namespace {

constexpr uint RouteGatewayFlag = 0x0002; // RTF_GATEWAY

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

ConfigOutcome failure(const QString &cause)
{
    return {false, cause};
}

QString nmcliFailure(const CommandResult &result)
{
    if (!result.started)
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NMCLI_NOT_STARTED")
            .arg(result.errorString);
    if (!result.finished)
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NMCLI_TOO_SLOW");
    if (result.crashed)
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NMCLI_CRASHED").arg(result.errorString);
    if (result.exitCode == 0)
        return QString();
    QString text = QString::fromLocal8Bit(result.standardError).trimmed();
    if (text.isEmpty())
        text = QString::fromLocal8Bit(result.standardOutput).trimmed();
    if (!text.isEmpty())
        return text;
    switch (result.exitCode) {
    case 8:
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NM_NOT_RUNNING");
    case 3:
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NMCLI_TIMED_OUT");
    default:
        return QCoreApplication::translate("QWebSetClient", "STR_NET_NMCLI_EXIT_CODE").arg(result.exitCode);
    }
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

QString netshDhcpCommandLine(const QString &adapter)
{
    return QStringLiteral("netsh interface ip set address name=\"%1\" source=dhcp").arg(adapter);
}

QString netshStaticCommandLine(const QString &adapter, const QString &address, const QString &mask,
                               const QString &gateway)
{
    // The multi-argument arg() substitutes in one pass, so a "%2" inside a value stays as it is.
    return QStringLiteral("netsh interface ipv4 set address name = \"%1\" source = static "
                          "address = \"%2\" mask = \"%3\" gateway = \"%4\"")
        .arg(adapter, address, mask, gateway);
}

CommandSpec netshSpec(const QString &commandLine)
{
    // netsh parses its own command line, so the rest must reach it verbatim, not re-quoted.
    CommandSpec command;
    const int space = commandLine.indexOf(QLatin1Char(' '));
    command.program = commandLine.left(space);
    command.nativeArguments = commandLine.mid(space + 1);
    return command;
}

ConfigOutcome applyWithNetsh(const AdapterConfig &config, const CommandRunner &run)
{
    const QString unsafe = unsafeFieldCause(config);
    if (!unsafe.isEmpty())
        return failure(unsafe);
    // netsh's runtime reads backslashes before a quote as an escape, so a value ending in one
    // would swallow its closing quote and run into the next argument.
    if (config.adapter.endsWith(QLatin1Char('\\')))
        return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_NAME_BACKSLASH"));
    if (!config.dhcp) {
        for (const QString &value : {config.address, config.mask, config.gateway})
            if (value.endsWith(QLatin1Char('\\')))
                return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_VALUE_BACKSLASH").arg(value));
    }

    const QString commandLine = config.dhcp
        ? netshDhcpCommandLine(config.adapter)
        : netshStaticCommandLine(config.adapter, config.address, config.mask, config.gateway);
    qCDebug(lcNetwork) << commandLine;
    const CommandResult result = run(netshSpec(commandLine));
    const QString output = QString::fromLocal8Bit(result.standardOutput);
    qCDebug(lcNetwork) << output;
    if (!result.started)
        return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_NETSH_NOT_STARTED").arg(result.errorString));
    if (config.dhcp)
        return {true, QString()};
    // netsh answers a successful change with an empty line and nothing else.
    if (output == QLatin1String("\r\n"))
        return {true, QString()};
    return failure(output);
}

QStringList nmcliDeviceConnectionArguments(const QString &device)
{
    return {QStringLiteral("-g"), QStringLiteral("GENERAL.CON-UUID"), QStringLiteral("device"),
            QStringLiteral("show"), device};
}

QString deviceConnectionUuid(const QByteArray &terseOutput)
{
    const QStringList lines = QString::fromLocal8Bit(terseOutput).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString uuid = line.trimmed();
        // A UUID has no blanks, colons or commas; anything else is not an answer we understand.
        if (!uuid.isEmpty() && !uuid.contains(QLatin1Char(' ')) && !uuid.contains(QLatin1Char(':'))
            && !uuid.contains(QLatin1Char(',')))
            return uuid;
    }
    return QString();
}

QString canonicalIPv4(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return QString();
    QStringList canonical;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return QString();
        for (const QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QString();
        const int value = part.toInt();
        if (value > 255)
            return QString();
        canonical << QString::number(value);
    }
    return canonical.join(QLatin1Char('.'));
}

QStringList nmcliModifyArguments(const QString &uuid, const AdapterConfig &config, int prefixLength)
{
    QStringList arguments = {QStringLiteral("connection"), QStringLiteral("modify"), uuid};
    if (config.dhcp) {
        arguments << QStringLiteral("ipv4.method") << QStringLiteral("auto")
                  << QStringLiteral("ipv4.addresses") << QString()
                  << QStringLiteral("ipv4.gateway") << QString();
    } else {
        arguments << QStringLiteral("ipv4.method") << QStringLiteral("manual")
                  << QStringLiteral("ipv4.addresses")
                  << QStringLiteral("%1/%2").arg(config.address).arg(prefixLength)
                  << QStringLiteral("ipv4.gateway") << config.gateway;
    }
    return arguments;
}

QStringList nmcliUpArguments(const QString &uuid)
{
    return {QStringLiteral("connection"), QStringLiteral("up"), uuid};
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

ConfigOutcome applyWithNmcli(const AdapterConfig &input, const CommandRunner &run)
{
    const QString unsafe = unsafeFieldCause(input);
    if (!unsafe.isEmpty())
        return failure(unsafe);
    AdapterConfig config = input;
    int prefixLength = 0;
    if (!config.dhcp) {
        // A blank form names the first field still missing; no gateway is a valid choice.
        if (config.address.isEmpty())
            return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_ADDRESS_MISSING"));
        if (config.mask.isEmpty())
            return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_MASK_MISSING"));
        prefixLength = prefixLengthOfMask(config.mask);
        if (prefixLength < 0)
            return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_MASK_INVALID").arg(config.mask));
        // nmcli reads both as lists: "1.2.3.4,5.6.7.8" would quietly add a second address.
        // Leading zeros are dropped here, so no tool can read "010" as octal.
        const QString address = canonicalIPv4(config.address);
        if (address.isEmpty())
            return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_ADDRESS_INVALID").arg(config.address));
        config.address = address;
        if (!config.gateway.isEmpty()) {
            const QString gateway = canonicalIPv4(config.gateway);
            if (gateway.isEmpty())
                return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_GATEWAY_INVALID").arg(config.gateway));
            config.gateway = gateway;
        }
    }

    // All steps share one time budget, so the caller never waits much longer than the limit.
    const QDeadlineTimer deadline(CommandTimeLimitMs);
    const auto nmcli = [&run, &deadline](const QStringList &arguments) {
        CommandSpec command;
        command.program = QStringLiteral("nmcli");
        command.arguments = arguments;
        command.environment = {{QStringLiteral("LC_ALL"), QStringLiteral("C")}};
        command.timeoutMs = int(qMax<qint64>(deadline.remainingTime(), 1));
        qCDebug(lcNetwork) << command.program << command.arguments;
        const CommandResult result = run(command);
        qCDebug(lcNetwork) << QString::fromLocal8Bit(result.standardOutput)
                           << QString::fromLocal8Bit(result.standardError);
        return result;
    };

    CommandResult result = nmcli(nmcliDeviceConnectionArguments(config.adapter));
    QString cause = nmcliFailure(result);
    if (!cause.isEmpty())
        return failure(cause);
    const QString uuid = deviceConnectionUuid(result.standardOutput);
    if (uuid.isEmpty())
        return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_NO_PROFILE").arg(config.adapter));

    result = nmcli(nmcliModifyArguments(uuid, config, prefixLength));
    cause = nmcliFailure(result);
    if (!cause.isEmpty())
        return failure(cause);

    result = nmcli(nmcliUpArguments(uuid));
    // The profile is changed by now; a slow activation (DHCP, link negotiation) is not a failure.
    if (result.started && !result.finished)
        return {true, QCoreApplication::translate("QWebSetClient", "STR_NET_STILL_ACTIVATING")};
    cause = nmcliFailure(result);
    if (!cause.isEmpty())
        return failure(cause);
    return {true, QString()};
}

QList<RouteEntry> parseRouteTable(const QByteArray &text)
{
    QList<RouteEntry> routes;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &line : lines) {
        // The kernel never writes a NUL; decoding would cut the name short at one.
        if (line.contains('\0'))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 8)
            continue;
        bool okDestination = false, okGateway = false, okFlags = false, okMetric = false, okMask = false;
        // The addresses are printed as the raw 32-bit words, so they are in network byte order.
        const quint32 destination = fields.at(1).toUInt(&okDestination, 16);
        const quint32 gateway = fields.at(2).toUInt(&okGateway, 16);
        const uint flags = fields.at(3).toUInt(&okFlags, 16);
        const int metric = fields.at(6).toInt(&okMetric, 10);
        const quint32 mask = fields.at(7).toUInt(&okMask, 16);
        if (!(okDestination && okGateway && okFlags && okMetric && okMask))
            continue; // the header line, or garbage
        RouteEntry route;
        route.interfaceName = QString::fromLocal8Bit(fields.at(0));
        route.destination = QHostAddress(qFromBigEndian(destination));
        route.gateway = QHostAddress(qFromBigEndian(gateway));
        route.mask = QHostAddress(qFromBigEndian(mask));
        route.flags = flags;
        route.metric = metric;
        routes.append(route);
    }
    return routes;
}

QString defaultGatewayOf(const QList<RouteEntry> &routes, const QString &interfaceName)
{
    const RouteEntry *best = nullptr;
    for (const RouteEntry &route : routes) {
        if (route.interfaceName != interfaceName || !(route.flags & RouteGatewayFlag)
            || route.destination.toIPv4Address() != 0 || route.mask.toIPv4Address() != 0)
            continue;
        if (!best || route.metric < best->metric)
            best = &route;
    }
    return best ? best->gateway.toString() : QString();
}

} // namespace WidgetDeckNet
