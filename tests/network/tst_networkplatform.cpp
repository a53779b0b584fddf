// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The exact command lines of both tools, which input is refused, and that no value escapes its
// argument are checked by fuzz_netcommands over its seeds; here: how outcomes are read.

#include "fakecommands.h"

using namespace WidgetDeckNet;

namespace {

enum Backend { Netsh, Nmcli };

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
private Q_SLOTS:
    void initTestCase();
    void outcome_data();
    void outcome();
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

void tst_NetworkPlatform::outcome_data()
{
    QTest::addColumn<Backend>("backend");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QList<CommandResult>>("replies"); // one per command that must run, in order
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("cause");
    const CommandResult active = result(Active);
    CommandResult missing;
    missing.errorString = QStringLiteral("No such file or directory");
    using R = QList<CommandResult>;
    // netsh answers a change with one empty line; anything else is the cause, as printed.
    QTest::newRow("netsh empty line") << Netsh << false << R{result("\r\n")} << true << "";
    QTest::newRow("netsh two lines") << Netsh << false << R{result("\r\n\r\n")} << false << "\r\n\r\n";
    QTest::newRow("netsh missing, dhcp") << Netsh << true << R{missing} << false
                                   << "netsh could not be started (No such file or directory)";
    QTest::newRow("netsh dhcp, any output") << Netsh << true << R{result("DHCP is already enabled.")} << true << "";
    QTest::newRow("nmcli exit 8, silent") << Nmcli << false << R{result("", 8)} << false << "NetworkManager is not running";
    QTest::newRow("nmcli no profile") << Nmcli << false << R{result("\n")} << false
                                      << "no NetworkManager connection is active on Ethernet";
    QTest::newRow("nmcli refused") << Nmcli << true << R{active, FakeCommands::ok("", 1, "Error: denied.\n")} << false
                                   << "Error: denied.";
    QTest::newRow("nmcli too slow") << Nmcli << false << R{active, result("partial", 0, false)} << false
                                    << "nmcli did not finish in time";
    QTest::newRow("nmcli up fails") << Nmcli << false << R{active, result(""), FakeCommands::ok("", 4, "Error: no carrier.")}
                                    << false << "Error: no carrier.";
    // The profile is changed by then; a slow activation is no failure.
    QTest::newRow("nmcli still activating") << Nmcli << false << R{active, result(""), result("", 0, false)} << true
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
    const AdapterConfig input{QStringLiteral("Ethernet"), dhcp, QStringLiteral("192.168.1.20"),
                              QStringLiteral("255.255.255.0"), QStringLiteral("192.168.1.1")};
    const ConfigOutcome outcome = backend == Netsh ? applyWithNetsh(input, fake.runner())
                                                   : applyWithNmcli(input, fake.runner());
    QCOMPARE(outcome.success, success);
    QCOMPARE(outcome.cause, cause);
    QCOMPARE(fake.calls().size(), replies.size());
}

// Which default route wins is fuzz_routetable's invariant; here every field is read from its column.
void tst_NetworkPlatform::routeTable()
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

WIDGETDECK_NETWORK_TEST_MAIN(tst_NetworkPlatform)
#include "tst_networkplatform.moc"
