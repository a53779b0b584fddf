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
    for (int i = 0; i < line.size(); ++i) {
        int backslashes = 0;
        while (i < line.size() && line.at(i) == QLatin1Char('\\'))
            ++backslashes, ++i;
        const bool quote = i < line.size() && line.at(i) == QLatin1Char('"');
        // Before a quote, pairs of backslashes are one each and an odd one escapes the quote.
        current += QString(quote ? backslashes / 2 : backslashes, QLatin1Char('\\'));
        inArgument = inArgument || backslashes > 0;
        if (i == line.size())
            break;
        if (quote && backslashes % 2) {
            current += QLatin1Char('"');
        } else if (quote) {
            inQuotes = !inQuotes;
            inArgument = true;
        } else if (!inQuotes && (line.at(i) == QLatin1Char(' ') || line.at(i) == QLatin1Char('\t'))) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += line.at(i);
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << current;
    *balanced = !inQuotes;
    return arguments;
}

// Four ASCII groups of 0 to 255 without leading zeros, which a tool could read as octal.
bool isPlainDottedQuad(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    bool plain = parts.size() == 4;
    for (const QString &part : parts) {
        bool ok = part.size() <= 3 && (part.size() == 1 || !part.startsWith(QLatin1Char('0')));
        for (const QChar c : part)
            ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        plain = plain && ok && part.toInt(&ok) <= 255 && ok;
    }
    return plain;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::Reader reader(data, size);
    const uint8_t flags = reader.byte();
    const QStringList fields = reader.rest().split(QChar(0x1f));
    const AdapterConfig config{fields.value(0), bool(flags & 1), fields.value(1), fields.value(2), fields.value(3)};
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
        result.standardOutput = command.arguments.value(2) == QLatin1String("device") ? nmcliOutput : "\r\n";
        return result;
    };

    const ConfigOutcome netsh = applyWithNetsh(config, record);
    FUZZ_CHECK(!refused || (calls.isEmpty() && !netsh.success));
    FUZZ_CHECK(calls.isEmpty() || netsh.success); // the recorder answers like a successful netsh
    if (!calls.isEmpty()) {
        const CommandSpec &command = calls.at(0);
        FUZZ_CHECK(calls.size() == 1 && command.program == QLatin1String("netsh") && command.arguments.isEmpty());
        FUZZ_CHECK(command.timeoutMs == CommandTimeLimitMs);
        bool balanced = false;
        const QStringList arguments = windowsArguments(command.nativeArguments, &balanced);
        QStringList expected;
        if (config.dhcp)
            expected = QStringList{"interface", "ip", "set", "address", "name=" + config.adapter, "source=dhcp"};
        else
            expected = QStringList{"interface", "ipv4", "set", "address", "name", "=", config.adapter, "source", "=",
                                   "static", "address", "=", checked.address, "mask", "=", checked.mask, "gateway",
                                   "=", checked.gateway.isEmpty() ? QStringLiteral("none") : checked.gateway};
        FUZZ_CHECK(config.dhcp || (isPlainDottedQuad(checked.address) && isPlainDottedQuad(checked.mask)));
        FUZZ_CHECK(checked.gateway.isEmpty() || isPlainDottedQuad(checked.gateway));
        FUZZ_CHECK(balanced && arguments == expected);
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
        FUZZ_CHECK(isPlainDottedQuad(address.section(QLatin1Char('/'), 0, 0)) && address.count(QLatin1Char('/')) == 1);
        const QString gateway = command.arguments.value(8);
        FUZZ_CHECK(gateway.isEmpty() || isPlainDottedQuad(gateway));
        FUZZ_CHECK(command.arguments.size() == 9);
    }
    FUZZ_CHECK(!nmcli.success || calls.size() == 3);
    return 0;
}
