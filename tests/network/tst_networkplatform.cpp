// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "fakecommands.h"

using namespace WidgetDeckNet;

namespace {

enum Backend { Netsh = 1, Nmcli = 2, Both = Netsh | Nmcli };

AdapterConfig config(const QString &adapter, bool dhcp = false, const QString &address = QStringLiteral("192.168.1.20"),
                     const QString &mask = QStringLiteral("255.255.255.0"), const QString &gateway = QStringLiteral("192.168.1.1"))
{
    return dhcp ? AdapterConfig{adapter, true, {}, {}, {}} : AdapterConfig{adapter, false, address, mask, gateway};
}

// nmcli's answer to the device's own profile query (a VPN on top is not listed there).
const QByteArray Active = "7f3e-aaaa\n";

ConfigOutcome apply(Backend backend, const AdapterConfig &input, const CommandRunner &run)
{
    return backend == Netsh ? applyWithNetsh(input, run) : applyWithNmcli(input, run);
}

// What the process gets: netsh's verbatim line, or nmcli's argument list.
QString shown(const CommandSpec &command)
{
    if (command.program == QLatin1String("netsh"))
        return command.program + QLatin1Char(' ') + command.nativeArguments;
    return command.arguments.join(QLatin1Char('|'));
}

CommandResult notFinished(const QByteArray &output = {})
{
    CommandResult result = FakeCommands::ok(output);
    result.finished = false;
    return result;
}

} // namespace

Q_DECLARE_METATYPE(WidgetDeckNet::AdapterConfig)
Q_DECLARE_METATYPE(WidgetDeckNet::CommandResult)
Q_DECLARE_METATYPE(Backend)

class tst_NetworkPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void commands_data();
    void commands();
    void refusedBeforeRunning_data();
    void refusedBeforeRunning();
    void outcome_data();
    void outcome();
    void maskPrefix();
    void routeTable();

private:
    QTranslator m_translator;
};

// The causes are the catalogue's English texts.
void tst_NetworkPlatform::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(WIDGETDECK_QM_DIR "/tr_libwidgetdeck_en.qm")));
    QCoreApplication::installTranslator(&m_translator);
}

void tst_NetworkPlatform::commands_data()
{
    QTest::addColumn<Backend>("backend");
    QTest::addColumn<AdapterConfig>("input");
    QTest::addColumn<QStringList>("expected");
    const QString netshStatic = QStringLiteral("netsh interface ipv4 set address name = \"%1\" source = static "
                                               "address = \"192.168.1.20\" mask = \"255.255.255.0\" gateway = %2");
    QTest::newRow("netsh static") << Netsh << config("Ethernet") << QStringList{netshStatic.arg("Ethernet", "\"192.168.1.1\"")};
    QTest::newRow("netsh dhcp") << Netsh << config("Ethernet", true)
                                << QStringList{"netsh interface ip set address name=\"Ethernet\" source=dhcp"};
    // A "%2" in a value is not substituted again; a backslash inside the name is harmless.
    QTest::newRow("netsh %2 in name") << Netsh << config("LAN %2") << QStringList{netshStatic.arg("LAN %2", "\"192.168.1.1\"")};
    QTest::newRow("netsh inner backslash") << Netsh << config("Eth\\1") << QStringList{netshStatic.arg("Eth\\1", "\"192.168.1.1\"")};
    // Leading zeros are dropped before anything runs; an empty gateway editor is no gateway.
    QTest::newRow("netsh zeros, no gateway") << Netsh << config("Ethernet", false, "192.168.001.020", "255.255.255.000", "...")
                                             << QStringList{netshStatic.arg("Ethernet", "none")};
    const QString show = QStringLiteral("-g|GENERAL.CON-UUID|device|show|");
    const QString modify = QStringLiteral("connection|modify|7f3e-aaaa|ipv4.method|");
    const QString up = QStringLiteral("connection|up|7f3e-aaaa");
    QTest::newRow("nmcli static") << Nmcli << config("enp3s0")
        << QStringList{show + "enp3s0", modify + "manual|ipv4.addresses|192.168.1.20/24|ipv4.gateway|192.168.1.1", up};
    QTest::newRow("nmcli dhcp") << Nmcli << config("eth0:1", true)
        << QStringList{show + "eth0:1", modify + "auto|ipv4.addresses||ipv4.gateway|", up};
    QTest::newRow("nmcli zeros, no gateway") << Nmcli << config("enp3s0", false, "010.000.000.009", "255.240.0.0", "")
        << QStringList{show + "enp3s0", modify + "manual|ipv4.addresses|10.0.0.9/12|ipv4.gateway|", up};
}

