// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Command lines of the adapter change: every value reaches the tool as exactly one argument,
// and refused input never runs a command. The runner is a recorder; nothing is executed.
#include "fuzzsupport.h"

#include "qnetworkplatform_p.h"

using namespace WidgetDeckNet;

namespace {
// How a Windows program's C runtime splits its command line into arguments.
QStringList windowsArguments(const QString &line, bool *balanced)
{
    QStringList arguments;
    QString current;
    bool inQuotes = false, inArgument = false;
    for (int i = 0; i < line.size();) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\')) {
            int n = 0;
            while (i < line.size() && line.at(i) == QLatin1Char('\\'))
                ++n, ++i;
            inArgument = true;
            if (i < line.size() && line.at(i) == QLatin1Char('"')) {
                current += QString(n / 2, QLatin1Char('\\'));
                if (n % 2) {
                    current += QLatin1Char('"');
                    ++i;
                }
            } else {
                current += QString(n, QLatin1Char('\\'));
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            inArgument = true;
        } else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
        ++i;
    }
    if (inArgument)
        arguments << current;
    *balanced = !inQuotes;
    return arguments;
}

bool isDottedQuad(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        bool ok = false;
        if (part.isEmpty() || part.size() > 3 || part.toInt(&ok, 10) > 255 || !ok)
            return false;
        for (const QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::Reader reader(data, size);
    const uint8_t flags = reader.byte();
    const QStringList fields = reader.rest().split(QChar(0x1f));
    AdapterConfig config;
    config.dhcp = flags & 1;
    config.adapter = fields.value(0);
    config.address = fields.value(1);
    config.mask = fields.value(2);
    config.gateway = fields.value(3);
    const QByteArray nmcliOutput = fields.value(4).toUtf8();
    AdapterConfig checked;
    const bool refused = !checkedConfig(config, &checked).isEmpty();
    FUZZ_CHECK(unsafeFieldCause(config).isEmpty() || refused);

    QList<CommandSpec> calls;
    const CommandRunner record = [&calls, &nmcliOutput](const CommandSpec &command) {
        calls << command;
        CommandResult result;
        result.started = result.finished = true;
        result.exitCode = 0;
        if (command.arguments.value(2) == QLatin1String("device"))
            result.standardOutput = nmcliOutput;
        else
            result.standardOutput = "\r\n";
        return result;
    };

    const ConfigOutcome netsh = applyWithNetsh(config, record);
    FUZZ_CHECK(!refused || (calls.isEmpty() && !netsh.success));
    if (!calls.isEmpty()) {
        FUZZ_CHECK(calls.size() == 1 && calls.at(0).program == QLatin1String("netsh"));
        bool balanced = false;
        const QStringList arguments = windowsArguments(calls.at(0).nativeArguments, &balanced);
        QStringList expected;
        if (config.dhcp)
            expected = QStringList{"interface", "ip", "set", "address", "name=" + config.adapter, "source=dhcp"};
        else
            expected = QStringList{"interface", "ipv4", "set", "address", "name", "=", config.adapter, "source", "=",
                                   "static", "address", "=", checked.address, "mask", "=", checked.mask, "gateway",
                                   "=", checked.gateway.isEmpty() ? QStringLiteral("none") : checked.gateway};
        FUZZ_CHECK(config.dhcp || (isDottedQuad(checked.address) && isDottedQuad(checked.mask)));
        FUZZ_CHECK(balanced);
        FUZZ_CHECK(arguments == expected);
    }

    calls.clear();
    const ConfigOutcome nmcli = applyWithNmcli(config, record);
    FUZZ_CHECK(!refused || (calls.isEmpty() && !nmcli.success));
    for (const CommandSpec &command : calls) {
        FUZZ_CHECK(command.program == QLatin1String("nmcli") && command.nativeArguments.isEmpty());
        if (command.arguments.value(1) != QLatin1String("modify"))
            continue;
        FUZZ_CHECK(!config.dhcp || command.arguments.mid(3) == QStringList({"ipv4.method", "auto", "ipv4.addresses", "",
                                                                          "ipv4.gateway", ""}));
        if (config.dhcp)
            continue;
        // nmcli reads these two as lists: each must be one plain address, not several.
        const QString address = command.arguments.value(6);
        FUZZ_CHECK(isDottedQuad(address.section(QLatin1Char('/'), 0, 0)) && address.count(QLatin1Char('/')) == 1);
        const QString gateway = command.arguments.value(8);
        FUZZ_CHECK(gateway.isEmpty() || isDottedQuad(gateway));
        // Leading zeros never reach nmcli, which could read them as octal.
        FUZZ_CHECK(canonicalIPv4(address.section(QLatin1Char('/'), 0, 0)) == address.section(QLatin1Char('/'), 0, 0));
        FUZZ_CHECK(gateway.isEmpty() || canonicalIPv4(gateway) == gateway);
        FUZZ_CHECK(command.arguments.size() == 9);
    }
    FUZZ_CHECK(!nmcli.success || calls.size() == 3);
    return 0;
}
