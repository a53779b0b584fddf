// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// nmcli, NetworkManager's tool: the device's own profile is modified, then brought up.

#include "qnetworkplatform_p.h"
#include "networklogging_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace WidgetDeckNet {

namespace {

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

ConfigOutcome applyWithNmcli(const AdapterConfig &input, const CommandRunner &run)
{
    AdapterConfig config;
    const QString refused = checkedConfig(input, &config);
    if (!refused.isEmpty())
        return failure(refused);
    const int prefixLength = config.dhcp ? 0 : prefixLengthOfMask(config.mask);

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

} // namespace WidgetDeckNet