void tst_NetworkPlatform::commands()
{
    QFETCH(Backend, backend);
    QFETCH(AdapterConfig, input);
    QFETCH(QStringList, expected);
    FakeCommands fake;
    fake.reply = [](const CommandSpec &command) {
        return FakeCommands::ok(command.program == QLatin1String("netsh") ? "\r\n" : command.arguments.value(2) == "device" ? Active : "");
    };
    QVERIFY(apply(backend, input, fake.runner()).success);
    QStringList seen;
    for (const CommandSpec &command : fake.calls()) {
        seen << shown(command);
        QVERIFY(command.timeoutMs > 0 && command.timeoutMs <= CommandTimeLimitMs);
        if (backend == Netsh) {
            QCOMPARE(command.timeoutMs, CommandTimeLimitMs);
            QVERIFY(command.arguments.isEmpty()); // the line goes verbatim
        } else {
            QVERIFY(command.environment.contains(qMakePair(QStringLiteral("LC_ALL"), QStringLiteral("C"))));
        }
    }
    QCOMPARE(seen, expected);
}

void tst_NetworkPlatform::refusedBeforeRunning_data()
{
    QTest::addColumn<int>("backends");
    QTest::addColumn<AdapterConfig>("input");
    QTest::addColumn<QString>("causeStart");
    QTest::newRow("quote in name") << int(Both) << config("Eth\" source=dhcp") << "the adapter name contains a double quote";
    QTest::newRow("line feed, dhcp") << int(Both) << config("Eth\nnet", true) << "the adapter name contains a control";
    QTest::newRow("line separator") << int(Both) << config(QString(QChar(0x2028))) << "the adapter name contains a control";
    QTest::newRow("no adapter") << int(Both) << config(QString()) << "no network adapter is selected";
    QTest::newRow("quote in address") << int(Both) << config("Ethernet", false, "1.2.3.4\" gateway=\"9.9.9.9")
                                      << "the IP address contains a double quote";
    QTest::newRow("control in mask") << int(Both) << config("Ethernet", false, "1.2.3.4", "255.255.255.0\x01")
                                     << "the subnet mask contains a control";
    QTest::newRow("tab in gateway") << int(Both) << config("Ethernet", false, "1.2.3.4", "255.0.0.0", "1.1.1.1\t")
                                    << "the default gateway contains a control";
    // The first missing field of a blank form; untouched editors read "...".
    QTest::newRow("blank form") << int(Both) << config("Ethernet", false, "...", "...", "...") << "the IP address is missing";
    QTest::newRow("no mask") << int(Both) << config("Ethernet", false, "192.168.1.20", "", "") << "the subnet mask is missing";
    QTest::newRow("four digits") << int(Both) << config("Ethernet", false, "192.168.1.0256")
                                 << "the IP address 192.168.1.0256 is not valid";
    QTest::newRow("bad mask") << int(Both) << config("Ethernet", false, "1.2.3.4", "255.0.255.0")
                              << "the subnet mask 255.0.255.0 is not valid";
    // nmcli takes these as lists, so a comma would add a second address or gateway.
    QTest::newRow("address list") << int(Both) << config("Ethernet", false, "192.168.1.20,10.0.0.9")
                                  << "the IP address 192.168.1.20,10.0.0.9 is not valid";
    QTest::newRow("gateway list") << int(Both) << config("Ethernet", false, "1.2.3.4", "255.0.0.0", "1.1.1.1 10.0.0.1")
                                  << "the default gateway 1.1.1.1 10.0.0.1 is not valid";
    // netsh's runtime reads backslashes before a quote as an escape: "name=\"Eth\\\"" would
    // swallow the closing quote and merge the following arguments.
    QTest::newRow("backslash name") << int(Netsh) << config("Eth\\") << "the adapter name ends with a backslash";
    QTest::newRow("backslash name, dhcp") << int(Netsh) << config("Eth\\", true) << "the adapter name ends with a backslash";
    QTest::newRow("backslash gateway") << int(Netsh) << config("Eth", false, "1.2.3.4", "255.0.0.0", "1.1.1.1\\")
                                       << "the address 1.1.1.1\\ ends with a backslash";
}

