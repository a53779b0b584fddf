#include "fakecommands.h"

Q_DECLARE_METATYPE(WidgetDeckNet::AdapterConfig)
Q_DECLARE_METATYPE(WidgetDeckNet::CommandResult)

using namespace WidgetDeckNet;

namespace {

AdapterConfig designated(const QString &adapter = QStringLiteral("Ethernet"))
{
    AdapterConfig config;
    config.adapter = adapter;
    config.address = QStringLiteral("192.168.1.20");
    config.mask = QStringLiteral("255.255.255.0");
    config.gateway = QStringLiteral("192.168.1.1");
    return config;
}

AdapterConfig automatic(const QString &adapter = QStringLiteral("Ethernet"))
{
    AdapterConfig config;
    config.adapter = adapter;
    config.dhcp = true;
    return config;
}

// nmcli's answer to the active-connection query: the profile name differs from the device.
const QByteArray ActiveConnections = "0b1c-vpn:tun0\n"
                                     "7f3e2a10-aaaa-bbbb-cccc-0123456789ab:enp3s0\n";
const QString Uuid = QStringLiteral("7f3e2a10-aaaa-bbbb-cccc-0123456789ab");

} // namespace

class tst_NetworkPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void netshCommandLines();
    void netshOutcome_data();
    void netshOutcome();
    void unsafeFieldsRefused_data();
    void unsafeFieldsRefused();

    void nmcliSequence_data();
    void nmcliSequence();
    void nmcliFailures_data();
    void nmcliFailures();
    void maskPrefix_data();
    void maskPrefix();
    void terseOutputEscapes();

    void routeTable();
};

void tst_NetworkPlatform::netshCommandLines()
{
    QCOMPARE(netshDhcpCommandLine(QStringLiteral("Ethernet")),
             QStringLiteral("netsh interface ip set address name=\"Ethernet\" source=dhcp"));
    const QString line = netshStaticCommandLine(QStringLiteral("Ethernet"), QStringLiteral("192.168.1.20"),
                                                QStringLiteral("255.255.255.0"), QStringLiteral("192.168.1.1"));
    QCOMPARE(line, QStringLiteral("netsh interface ipv4 set address name = \"Ethernet\" source = static "
                                  "address = \"192.168.1.20\" mask = \"255.255.255.0\" gateway = \"192.168.1.1\""));
    // Placeholders inside a value are not substituted again.
    QCOMPARE(netshStaticCommandLine(QStringLiteral("LAN %2"), QStringLiteral("a"), QStringLiteral("b"),
                                    QStringLiteral("c")),
             QStringLiteral("netsh interface ipv4 set address name = \"LAN %2\" source = static "
                            "address = \"a\" mask = \"b\" gateway = \"c\""));

    // The process gets the line verbatim: program plus native arguments, no argument list.
    FakeCommands fake;
    QVERIFY(applyWithNetsh(designated(), fake.runner()).success == false);
    QCOMPARE(fake.calls().size(), 1);
    const CommandSpec spec = fake.calls().first();
    QCOMPARE(spec.program, QStringLiteral("netsh"));
    QVERIFY(spec.arguments.isEmpty());
    QCOMPARE(spec.program + QLatin1Char(' ') + spec.nativeArguments, line);
    QCOMPARE(spec.timeoutMs, 3000);
}

void tst_NetworkPlatform::netshOutcome_data()
{
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("cause");
    QTest::newRow("static, empty line") << false << true << QByteArray("\r\n") << true << QString();
    QTest::newRow("static, no output") << false << true << QByteArray() << false << QString();
    QTest::newRow("static, two empty lines") << false << true << QByteArray("\r\n\r\n") << false << "\r\n\r\n";
    QTest::newRow("static, bare line feed") << false << true << QByteArray("\n") << false << "\n";
    QTest::newRow("static, error text")
        << false << true << QByteArray("The object is already in the list.\r\n\r\n") << false
        << "The object is already in the list.\r\n\r\n";
    QTest::newRow("static, not started") << false << false << QByteArray() << false
                                         << "netsh could not be started (No such file or directory)";
    QTest::newRow("dhcp, any output") << true << true << QByteArray("DHCP is already enabled.\r\n") << true
                                      << QString();
    QTest::newRow("dhcp, not started") << true << false << QByteArray() << false
                                       << "netsh could not be started (No such file or directory)";
}

void tst_NetworkPlatform::netshOutcome()
{
    QFETCH(bool, dhcp);
    QFETCH(bool, started);
    QFETCH(QByteArray, output);
    QFETCH(bool, success);
    QFETCH(QString, cause);
    FakeCommands fake;
    fake.reply = [&](const CommandSpec &) { return started ? FakeCommands::ok(output) : FakeCommands::notStarted(); };
    const ConfigOutcome outcome = applyWithNetsh(dhcp ? automatic() : designated(), fake.runner());
    QCOMPARE(outcome.success, success);
    QCOMPARE(outcome.cause, cause);
}

