// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "fakecommands.h"

Q_DECLARE_METATYPE(WidgetDeckNet::AdapterConfig)
Q_DECLARE_METATYPE(WidgetDeckNet::CommandResult)

using namespace WidgetDeckNet;

namespace {

AdapterConfig config(const QString &adapter, bool dhcp = false)
{
    AdapterConfig c;
    c.adapter = adapter;
    c.dhcp = dhcp;
    if (!dhcp) {
        c.address = QStringLiteral("192.168.1.20");
        c.mask = QStringLiteral("255.255.255.0");
        c.gateway = QStringLiteral("192.168.1.1");
    }
    return c;
}

// nmcli's answer to the device's own profile query (a VPN on top is not listed there).
const QByteArray Active = "7f3e-aaaa\n";

bool isDeviceQuery(const CommandSpec &command)
{
    return command.arguments.value(2) == QLatin1String("device");
}

} // namespace

class tst_NetworkPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void netshCommandLines();
    void netshOutcome_data();
    void netshOutcome();
    void unsafeFieldsRefused_data();
    void unsafeFieldsRefused();
    void netshTrailingBackslashRefused();
    void nmcliSequence();
    void nmcliFailures_data();
    void nmcliFailures();
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

void tst_NetworkPlatform::netshCommandLines()
{
    QCOMPARE(netshDhcpCommandLine(QStringLiteral("Ethernet")),
             QStringLiteral("netsh interface ip set address name=\"Ethernet\" source=dhcp"));
    const QString line = QStringLiteral("netsh interface ipv4 set address name = \"Ethernet\" source = static "
                                        "address = \"192.168.1.20\" mask = \"255.255.255.0\" gateway = \"192.168.1.1\"");
    // A "%2" inside a value is not substituted again.
    QCOMPARE(netshStaticCommandLine(QStringLiteral("LAN %2"), "a", "b", "c"),
             QStringLiteral("netsh interface ipv4 set address name = \"LAN %2\" source = static "
                            "address = \"a\" mask = \"b\" gateway = \"c\""));

    // The process gets the line verbatim: program plus native arguments, no argument list.
    FakeCommands fake;
    applyWithNetsh(config(QStringLiteral("Ethernet")), fake.runner());
    QCOMPARE(fake.calls().size(), 1);
    const CommandSpec command = fake.calls().first();
    QCOMPARE(command.program + QLatin1Char(' ') + command.nativeArguments, line);
    QCOMPARE(command.program, QStringLiteral("netsh"));
    QVERIFY(command.arguments.isEmpty());
    QCOMPARE(command.timeoutMs, 3000);
}

void tst_NetworkPlatform::netshOutcome_data()
{
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("cause"); // null: success
    const QString notStarted = QStringLiteral("netsh could not be started (No such file or directory)");
    QTest::newRow("empty line") << false << true << QByteArray("\r\n") << QString();
    QTest::newRow("no output") << false << true << QByteArray() << QString("");
    QTest::newRow("two empty lines") << false << true << QByteArray("\r\n\r\n") << "\r\n\r\n";
    QTest::newRow("error text") << false << true << QByteArray("Element not found.\r\n") << "Element not found.\r\n";
    QTest::newRow("not started") << false << false << QByteArray() << notStarted;
    QTest::newRow("dhcp, any output") << true << true << QByteArray("DHCP is already enabled.") << QString();
    QTest::newRow("dhcp, not started") << true << false << QByteArray() << notStarted;
}

void tst_NetworkPlatform::netshOutcome()
{
    QFETCH(bool, dhcp);
    QFETCH(bool, started);
    QFETCH(QByteArray, output);
    QFETCH(QString, cause);
    FakeCommands fake;
    fake.reply = [&](const CommandSpec &) { return started ? FakeCommands::ok(output) : FakeCommands::notStarted(); };
    const ConfigOutcome outcome = applyWithNetsh(config(QStringLiteral("Ethernet"), dhcp), fake.runner());
    QCOMPARE(outcome.success, cause.isNull());
    QCOMPARE(outcome.cause, cause.isNull() ? QString() : cause);
}

