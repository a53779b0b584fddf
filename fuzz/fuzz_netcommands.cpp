// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Command lines of the adapter change: every value reaches the tool as exactly one argument,
// and refused input never runs a command. The runner is a recorder; nothing is executed.
#include "fuzzsupport.h"

#include "qnetworkplatform_p.h"

#include <QRegularExpression>

using namespace WidgetDeckNet;

namespace {
// How a Windows program's C runtime splits its command line. It reads backslashes before a
// quote as an escape, so such a line is not usable at all.
QStringList windowsArguments(const QString &line, bool *usable)
{
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    // Every value the tool gets is non-empty, so an empty argument need not be told from none.
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
        } else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (!current.isEmpty())
                arguments << current;
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        arguments << current;
    *usable = !inQuotes && !line.contains(QLatin1String("\\\""));
    return arguments;
}

// Four groups of 0 to 255 without leading zeros, which a tool could read as octal: exactly
// what Qt's own parser prints back.
bool isPlainDottedQuad(const QString &text)
{
    const QHostAddress address(text);
    return address.protocol() == QAbstractSocket::IPv4Protocol && address.toString() == text;
}

// The prefix length of a plain contiguous mask, or -1.
int prefixOf(const QString &mask)
{
    for (int length = 0; length <= 32; ++length) {
        if (mask == QHostAddress(length ? ~0u << (32 - length) : 0u).toString())
            return length;
    }
    return -1;
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
    // No adapter, or a double quote or a control, format or separator character in a value
    // the tool gets, is refused.
    static const QRegularExpression unsafe(QStringLiteral("[\"\\p{Cc}\\p{Cf}\\p{Zl}\\p{Zp}]"));
    bool unsafeInput = config.adapter.isEmpty() || config.adapter.contains(unsafe);
    for (const QString &value : {config.address, config.mask, config.gateway})
        unsafeInput = unsafeInput || (!config.dhcp && value.contains(unsafe));
    FUZZ_CHECK(!unsafeInput || refused);
    FUZZ_CHECK(refused || config.dhcp || (isPlainDottedQuad(checked.address) && prefixOf(checked.mask) >= 0));
    FUZZ_CHECK(refused || config.dhcp || checked.gateway.isEmpty() || isPlainDottedQuad(checked.gateway));

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
    // The recorder answers like a successful netsh: a run command is a success.
    FUZZ_CHECK(calls.size() <= 1 && netsh.success == (calls.size() == 1) && !(refused && netsh.success));
    if (!calls.isEmpty()) {
        const CommandSpec &command = calls.at(0);
        FUZZ_CHECK(command.program == QLatin1String("netsh") && command.arguments.isEmpty());
        FUZZ_CHECK(command.timeoutMs == CommandTimeLimitMs);
        bool usable = false;
        const QStringList arguments = windowsArguments(command.nativeArguments, &usable);
        QStringList expected;
        if (config.dhcp)
            expected = QStringList{"interface", "ip", "set", "address", "name=" + config.adapter, "source=dhcp"};
        else
            expected = QStringList{"interface", "ipv4", "set", "address", "name", "=", config.adapter, "source", "=",
                                   "static", "address", "=", checked.address, "mask", "=", checked.mask, "gateway",
                                   "=", checked.gateway.isEmpty() ? QStringLiteral("none") : checked.gateway};
        FUZZ_CHECK(usable && arguments == expected);
    }

    // nmcli: the device's own profile, the first answer line that can be a UUID, is modified
    // and brought up; the address and gateway must be one plain address each, not lists.
    calls.clear();
    const ConfigOutcome nmcli = applyWithNmcli(config, record);
    QString uuid;
    for (const QString &line : QString::fromLocal8Bit(nmcliOutput).split(QLatin1Char('\n'))) {
        if (uuid.isEmpty() && !line.trimmed().contains(QRegularExpression(QStringLiteral("^$|[ :,]"))))
            uuid = line.trimmed();
    }
    const QStringList modify = config.dhcp
        ? QStringList{"auto", "ipv4.addresses", "", "ipv4.gateway", ""}
        : QStringList{"manual", "ipv4.addresses", checked.address + '/' + QString::number(prefixOf(checked.mask)),
                      "ipv4.gateway", checked.gateway};
    const QList<QStringList> expected = {{"-g", "GENERAL.CON-UUID", "device", "show", config.adapter},
                                         QStringList{"connection", "modify", uuid, "ipv4.method"} + modify,
                                         {"connection", "up", uuid}};
    FUZZ_CHECK(calls.size() == (refused ? 0 : uuid.isEmpty() ? 1 : 3));
    FUZZ_CHECK(nmcli.success == (calls.size() == 3));
    for (int i = 0; i < calls.size(); ++i) {
        const CommandSpec &command = calls.at(i);
        FUZZ_CHECK(command.program == QLatin1String("nmcli") && command.nativeArguments.isEmpty());
        FUZZ_CHECK(command.arguments == expected.at(i));
        FUZZ_CHECK(command.timeoutMs > 0 && command.timeoutMs <= CommandTimeLimitMs);
        FUZZ_CHECK(command.environment.contains(qMakePair(QStringLiteral("LC_ALL"), QStringLiteral("C"))));
    }
    return 0;
}
