#include "fakecommands.h"

#include "qeditip.h"
#include "qmymessagebox.h"
#include "qokcancel.h"
#include "qwebsetclient.h"
#include "qwebsetthread.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

using namespace WidgetDeckNet;

namespace {

QNetworkAddressEntry entry(const QString &ip, const QString &mask)
{
    QNetworkAddressEntry e;
    e.setIp(QHostAddress(ip));
    e.setNetmask(QHostAddress(mask));
    return e;
}

template<typename T>
T *child(QWidget *panel, const char *name)
{
    T *found = panel->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("missing child %s", name);
    return found;
}

QPushButton *buttonWithText(QWidget *parent, const QString &text)
{
    for (QPushButton *b : parent->findChildren<QPushButton *>())
        if (b->text() == text && b->isVisibleTo(parent))
            return b;
    return nullptr;
}

// SigConfigOver comes from the worker; a QSignalSpy would record it on that thread, so the
// texts are collected through an ordinary (queued) connection on the GUI thread instead.
class OverCollector : public QObject
{
public:
    QStringList texts;
    explicit OverCollector(QWebSetClient *panel)
    {
        connect(panel, &QWebSetClient::SigConfigOver, this, [this](const QString &text) {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            texts << text;
        });
    }
};

// Closes every QMyMessageBox that comes up and records its title and message.
class BoxWatcher : public QObject
{
public:
    QStringList titles, texts;
    BoxWatcher()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMyMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            titles << box->title();
            texts << box->findChild<QLabel *>(QStringLiteral("labelTxt"))->text();
            box->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

} // namespace

class tst_WebSetClient : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void formAndObjectNames();
    void fillsFromSecondAddressEntry();
    void modesSwitchTheEditors();
    void proposedGateway_data();
    void proposedGateway();
    void applyOutcome_data();
    void applyOutcome();
    void slowCommandKeepsGuiResponsive();
    void destroyedWhileRunning();
    void unsafeAdapterNameNeverRuns();

private:
    void rebuild();
    void clickOk();

    QTranslator m_translator;
    QPointer<QWebSetClient> m_panel;
    FakeCommands m_fake;
    QList<Adapter> m_adapters;
    QMap<QString, QString> m_gateways;
    std::function<ConfigOutcome(const AdapterConfig &, const CommandRunner &)> m_apply;
};

void tst_WebSetClient::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(WIDGETDECK_QM_DIR "/tr_libwidgetdeck_en.qm")));
    QCoreApplication::installTranslator(&m_translator);
}

void tst_WebSetClient::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void tst_WebSetClient::init()
{
    m_fake.clear();
    m_adapters = {
        {QStringLiteral("Ethernet"),
         {entry("fe80::1", "ffff:ffff:ffff:ffff::"), entry("192.168.5.7", "255.255.0.0")}},
        {QStringLiteral("Single"), {entry("10.1.1.1", "255.0.0.0")}},
        {QStringLiteral("Twin"), {entry("1.1.1.1", "255.0.0.0"), entry("172.16.0.1", "255.255.0.0")}},
        {QStringLiteral("Twin"), {entry("1.1.1.1", "255.0.0.0"), entry("172.16.0.2", "255.255.0.0")}},
    };
    m_gateways = {{QStringLiteral("192.168.5.7"), QStringLiteral("192.168.5.254")}};
    m_apply = applyWithNetsh;
    rebuild();
}

void tst_WebSetClient::cleanup()
{
    delete m_panel.data();
}

// A panel whose view of the machine is the fixture's; Refresh re-reads the fake adapters.
void tst_WebSetClient::rebuild()
{
    delete m_panel.data();
    m_panel = new QWebSetClient;
    NetworkBackend &backend = QWebSetThread::of(m_panel)->backend();
    backend.listAdapters = [this] { return m_adapters; };
    backend.gatewayFor = [this](const QString &address) { return m_gateways.value(address); };
    backend.runCommand = m_fake.runner();
    backend.apply = [this](const AdapterConfig &config, const CommandRunner &run) { return m_apply(config, run); };
    QTest::mouseClick(buttonWithText(m_panel, QStringLiteral("Refresh")), Qt::LeftButton);
}

