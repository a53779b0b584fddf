// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// /proc/net/route parser and the default-gateway choice.
#include "fuzzsupport.h"

#include "qnetworkplatform_p.h"

using namespace WidgetDeckNet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    const QList<RouteEntry> routes = parseRouteTable(text);
    FUZZ_CHECK(routes.size() <= text.count('\n') + 1);

    for (const RouteEntry &route : routes) {
        // The answer is the gateway of one of that interface's default routes with the lowest metric.
        const RouteEntry *best = nullptr;
        QStringList bestGateways;
        for (const RouteEntry &other : routes) {
            if (other.interfaceName != route.interfaceName || !(other.flags & 0x2)
                || other.destination.toIPv4Address() != 0 || other.mask.toIPv4Address() != 0)
                continue;
            if (best && other.metric == best->metric)
                bestGateways << other.gateway.toString();
            if (!best || other.metric < best->metric) {
                best = &other;
                bestGateways = QStringList{other.gateway.toString()};
            }
        }
        const QString gateway = defaultGatewayOf(routes, route.interfaceName);
        FUZZ_CHECK(best ? bestGateways.contains(gateway) : gateway.isEmpty());
    }
    return 0;
}