void tst_NetworkPlatform::unsafeFieldsRefused_data()
{
    QTest::addColumn<AdapterConfig>("config");
    QTest::addColumn<QString>("causeStart");
    const auto withAdapter = [](const QString &name, bool dhcp) {
        AdapterConfig c = dhcp ? automatic(name) : designated(name);
        return c;
    };
    QTest::newRow("quote in name") << withAdapter("Eth\" source=dhcp", false) << "the adapter name contains a double quote";
    QTest::newRow("line feed in name, dhcp") << withAdapter("Eth\nnet", true) << "the adapter name contains a control";
    QTest::newRow("carriage return") << withAdapter("Eth\r", false) << "the adapter name contains a control";
    QTest::newRow("tab") << withAdapter("Eth\tx", false) << "the adapter name contains a control";
    QTest::newRow("line separator") << withAdapter(QString(QChar(0x2028)), false)
                                    << "the adapter name contains a control";
    QTest::newRow("no adapter") << withAdapter(QString(), false) << "no network adapter is selected";
    AdapterConfig c = designated();
    c.address = QStringLiteral("1.2.3.4\" gateway=\"9.9.9.9");
    QTest::newRow("quote in address") << c << "the IP address contains a double quote";
    c = designated();
    c.mask = QStringLiteral("255.255.255.0\x01");
    QTest::newRow("control in mask") << c << "the subnet mask contains a control";
    c = designated();
    c.gateway = QStringLiteral("1.1.1.1\n");
    QTest::newRow("line feed in gateway") << c << "the default gateway contains a control";
}

void tst_NetworkPlatform::unsafeFieldsRefused()
{
    QFETCH(AdapterConfig, config);
    QFETCH(QString, causeStart);
    for (auto apply : {applyWithNetsh, applyWithNmcli}) {
        FakeCommands fake;
        const ConfigOutcome outcome = apply(config, fake.runner());
        QVERIFY(!outcome.success);
        QVERIFY2(outcome.cause.startsWith(causeStart), qPrintable(outcome.cause));
        QVERIFY(fake.calls().isEmpty());
    }
}

void tst_NetworkPlatform::nmcliSequence_data()
{
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QStringList>("modify");
    QTest::newRow("designated") << false
                                << QStringList{"connection", "modify", Uuid, "ipv4.method", "manual",
                                               "ipv4.addresses", "192.168.1.20/24", "ipv4.gateway", "192.168.1.1"};
    QTest::newRow("dhcp") << true
                          << QStringList{"connection", "modify", Uuid, "ipv4.method", "auto",
                                         "ipv4.addresses", "", "ipv4.gateway", ""};
}

void tst_NetworkPlatform::nmcliSequence()
{
    QFETCH(bool, dhcp);
    QFETCH(QStringList, modify);
    FakeCommands fake;
    fake.reply = [](const CommandSpec &spec) {
        return FakeCommands::ok(spec.arguments.contains(QStringLiteral("--active")) ? ActiveConnections : "");
    };
    const ConfigOutcome outcome = applyWithNmcli(dhcp ? automatic("enp3s0") : designated("enp3s0"), fake.runner());
    QVERIFY2(outcome.success, qPrintable(outcome.cause));

    const QList<CommandSpec> calls = fake.calls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls.at(0).arguments, (QStringList{"-g", "UUID,DEVICE", "connection", "show", "--active"}));
    QCOMPARE(calls.at(1).arguments, modify);
    QCOMPARE(calls.at(2).arguments, (QStringList{"connection", "up", Uuid}));
    for (const CommandSpec &spec : calls) {
        QCOMPARE(spec.program, QStringLiteral("nmcli"));
        QVERIFY(spec.nativeArguments.isEmpty());
        QVERIFY(spec.environment.contains(qMakePair(QStringLiteral("LC_ALL"), QStringLiteral("C"))));
        QVERIFY(spec.timeoutMs > 0 && spec.timeoutMs <= 3000);
    }
}

