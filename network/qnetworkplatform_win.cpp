// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnetworkplatform_p.h"

#include <QByteArray>
#include <QLibrary>

#include <winsock2.h>
#include <iphlpapi.h>

namespace WidgetDeckNet {

namespace {
using GetAdaptersInfoFn = ULONG(WINAPI *)(PIP_ADAPTER_INFO, PULONG);
} // namespace

QString platformGatewayFor(const QString &address)
{
    // Resolved at run time so the library needs no import library for IP Helper.
    const auto getAdaptersInfo = reinterpret_cast<GetAdaptersInfoFn>(
        QLibrary::resolve(QStringLiteral("iphlpapi"), "GetAdaptersInfo"));
    if (!getAdaptersInfo)
        return QString();

    ULONG size = sizeof(IP_ADAPTER_INFO);
    QByteArray buffer(int(size), '\0');
    ULONG status = getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
    if (status == ERROR_BUFFER_OVERFLOW) {
        buffer = QByteArray(int(size), '\0');
        status = getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
    }
    if (status != ERROR_SUCCESS)
        return QString();

    for (auto adapter = reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()); adapter; adapter = adapter->Next) {
        for (PIP_ADDR_STRING ip = &adapter->IpAddressList; ip; ip = ip->Next) {
            if (QString::fromLatin1(ip->IpAddress.String) == address)
                return QString::fromLatin1(adapter->GatewayList.IpAddress.String);
        }
    }
    return QString();
}

ConfigOutcome platformApply(const AdapterConfig &config, const CommandRunner &run)
{
    return applyWithNetsh(config, run);
}

} // namespace WidgetDeckNet