void tst_NetworkPlatform::refusedBeforeRunning()
{
    QFETCH(int, backends);
    QFETCH(AdapterConfig, input);
    QFETCH(QString, causeStart);
    for (Backend backend : {Netsh, Nmcli}) {
        if (!(backends & backend))
            continue;
        FakeCommands fake;
        const ConfigOutcome outcome = apply(backend, input, fake.runner());
        QVERIFY(!outcome.success);
        QVERIFY2(outcome.cause.startsWith(causeStart), qPrintable(outcome.cause));
        QVERIFY(fake.calls().isEmpty());
    }
}

void tst_NetworkPlatform::outcome_data()
{
    QTest::addColumn<Backend>("backend");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QList<CommandResult>>("replies"); // one per command that must run, in order
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("cause");
    const CommandResult none = FakeCommands::ok("");
    const CommandResult active = FakeCommands::ok(Active);
    const CommandResult missing = FakeCommands::notStarted();
    using R = QList<CommandResult>;
    const QString netshMissing = QStringLiteral("netsh could not be started (No such file or directory)");
    // netsh answers a change with one empty line; anything else is the cause, as printed.
    QTest::newRow("netsh empty line") << Netsh << false << R{FakeCommands::ok("\r\n")} << true << "";
    QTest::newRow("netsh no output") << Netsh << false << R{none} << false << "";
    QTest::newRow("netsh two lines") << Netsh << false << R{FakeCommands::ok("\r\n\r\n")} << false << "\r\n\r\n";
    QTest::newRow("netsh error") << Netsh << false << R{FakeCommands::ok("Element not found.\r\n")} << false
                                 << "Element not found.\r\n";
    QTest::newRow("netsh missing") << Netsh << false << R{missing} << false << netshMissing;
    QTest::newRow("netsh dhcp, any output") << Netsh << true << R{FakeCommands::ok("DHCP is already enabled.")} << true << "";
    QTest::newRow("netsh dhcp, missing") << Netsh << true << R{missing} << false << netshMissing;
    QTest::newRow("nmcli missing") << Nmcli << false << R{missing} << false
        << "nmcli could not be started; is NetworkManager's command-line tool installed? (No such file or directory)";
    QTest::newRow("nmcli not running") << Nmcli << false << R{FakeCommands::ok("", 8, "Error: NetworkManager is not running.\n")}
                                       << false << "Error: NetworkManager is not running.";
    QTest::newRow("nmcli exit 8, silent") << Nmcli << false << R{FakeCommands::ok("", 8)} << false << "NetworkManager is not running";
    QTest::newRow("nmcli exit 3, silent") << Nmcli << false << R{active, FakeCommands::ok("", 3)} << false << "nmcli timed out";
    QTest::newRow("nmcli exit 4, silent") << Nmcli << false << R{active, FakeCommands::ok("", 4)} << false
                                          << "nmcli failed with exit code 4";
    QTest::newRow("nmcli no profile") << Nmcli << false << R{FakeCommands::ok("\n")} << false
                                      << "no NetworkManager connection is active on Ethernet";
    QTest::newRow("nmcli refused") << Nmcli << true << R{active, FakeCommands::ok("", 1, "Error: Insufficient privileges.\n")}
                                   << false << "Error: Insufficient privileges.";
    QTest::newRow("nmcli too slow") << Nmcli << false << R{active, notFinished("partial")} << false << "nmcli did not finish in time";
    CommandResult crashed = none;
    crashed.exitCode = -1;
    crashed.crashed = true;
    crashed.errorString = QStringLiteral("The process crashed");
    QTest::newRow("nmcli crashed") << Nmcli << false << R{active, crashed} << false << "nmcli stopped unexpectedly (The process crashed)";
    QTest::newRow("nmcli up fails") << Nmcli << false << R{active, none, FakeCommands::ok("", 4, "Error: no carrier.")} << false
                                    << "Error: no carrier.";
    // The profile is changed by then; a slow activation is no failure.
    QTest::newRow("nmcli still activating") << Nmcli << false << R{active, none, notFinished()} << true
                                            << "the settings were saved; the connection is still being activated";
}

