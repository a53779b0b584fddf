// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The exact command lines of both tools, which input is refused, and that no value escapes its
// argument are checked by fuzz_netcommands over its seeds; here: which cause an outcome gives.

#include "fakecommands.h"

using namespace WidgetDeckNet;

namespace {

enum Backend { Netsh, Nmcli };

// Form values as "adapter|address|mask|gateway"; a name alone is the automatic mode.
const QString Static = QStringLiteral("Ethernet|192.168.1.20|255.255.255.0|192.168.1.1");
const QString Dhcp = QStringLiteral("Ethernet");

// nmcli's answer to the device's own profile query; lines that are no UUID are skipped.
const QByteArray Active = "a b\n7f3e-aaaa\n";

CommandResult result(const QByteArray &output, int exitCode = 0, bool finished = true)
{
    CommandResult result = FakeCommands::ok(output, exitCode);
    result.finished = finished;
    return result;
}

} // namespace

Q_DECLARE_METATYPE(WidgetDeckNet::CommandResult)
Q_DECLARE_METATYPE(Backend)

class tst_NetworkPlatform : public QObject
{
    Q_OBJECT
    QTranslator m_translator;

private Q_SLOTS:
    // The causes are the catalogue's English texts.
    void initTestCase()
    {
        QVERIFY(m_translator.load(QStringLiteral(WIDGETDECK_QM_DIR "/tr_libwidgetdeck_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void outcome_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QList<CommandResult>>("replies"); // one per command that must run, in order
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("cause");
        const CommandResult active = result(Active);
        CommandResult missing;
        missing.errorString = QStringLiteral("No such file or directory");
        CommandResult crashed = missing;
        crashed.started = crashed.finished = crashed.crashed = true;
        using R = QList<CommandResult>;
        // Refused before any command runs: the first failing check names its field and value.
        QTest::newRow("quote in name") << Nmcli << "E\"" << R{} << false << "the adapter name contains a double quote";
        QTest::newRow("no adapter") << Nmcli << "" << R{} << false << "no network adapter is selected";
        QTest::newRow("quote in address") << Nmcli << "E|\"||" << R{} << false << "the IP address contains a double quote";
        QTest::newRow("control in mask") << Nmcli << "E||\x01|" << R{} << false
                                         << "the subnet mask contains a control character (U+0001)";
        QTest::newRow("quote in gateway") << Nmcli << "E|||\"" << R{} << false << "the default gateway contains a double quote";
        QTest::newRow("blank form") << Nmcli << "E|...|...|..." << R{} << false << "the IP address is missing";
        QTest::newRow("no mask") << Nmcli << "E|1.2.3.4||" << R{} << false << "the subnet mask is missing";
        QTest::newRow("mask gap") << Nmcli << "E|x|0.255.0.0|" << R{} << false << "the subnet mask 0.255.0.0 is not valid";
        QTest::newRow("host mask") << Nmcli << "E|10.0.0.5|255.255.255.255|" << R{active, result(""), result("")} << true << "";
        QTest::newRow("bad address") << Nmcli << "E|x|255.0.0.0|" << R{} << false << "the IP address x is not valid";
        QTest::newRow("bad gateway") << Nmcli << "E|0.0.0.0|0.0.0.0|x" << R{} << false << "the default gateway x is not valid";
        QTest::newRow("backslash name") << Netsh << "E\\" << R{} << false << "the adapter name ends with a backslash";
        QTest::newRow("backslash value") << Netsh << "E|||x\\" << R{} << false << "the address x\\ ends with a backslash";
        // netsh answers a change with one empty line; anything else is the cause, as printed.
        QTest::newRow("netsh empty line") << Netsh << Static << R{result("\r\n")} << true << "";
        QTest::newRow("netsh two lines") << Netsh << Static << R{result("\r\n\r\n")} << false << "\r\n\r\n";
        QTest::newRow("netsh missing, dhcp") << Netsh << Dhcp << R{missing} << false
                                       << "netsh could not be started (No such file or directory)";
        QTest::newRow("netsh dhcp, any output") << Netsh << Dhcp << R{result("DHCP is already enabled.")} << true << "";
        QTest::newRow("nmcli missing") << Nmcli << Static << R{missing} << false
            << "nmcli could not be started; is NetworkManager's command-line tool installed? (No such file or directory)";
        QTest::newRow("nmcli exit 8, silent") << Nmcli << Static << R{result("", 8)} << false << "NetworkManager is not running";
        QTest::newRow("nmcli exit 3") << Nmcli << Static << R{active, result("", 3)} << false << "nmcli timed out";
        QTest::newRow("nmcli exit 4") << Nmcli << Static << R{result("", 4)} << false << "nmcli failed with exit code 4";
        QTest::newRow("nmcli no profile") << Nmcli << Static << R{result("\n")} << false
                                          << "no NetworkManager connection is active on Ethernet";
        QTest::newRow("nmcli refused") << Nmcli << Dhcp << R{active, FakeCommands::ok("", 1, "Error: denied.\n")} << false
                                       << "Error: denied.";
        QTest::newRow("nmcli error on stdout") << Nmcli << Static << R{active, result(" Error: bad.\n", 2)} << false
                                               << "Error: bad.";
        QTest::newRow("nmcli too slow") << Nmcli << Static << R{active, result("partial", 0, false)} << false
                                        << "nmcli did not finish in time";
        QTest::newRow("nmcli crashed") << Nmcli << Static << R{active, crashed} << false
                                       << "nmcli stopped unexpectedly (No such file or directory)";
        QTest::newRow("nmcli up fails") << Nmcli << Static << R{active, result(""), FakeCommands::ok("", 4, "Error: no carrier.")}
                                        << false << "Error: no carrier.";
        // The profile is changed by then; a slow activation is no failure.
        QTest::newRow("nmcli still activating") << Nmcli << Static << R{active, result(""), result("", 0, false)} << true
                                                << "the settings were saved; the connection is still being activated";
    }

    void outcome()
    {
        QFETCH(Backend, backend);
        QFETCH(QString, form);
        QFETCH(QList<CommandResult>, replies);
        QFETCH(bool, success);
        QFETCH(QString, cause);
        FakeCommands fake;
        int step = 0;
        fake.reply = [&](const CommandSpec &) { return replies.value(step++, FakeCommands::ok("")); };
        const QStringList fields = form.split(QLatin1Char('|'));
        const AdapterConfig input{fields.at(0), fields.size() == 1, fields.value(1), fields.value(2), fields.value(3)};
        const ConfigOutcome outcome = backend == Netsh ? applyWithNetsh(input, fake.runner())
                                                       : applyWithNmcli(input, fake.runner());
        QCOMPARE(outcome.success, success);
        QCOMPARE(outcome.cause, cause);
        QCOMPARE(fake.calls().size(), replies.size());
    }

    // Which default route wins is fuzz_routetable's invariant; here every field is read from its column.
    void routeTable()
    {
#if Q_BYTE_ORDER == Q_BIG_ENDIAN
        QSKIP("The sample table is the one a little-endian kernel prints");
#endif
        // The header, a full line, the shortest line read, garbage, and a NUL, which would cut the
        // name to "eth0" and lend that route to eth0.
        const char table[] = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
                             "eth0\t0001A8C0\t0101A8C0\t0003\t0\t0\t600\t00FFFFFF\t0\t0\t0\n"
                             "wlan0 00000000 0200000A 0001 5 6 7 00000000\n"
                             "garbage line\n"
                             "eth0\0x\t00000000\t0901A8C0\t0003\t0\t0\t1\t00000000\t0\t0\t0\n";
        QStringList parsed;
        for (const RouteEntry &route : parseRouteTable(QByteArray(table, sizeof(table) - 1)))
            parsed << QStringLiteral("%1 %2 %3 %4 %5 %6")
                          .arg(route.interfaceName, route.destination.toString(), route.gateway.toString(), route.mask.toString())
                          .arg(route.flags)
                          .arg(route.metric);
        QCOMPARE(parsed, (QStringList{"eth0 192.168.1.0 192.168.1.1 255.255.255.0 3 600",
                                      "wlan0 0.0.0.0 10.0.0.2 0.0.0.0 1 7"}));
    }
};

QTEST_MAIN(tst_NetworkPlatform)
#include "tst_networkplatform.moc"
