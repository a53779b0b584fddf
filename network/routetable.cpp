// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The Linux kernel's routing table, as /proc/net/route prints it.

#include "qnetworkplatform_p.h"

#include <QtEndian>

namespace WidgetDeckNet {

namespace {
constexpr uint RouteGatewayFlag = 0x0002; // RTF_GATEWAY
} // namespace

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
