// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QNETWORKPLATFORM_P_H
#define QNETWORKPLATFORM_P_H

// Internal: the operating-system side of the adapter panel. Nothing here is exported.

#include "ipv4text_p.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QNetworkAddressEntry>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

namespace WidgetDeckNet {

/// The longest time the panel waits for the platform's tools, all steps together.
constexpr int CommandTimeLimitMs = 3000;

/// One external program to run: a plain program with an argument list, or (Windows) a
/// program with a verbatim argument string that must reach the program unchanged.
struct CommandSpec {
    QString program;
    QStringList arguments;
    QString nativeArguments;                        ///< passed with QProcess::setNativeArguments
    QList<QPair<QString, QString>> environment;     ///< added to the inherited environment
    int timeoutMs = CommandTimeLimitMs;
};

/// What came back from a command.
struct CommandResult {
    bool started = false;
    bool finished = false;   ///< false when it was still running at the timeout
    bool crashed = false;    ///< it ended by a signal (crash, kill); errorString says more
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
    QString errorString;     ///< why it did not start
};

/// Runs one command and blocks until it ends or times out.
using CommandRunner = std::function<CommandResult(const CommandSpec &)>;

/// An adapter as the panel lists it.
struct Adapter {
    QString name;                         ///< human-readable name, the panel's key
    QList<QNetworkAddressEntry> entries;
};

/// What the user asked for when OK was pressed.
struct AdapterConfig {
    QString adapter;
    bool dhcp = false;
    QString address;
    QString mask;
    QString gateway;
};

/// Result of applying an AdapterConfig.
struct ConfigOutcome {
    bool success = false;
    QString cause; ///< why it failed; on success an optional note for the user
};

/// The seam between the panel and the machine; tests hand createWebSetClient() their own.
struct NetworkBackend {
    std::function<QList<Adapter>()> listAdapters;
    std::function<QString(const QString &address)> gatewayFor;
    CommandRunner runCommand;
    /// Changes the adapter through runCommand; the platform's tool by default.
    std::function<ConfigOutcome(const AdapterConfig &, const CommandRunner &)> apply;
};

/// The real backend of this platform.
NetworkBackend systemBackend();

/// Starts the program with QProcess; only the real backend uses it.
CommandResult runProcess(const CommandSpec &command);

/// Running, non-loopback adapters in the order the system reports them.
QList<Adapter> systemAdapters();

/// Empty when every field is safe to hand to a command; otherwise why it is not.
QString unsafeFieldCause(const AdapterConfig &config);
/// The checks every back end makes before it runs anything: unsafe text, then (designated
/// mode) the first missing field, an invalid mask, address or gateway. Empty when @p input
/// passes; @p checked is then @p input with canonical addresses (an empty gateway stays empty:
/// no gateway).
QString checkedConfig(const AdapterConfig &input, AdapterConfig *checked);
/// Prefix length of a contiguous dotted IPv4 mask, or -1.
int prefixLengthOfMask(const QString &mask);

inline ConfigOutcome failure(const QString &cause)
{
    return {false, cause};
}

// netsh (Windows)
QString netshDhcpCommandLine(const QString &adapter);
QString netshStaticCommandLine(const QString &adapter, const QString &address, const QString &mask,
                               const QString &gateway);
/// The command split for QProcess: program "netsh" plus the rest as native arguments.
CommandSpec netshSpec(const QString &commandLine);
ConfigOutcome applyWithNetsh(const AdapterConfig &config, const CommandRunner &run);

// nmcli (Linux)
/// Asks NetworkManager for the profile of @p device itself (not a VPN stacked on it).
QStringList nmcliDeviceConnectionArguments(const QString &device);
/// The UUID in the answer to nmcliDeviceConnectionArguments(), or empty.
QString deviceConnectionUuid(const QByteArray &terseOutput);
QStringList nmcliModifyArguments(const QString &uuid, const AdapterConfig &config, int prefixLength);
QStringList nmcliUpArguments(const QString &uuid);
ConfigOutcome applyWithNmcli(const AdapterConfig &config, const CommandRunner &run);

// Routing table (Linux)
struct RouteEntry {
    QString interfaceName;
    QHostAddress destination;
    QHostAddress gateway;
    QHostAddress mask;
    uint flags = 0;
    int metric = 0;
};
/// Parses the text of /proc/net/route; malformed lines are skipped.
QList<RouteEntry> parseRouteTable(const QByteArray &text);
/// Gateway of the default route of @p interfaceName with the lowest metric, or empty.
QString defaultGatewayOf(const QList<RouteEntry> &routes, const QString &interfaceName);

// Implemented once per platform.
QString platformGatewayFor(const QString &address);
ConfigOutcome platformApply(const AdapterConfig &config, const CommandRunner &run);

} // namespace WidgetDeckNet

#endif // QNETWORKPLATFORM_P_H
