// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// netsh, the Windows tool: one verbatim command line per change, judged by its output.

#include "qnetworkplatform_p.h"
#include "networklogging_p.h"

#include <QCoreApplication>

namespace WidgetDeckNet {

QString netshDhcpCommandLine(const QString &adapter)
{
    return QStringLiteral("netsh interface ip set address name=\"%1\" source=dhcp").arg(adapter);
}

QString netshStaticCommandLine(const QString &adapter, const QString &address, const QString &mask,
                               const QString &gateway)
{
    // The multi-argument arg() substitutes in one pass, so a "%2" inside a value stays as it is.
    // No gateway is netsh's keyword none, not an empty (invalid) address.
    const QString gatewayValue = gateway.isEmpty() ? QStringLiteral("none") : QLatin1Char('"') + gateway + QLatin1Char('"');
    return QStringLiteral("netsh interface ipv4 set address name = \"%1\" source = static "
                          "address = \"%2\" mask = \"%3\" gateway = %4")
        .arg(adapter, address, mask, gatewayValue);
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

ConfigOutcome applyWithNetsh(const AdapterConfig &input, const CommandRunner &run)
{
    const QString unsafe = unsafeFieldCause(input);
    if (!unsafe.isEmpty())
        return failure(unsafe);
    // netsh's runtime reads backslashes before a quote as an escape, so a value ending in one
    // would swallow its closing quote and run into the next argument.
    if (input.adapter.endsWith(QLatin1Char('\\')))
        return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_NAME_BACKSLASH"));
    if (!input.dhcp) {
        for (const QString &value : {input.address, input.mask, input.gateway})
            if (value.endsWith(QLatin1Char('\\')))
                return failure(QCoreApplication::translate("QWebSetClient", "STR_NET_VALUE_BACKSLASH").arg(value));
    }
    AdapterConfig config;
    const QString refused = checkedConfig(input, &config);
    if (!refused.isEmpty())
        return failure(refused);

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

} // namespace WidgetDeckNet