void tst_WebSetClient::clickOk()
{
    QPushButton *ok = buttonWithText(child<QOkCancel>(m_panel, "widgetOkCancel"), QStringLiteral("OK"));
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

void tst_WebSetClient::formAndObjectNames()
{
    QCOMPARE(m_panel->objectName(), QStringLiteral("TAB_WIDGET"));
    QCOMPARE(m_panel->size(), QSize(574, 370));
    QPushButton *refresh = buttonWithText(m_panel, QStringLiteral("Refresh"));
    QCOMPARE(refresh->objectName(), QStringLiteral("OKCANCEL"));
    QCOMPARE(refresh->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(child<QComboBox>(m_panel, "comboBoxSelectNet")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(child<QLabel>(m_panel, "label")->text(), QStringLiteral("Select NIC"));
    QCOMPARE(child<QGroupBox>(m_panel, "groupBoxIp")->title(), QStringLiteral("IP address settings"));
    QCOMPARE(child<QRadioButton>(m_panel, "radioButtonGetIpManual")->text(), QStringLiteral("Use designated"));
    QCOMPARE(child<QLabel>(m_panel, "label_6")->text(), QStringLiteral("Default gateway"));
    QVERIFY(child<QRadioButton>(m_panel, "radioButtonGetIpManual")->isChecked());
    QVERIFY(child<QGroupBox>(m_panel, "groupBoxDns")->isHidden());
    QVERIFY(!child<QRadioButton>(m_panel, "radioButtonGetDnsAuto")->isEnabled());
    QVERIFY(child<QRadioButton>(m_panel, "radioButtonGetDnsManual")->isChecked());
    QStringList visible;
    for (QPushButton *b : child<QOkCancel>(m_panel, "widgetOkCancel")->findChildren<QPushButton *>())
        if (b->isVisibleTo(m_panel))
            visible << b->text();
    QCOMPARE(visible, QStringList{QStringLiteral("OK")});
    QVERIFY(child<QLabel>(m_panel, "labelConfig")->text().isEmpty());
}

void tst_WebSetClient::fillsFromSecondAddressEntry()
{
    auto *combo = child<QComboBox>(m_panel, "comboBoxSelectNet");
    auto *address = child<QEditIP>(m_panel, "lineEditIpAddr");
    auto *mask = child<QEditIP>(m_panel, "lineEditSubnet");
    auto *gateway = child<QEditIP>(m_panel, "lineEditDefaultGateway");
    QCOMPARE(combo->count(), 4); // both adapters named Twin are listed
    QCOMPARE(combo->currentText(), QStringLiteral("Ethernet"));
    QCOMPARE(address->text(), QStringLiteral("192.168.5.7"));
    QCOMPARE(mask->text(), QStringLiteral("255.255.0.0"));
    QCOMPARE(gateway->text(), QStringLiteral("192.168.5.254"));

    // One address entry: the editors keep what they showed.
    combo->setCurrentIndex(1);
    QCOMPARE(address->text(), QStringLiteral("192.168.5.7"));
    // Either Twin shows the later one; its gateway is derived.
    combo->setCurrentIndex(2);
    QCOMPARE(address->text(), QStringLiteral("172.16.0.2"));
    QCOMPARE(gateway->text(), QStringLiteral("172.16.0.1"));

    // An adapter that stopped is gone after Refresh; one that stops before it is chosen is ignored.
    m_adapters.removeAt(1);
    QTest::mouseClick(buttonWithText(m_panel, QStringLiteral("Refresh")), Qt::LeftButton);
    QCOMPARE(combo->findText(QStringLiteral("Single")), -1);
    m_adapters.removeLast();
    m_adapters.removeLast();
    combo->setCurrentIndex(combo->findText(QStringLiteral("Twin")));
    QCOMPARE(address->text(), QStringLiteral("192.168.5.7"));
}

void tst_WebSetClient::modesSwitchTheEditors()
{
    auto *combo = child<QComboBox>(m_panel, "comboBoxSelectNet");
    auto *address = child<QEditIP>(m_panel, "lineEditIpAddr");
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel));

    QTest::mouseClick(child<QRadioButton>(m_panel, "radioButtonGetIpAuto"), Qt::LeftButton);
    for (const char *name : {"lineEditIpAddr", "lineEditSubnet", "lineEditDefaultGateway"}) {
        QVERIFY(!child<QEditIP>(m_panel, name)->isEnabled());
        QCOMPARE(child<QEditIP>(m_panel, name)->text(), QStringLiteral("..."));
    }
    QVERIFY(child<QRadioButton>(m_panel, "radioButtonGetDnsAuto")->isEnabled());
    combo->setCurrentIndex(2);
    QCOMPARE(address->text(), QStringLiteral("..."));

    QTest::mouseClick(child<QRadioButton>(m_panel, "radioButtonGetIpManual"), Qt::LeftButton);
    QVERIFY(address->isEnabled());
    QCOMPARE(address->text(), QStringLiteral("172.16.0.2"));
    QVERIFY(!child<QRadioButton>(m_panel, "radioButtonGetDnsAuto")->isEnabled());
}

void tst_WebSetClient::proposedGateway_data()
{
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::newRow("unknown address") << QStringList{"10", "0", "0", "5"} << "" << "255.255.255.0" << "10.0.0.1";
    QTest::newRow("adapter's own gateway") << QStringList{"10", "0", "0", "5"} << "10.0.0.254" << "255.255.255.0"
                                           << "10.0.0.254";
    QTest::newRow("reported as 0.0.0.0") << QStringList{"10", "0", "0", "5"} << "0.0.0.0" << "255.255.255.0"
                                         << "10.0.0.1";
    QTest::newRow("empty segment") << QStringList{"10", "", "0", "5"} << "" << "255.255.0.0" << "192.168.5.254";
}

void tst_WebSetClient::proposedGateway()
{
    QFETCH(QStringList, segments);
    QFETCH(QString, lookup);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    m_gateways.insert(segments.join(QLatin1Char('.')), lookup);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowActive(m_panel));

    auto *address = child<QEditIP>(m_panel, "lineEditIpAddr");
    const QList<QLineEdit *> fields = address->findChildren<QLineEdit *>();
    address->clear();
    for (int i = 0; i < 4; ++i) {
        fields.at(i)->setFocus();
        QTest::keyClicks(fields.at(i), segments.at(i));
    }
    fields.at(3)->setFocus();
    QTest::keyClick(fields.at(3), Qt::Key_Tab); // leaving the last segment proposes mask and gateway
    QCOMPARE(child<QEditIP>(m_panel, "lineEditSubnet")->text(), mask);
    QCOMPARE(child<QEditIP>(m_panel, "lineEditDefaultGateway")->text(), gateway);
}

