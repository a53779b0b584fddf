// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qnetworkplatform_p.h"

namespace WidgetDeckNet {

QString platformGatewayFor(const QString &)
{
    return QString();
}

ConfigOutcome platformApply(const AdapterConfig &config, const CommandRunner &)
{
    const QString unsafe = unsafeFieldCause(config);
    if (!unsafe.isEmpty())
        return {false, unsafe};
    return {false, QStringLiteral("changing adapter settings is not supported on this operating system")};
}

} // namespace WidgetDeckNet