void tst_NetworkPlatform::outcome()
{
    QFETCH(Backend, backend);
    QFETCH(bool, dhcp);
    QFETCH(QList<CommandResult>, replies);
    QFETCH(bool, success);
    QFETCH(QString, cause);
    FakeCommands fake;
    int step = 0;
    fake.reply = [&](const CommandSpec &) { return replies.value(step++, FakeCommands::ok("")); };
    const ConfigOutcome outcome = apply(backend, config(QStringLiteral("Ethernet"), dhcp), fake.runner());
    QCOMPARE(outcome.success, success);
    QCOMPARE(outcome.cause, cause);
    QCOMPARE(fake.calls().size(), replies.size());
}

void tst_NetworkPlatform::maskPrefix()
{
    const QList<QPair<const char *, int>> cases = {{"255.255.255.0", 24}, {"0.0.0.0", 0}, {"255.255.255.255", 32},
                                                   {"255.255.240.0", 20}, {"255.0.255.0", -1}, {"255.255.255.1", -1},
                                                   {"255.255..0", -1},    {"256.0.0.0", -1},   {"255.255.0", -1}};
    for (const auto &c : cases)
        QVERIFY2(prefixLengthOfMask(QLatin1String(c.first)) == c.second, c.first);
}

void tst_NetworkPlatform::routeTable()
{
#if Q_BYTE_ORDER == Q_BIG_ENDIAN
    QSKIP("The sample table is the one a little-endian kernel prints");
#endif
    const char table[] = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
                         "eth0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                         "eth0\t0001A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
                         "eth0\t00000000\tFE01A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
                         "wlan0\t00000000\t0100000A\t0003\t0\t0\t50\t00000000\t0\t0\t0\n"
                         "eth1\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n"
                         "garbage line\n"
                         // A NUL would cut the name to "eth0" and lend this route to eth0.
                         "eth0\0x\t00000000\t0901A8C0\t0003\t0\t0\t1\t00000000\t0\t0\t0\n";
    const QList<RouteEntry> routes = parseRouteTable(QByteArray(table, sizeof(table) - 1));
    QCOMPARE(routes.size(), 5);
    QCOMPARE(routes.at(1).destination.toString(), QStringLiteral("192.168.1.0"));
    QCOMPARE(routes.at(1).mask.toString(), QStringLiteral("255.255.255.0"));
    // Lowest metric wins; a default route without the gateway flag does not count.
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("eth0")), QStringLiteral("192.168.1.254"));
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("wlan0")), QStringLiteral("10.0.0.1"));
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("eth1")), QString());
}

WIDGETDECK_NETWORK_TEST_MAIN(tst_NetworkPlatform)
#include "tst_networkplatform.moc"