void tst_WebSetClient::applyOutcome_data()
{
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("status");
    const QString designatedLine = QStringLiteral(
        "netsh interface ipv4 set address name = \"Ethernet\" source = static address = \"192.168.1.20\" "
        "mask = \"255.255.255.0\" gateway = \"192.168.1.1\"");
    QTest::newRow("success") << false << QByteArray("\r\n") << designatedLine
                             << "Configuration succeeded. IP: 192.168.1.20";
    QTest::newRow("error") << false << QByteArray("The parameter is incorrect.\r\n") << designatedLine
                           << "Configuration failed. Cause: The parameter is incorrect.\r\n";
    QTest::newRow("dhcp") << true << QByteArray("whatever")
                          << "netsh interface ip set address name=\"Ethernet\" source=dhcp" << "Configured.";
}

void tst_WebSetClient::applyOutcome()
{
    QFETCH(bool, dhcp);
    QFETCH(QByteArray, output);
    QFETCH(QString, commandLine);
    QFETCH(QString, status);
    QThread *ranOn = nullptr;
    m_fake.reply = [&](const CommandSpec &) {
        ranOn = QThread::currentThread();
        return FakeCommands::ok(output);
    };
    if (dhcp) {
        QTest::mouseClick(child<QRadioButton>(m_panel, "radioButtonGetIpAuto"), Qt::LeftButton);
    } else {
        QVERIFY(child<QEditIP>(m_panel, "lineEditIpAddr")->setText(QStringLiteral("192.168.1.20")));
        QVERIFY(child<QEditIP>(m_panel, "lineEditSubnet")->setText(QStringLiteral("255.255.255.0")));
        QVERIFY(child<QEditIP>(m_panel, "lineEditDefaultGateway")->setText(QStringLiteral("192.168.1.1")));
    }
    OverCollector over(m_panel);
    BoxWatcher boxes;
    clickOk();
    QTRY_COMPARE_WITH_TIMEOUT(over.texts, QStringList{status}, 5000);
    QTRY_COMPARE(boxes.texts, QStringList{status});
    QCOMPARE(boxes.titles, QStringList{QStringLiteral("Network settings")});
    QCOMPARE(child<QLabel>(m_panel, "labelConfig")->text(), status);
    QVERIFY(ranOn && ranOn != QThread::currentThread());
    const CommandSpec spec = m_fake.calls().value(0);
    QCOMPARE(spec.program + QLatin1Char(' ') + spec.nativeArguments, commandLine);
}