void tst_NetworkPlatform::unsafeFieldsRefused_data()
{
    QTest::addColumn<AdapterConfig>("input");
    QTest::addColumn<QString>("causeStart");
    QTest::newRow("quote in name") << config("Eth\" source=dhcp") << "the adapter name contains a double quote";
    QTest::newRow("line feed, dhcp") << config("Eth\nnet", true) << "the adapter name contains a control";
    QTest::newRow("carriage return") << config("Eth\r") << "the adapter name contains a control";
    QTest::newRow("line separator") << config(QString(QChar(0x2028))) << "the adapter name contains a control";
    QTest::newRow("no adapter") << config(QString()) << "no network adapter is selected";
    AdapterConfig c = config("Ethernet");
    c.address = QStringLiteral("1.2.3.4\" gateway=\"9.9.9.9");
    QTest::newRow("quote in address") << c << "the IP address contains a double quote";
    c = config("Ethernet");
    c.mask = QStringLiteral("255.255.255.0\x01");
    QTest::newRow("control in mask") << c << "the subnet mask contains a control";
    c = config("Ethernet");
    c.gateway = QStringLiteral("1.1.1.1\t");
    QTest::newRow("tab in gateway") << c << "the default gateway contains a control";
}

void tst_NetworkPlatform::unsafeFieldsRefused()
{
    QFETCH(AdapterConfig, input);
    QFETCH(QString, causeStart);
    for (auto apply : {applyWithNetsh, applyWithNmcli}) {
        FakeCommands fake;
        const ConfigOutcome outcome = apply(input, fake.runner());
        QVERIFY(!outcome.success);
        QVERIFY2(outcome.cause.startsWith(causeStart), qPrintable(outcome.cause));
        QVERIFY(fake.calls().isEmpty());
    }
}

void tst_NetworkPlatform::netshTrailingBackslashRefused()
{
    // "name=\"Eth\\\"" would escape the closing quote and merge the following arguments.
    AdapterConfig gateway = config("Ethernet");
    gateway.gateway = QStringLiteral("192.168.1.1\\");
    for (const AdapterConfig &input : {config("Eth\\"), config("Eth\\", true), gateway}) {
        FakeCommands fake;
        const ConfigOutcome outcome = applyWithNetsh(input, fake.runner());
        QVERIFY(!outcome.success);
        QVERIFY2(outcome.cause.contains(QLatin1String("ends with a backslash")), qPrintable(outcome.cause));
        QVERIFY(fake.calls().isEmpty());
    }
    FakeCommands fake;
    QVERIFY(!applyWithNetsh(config("Eth\\1"), fake.runner()).cause.contains(QLatin1String("backslash")));
    QCOMPARE(fake.calls().size(), 1);
}

void tst_NetworkPlatform::nmcliSequence()
{
    FakeCommands fake;
    fake.reply = [](const CommandSpec &command) {
        return FakeCommands::ok(isDeviceQuery(command) ? Active : "");
    };
    // Leading zeros are dropped before anything runs; no gateway stays no gateway.
    AdapterConfig zeros = config("enp3s0");
    zeros.address = QStringLiteral("192.168.001.020");
    QVERIFY(applyWithNmcli(zeros, fake.runner()).success);
    QVERIFY(applyWithNmcli(config("eth0:1", true), fake.runner()).success);
    AdapterConfig noGateway = config("enp3s0");
    noGateway.gateway.clear();
    QVERIFY(applyWithNmcli(noGateway, fake.runner()).success);
    const QList<CommandSpec> calls = fake.calls();
    QCOMPARE(calls.size(), 9);
    const QStringList show = {"-g", "GENERAL.CON-UUID", "device", "show", "enp3s0"};
    QCOMPARE(calls.at(0).arguments, show);
    QCOMPARE(calls.at(1).arguments, (QStringList{"connection", "modify", "7f3e-aaaa", "ipv4.method", "manual",
                                                 "ipv4.addresses", "192.168.1.20/24", "ipv4.gateway", "192.168.1.1"}));
    QCOMPARE(calls.at(2).arguments, (QStringList{"connection", "up", "7f3e-aaaa"}));
    QCOMPARE(calls.at(3).arguments.last(), QStringLiteral("eth0:1"));
    QCOMPARE(calls.at(4).arguments, (QStringList{"connection", "modify", "7f3e-aaaa", "ipv4.method", "auto",
                                                 "ipv4.addresses", "", "ipv4.gateway", ""}));
    QCOMPARE(calls.at(7).arguments.mid(6), (QStringList{"192.168.1.20/24", "ipv4.gateway", ""}));
    // Activation still running at the limit: the profile was changed, so it is no failure.
    CommandResult slow = FakeCommands::ok("");
    slow.finished = false;
    fake.reply = [slow](const CommandSpec &command) {
        return isDeviceQuery(command) ? FakeCommands::ok(Active)
                                      : command.arguments.value(1) == QLatin1String("up") ? slow : FakeCommands::ok("");
    };
    const ConfigOutcome activating = applyWithNmcli(config("enp3s0"), fake.runner());
    QVERIFY(activating.success);
    QVERIFY2(activating.cause.contains(QLatin1String("still being activated")), qPrintable(activating.cause));
    for (const CommandSpec &command : calls) {
        QCOMPARE(command.program, QStringLiteral("nmcli"));
        QVERIFY(command.environment.contains(qMakePair(QStringLiteral("LC_ALL"), QStringLiteral("C"))));
        QVERIFY(command.timeoutMs > 0 && command.timeoutMs <= 3000);
    }
}