void tst_NetworkPlatform::nmcliFailures_data()
{
    QTest::addColumn<AdapterConfig>("config");
    QTest::addColumn<CommandResult>("activeReply");
    QTest::addColumn<CommandResult>("modifyReply");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("calls");
    const CommandResult active = FakeCommands::ok(ActiveConnections);
    const CommandResult fine = FakeCommands::ok("");
    QTest::newRow("nmcli missing")
        << designated("enp3s0") << FakeCommands::notStarted() << fine
        << "nmcli could not be started; is NetworkManager's command-line tool installed? (No such file or directory)"
        << 1;
    QTest::newRow("NetworkManager not running")
        << designated("enp3s0") << FakeCommands::ok("", 8, "Error: NetworkManager is not running.\n") << fine
        << "Error: NetworkManager is not running." << 1;
    QTest::newRow("exit 8 without text") << designated("enp3s0") << FakeCommands::ok("", 8) << fine
                                         << "NetworkManager is not running" << 1;
    QTest::newRow("no profile on device") << designated("eth9") << active << fine
                                          << "no NetworkManager connection is active on eth9" << 1;
    QTest::newRow("permission refused")
        << automatic("enp3s0") << active
        << FakeCommands::ok("", 1, "Error: Failed to modify connection 'Wired': Insufficient privileges.\n")
        << "Error: Failed to modify connection 'Wired': Insufficient privileges." << 2;
    CommandResult timedOut = FakeCommands::ok("partial");
    timedOut.finished = false;
    QTest::newRow("timeout") << designated("enp3s0") << active << timedOut << "nmcli did not finish in time" << 2;
    AdapterConfig badMask = designated("enp3s0");
    badMask.mask = QStringLiteral("255.0.255.0");
    QTest::newRow("bad mask") << badMask << active << fine << "the subnet mask 255.0.255.0 is not valid" << 0;
}

void tst_NetworkPlatform::nmcliFailures()
{
    QFETCH(AdapterConfig, config);
    QFETCH(CommandResult, activeReply);
    QFETCH(CommandResult, modifyReply);
    QFETCH(QString, cause);
    QFETCH(int, calls);
    FakeCommands fake;
    fake.reply = [&](const CommandSpec &spec) {
        return spec.arguments.contains(QStringLiteral("--active")) ? activeReply : modifyReply;
    };
    const ConfigOutcome outcome = applyWithNmcli(config, fake.runner());
    QVERIFY(!outcome.success);
    QCOMPARE(outcome.cause, cause);
    QCOMPARE(fake.calls().size(), calls);
}

void tst_NetworkPlatform::maskPrefix_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("prefix");
    QTest::newRow("/24") << "255.255.255.0" << 24;
    QTest::newRow("/0") << "0.0.0.0" << 0;
    QTest::newRow("/32") << "255.255.255.255" << 32;
    QTest::newRow("/20") << "255.255.240.0" << 20;
    QTest::newRow("gap") << "255.0.255.0" << -1;
    QTest::newRow("low bit") << "255.255.255.1" << -1;
    QTest::newRow("empty segment") << "255.255..0" << -1;
    QTest::newRow("over 255") << "256.0.0.0" << -1;
    QTest::newRow("three parts") << "255.255.0" << -1;
}

void tst_NetworkPlatform::maskPrefix()
{
    QFETCH(QString, mask);
    QFETCH(int, prefix);
    QCOMPARE(prefixLengthOfMask(mask), prefix);
}

void tst_NetworkPlatform::terseOutputEscapes()
{
    const QByteArray output = "1111:eth0\\:1\n2222:eth0\n\n";
    QCOMPARE(activeConnectionUuid(output, QStringLiteral("eth0")), QStringLiteral("2222"));
    QCOMPARE(activeConnectionUuid(output, QStringLiteral("eth0:1")), QStringLiteral("1111"));
    QCOMPARE(activeConnectionUuid(output, QStringLiteral("eth")), QString());
}

void tst_NetworkPlatform::routeTable()
{
#if Q_BYTE_ORDER == Q_BIG_ENDIAN
    QSKIP("The sample table is the one a little-endian kernel prints");
#endif
    const QByteArray table =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
        "eth0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
        "eth0\t0001A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
        "eth0\t00000000\t FE01A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
        "wlan0\t00000000\t0100000A\t0003\t0\t0\t50\t00000000\t0\t0\t0\n"
        "eth1\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n"
        "garbage line\n";
    const QList<RouteEntry> routes = parseRouteTable(table);
    QCOMPARE(routes.size(), 5);
    QCOMPARE(routes.at(0).gateway.toString(), QStringLiteral("192.168.1.1"));
    QCOMPARE(routes.at(1).destination.toString(), QStringLiteral("192.168.1.0"));
    QCOMPARE(routes.at(1).mask.toString(), QStringLiteral("255.255.255.0"));
    // Lowest metric wins; a default route without the gateway flag does not count.
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("eth0")), QStringLiteral("192.168.1.254"));
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("wlan0")), QStringLiteral("10.0.0.1"));
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("eth1")), QString());
    QCOMPARE(defaultGatewayOf(routes, QStringLiteral("lo")), QString());
}

WIDGETDECK_NETWORK_TEST_MAIN(tst_NetworkPlatform)
#include "tst_networkplatform.moc"
