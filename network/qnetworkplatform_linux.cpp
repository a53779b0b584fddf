// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnetworkplatform_p.h"

#include <QFile>
#include <QNetworkInterface>

namespace WidgetDeckNet {

QString platformGatewayFor(const QString &address)
{
    QString interfaceName;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &netInterface : interfaces) {
        const QList<QNetworkAddressEntry> entries = netInterface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && entry.ip().toString() == address) {
                interfaceName = netInterface.name();
                break;
            }
        }
        if (!interfaceName.isEmpty())
            break;
    }
    if (interfaceName.isEmpty())
        return QString();

    QFile table(QStringLiteral("/proc/net/route"));
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    return defaultGatewayOf(parseRouteTable(table.readAll()), interfaceName);
}

ConfigOutcome platformApply(const AdapterConfig &config, const CommandRunner &run)
{
    return applyWithNmcli(config, run);
}

} // namespace WidgetDeckNet