void tst_NetworkPlatform::nmcliFailures_data()
{
    QTest::addColumn<AdapterConfig>("input");
    QTest::addColumn<CommandResult>("showReply");
    QTest::addColumn<CommandResult>("modifyReply");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("calls");
    const CommandResult active = FakeCommands::ok(Active);
    const CommandResult fine = FakeCommands::ok("");
    QTest::newRow("nmcli missing") << config("enp3s0") << FakeCommands::notStarted() << fine
        << "nmcli could not be started; is NetworkManager's command-line tool installed? (No such file or directory)" << 1;
    QTest::newRow("not running") << config("enp3s0") << FakeCommands::ok("", 8, "Error: NetworkManager is not running.\n")
                                 << fine << "Error: NetworkManager is not running." << 1;
    QTest::newRow("exit 8, no text") << config("enp3s0") << FakeCommands::ok("", 8) << fine
                                     << "NetworkManager is not running" << 1;
    QTest::newRow("no profile") << config("eth9") << FakeCommands::ok("\n") << fine << "no NetworkManager connection is active on eth9" << 1;
    QTest::newRow("permission refused") << config("enp3s0", true) << active
        << FakeCommands::ok("", 1, "Error: Insufficient privileges.\n") << "Error: Insufficient privileges." << 2;
    CommandResult timedOut = FakeCommands::ok("partial");
    timedOut.finished = false;
    QTest::newRow("timeout") << config("enp3s0") << active << timedOut << "nmcli did not finish in time" << 2;
    CommandResult crashed = FakeCommands::ok("");
    crashed.exitCode = -1;
    crashed.crashed = true;
    crashed.errorString = QStringLiteral("The process crashed");
    QTest::newRow("crashed") << config("enp3s0") << active << crashed << "nmcli stopped unexpectedly (The process crashed)" << 2;
    AdapterConfig blank = config("enp3s0");
    blank.address.clear();
    blank.mask.clear();
    blank.gateway.clear();
    QTest::newRow("blank form") << blank << active << fine << "the IP address is missing" << 0;
    blank.address = QStringLiteral("192.168.1.20");
    QTest::newRow("no mask") << blank << active << fine << "the subnet mask is missing" << 0;
    AdapterConfig octet = config("enp3s0");
    octet.address = QStringLiteral("192.168.1.0256");
    QTest::newRow("four digits") << octet << active << fine << "the IP address 192.168.1.0256 is not valid" << 0;
    AdapterConfig badMask = config("enp3s0");
    badMask.mask = QStringLiteral("255.0.255.0");
    QTest::newRow("bad mask") << badMask << active << fine << "the subnet mask 255.0.255.0 is not valid" << 0;
    // nmcli takes these as lists, so a comma would add a second address or gateway.
    AdapterConfig listed = config("enp3s0");
    listed.address = QStringLiteral("192.168.1.20,10.0.0.9");
    QTest::newRow("address list") << listed << active << fine << "the IP address 192.168.1.20,10.0.0.9 is not valid" << 0;
    listed = config("enp3s0");
    listed.gateway = QStringLiteral("192.168.1.1 10.0.0.1");
    QTest::newRow("gateway list") << listed << active << fine << "the default gateway 192.168.1.1 10.0.0.1 is not valid" << 0;
}

void tst_NetworkPlatform::nmcliFailures()
{
    QFETCH(AdapterConfig, input);
    QFETCH(CommandResult, showReply);
    QFETCH(CommandResult, modifyReply);
    QFETCH(QString, cause);
    QFETCH(int, calls);
    FakeCommands fake;
    fake.reply = [&](const CommandSpec &command) {
        return isDeviceQuery(command) ? showReply : modifyReply;
    };
    const ConfigOutcome outcome = applyWithNmcli(input, fake.runner());
    QVERIFY(!outcome.success);
    QCOMPARE(outcome.cause, cause);
    QCOMPARE(fake.calls().size(), calls);
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