void tst_WebSetClient::slowCommandKeepsGuiResponsive()
{
    m_fake.delayMs = 600;
    m_fake.reply = [](const CommandSpec &) { return FakeCommands::ok("\r\n"); };
    auto *label = child<QLabel>(m_panel, "labelConfig");
    OverCollector over(m_panel);
    BoxWatcher boxes;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);

    clickOk();
    QTRY_COMPARE(label->text(), QStringLiteral("Configuring..."));
    // A second click during the run starts nothing and only clears the status line.
    clickOk();
    QCOMPARE(label->text(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(over.texts.size(), 1, 5000);
    QTRY_COMPARE(boxes.texts.size(), 1);
    QCOMPARE(label->text(), QStringLiteral("Configuration succeeded. IP: 192.168.5.7"));
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    QTest::qWait(100);
    QCOMPARE(m_fake.calls().size(), 1);
    QCOMPARE(over.texts.size(), 1);
    QCOMPARE(boxes.texts.size(), 1);
}

void tst_WebSetClient::destroyedWhileRunning()
{
    m_fake.delayMs = 500;
    BoxWatcher boxes;
    clickOk();
    QTRY_COMPARE(child<QLabel>(m_panel, "labelConfig")->text(), QStringLiteral("Configuring..."));
    delete m_panel.data(); // waits for the worker
    QCOMPARE(m_fake.calls().size(), 1);
    QTest::qWait(100);
    QVERIFY(boxes.texts.isEmpty());
}

void tst_WebSetClient::unsafeAdapterNameNeverRuns()
{
    m_adapters.prepend({QStringLiteral("Eth\" source=dhcp name=\"x"), {}});
    QTest::mouseClick(buttonWithText(m_panel, QStringLiteral("Refresh")), Qt::LeftButton);
    OverCollector over(m_panel);
    BoxWatcher boxes;
    clickOk();
    QTRY_COMPARE(over.texts,
                 QStringList{QStringLiteral("Configuration failed. Cause: the adapter name contains a double quote")});
    QVERIFY(m_fake.calls().isEmpty());
    QTRY_COMPARE(boxes.texts.size(), 1);
}

WIDGETDECK_NETWORK_TEST_MAIN(tst_WebSetClient)
#include "tst_websetclient.moc"
