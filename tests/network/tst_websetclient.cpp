// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "fakecommands.h"

#include "qeditip.h"
#include "qmymessagebox.h"
#include "qokcancel.h"
#include "qwebsetclient.h"

#include <QDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace WidgetDeckNet;

namespace {
QNetworkAddressEntry entry(const char *ip, const char *mask)
{
    QNetworkAddressEntry e;
    e.setIp(QHostAddress(QLatin1String(ip)));
    e.setNetmask(QHostAddress(QLatin1String(mask)));
    return e;
}

QPushButton *button(QWidget *parent, const char *text)
{
    for (QPushButton *b : parent->findChildren<QPushButton *>())
        if (b->text() == QLatin1String(text) && b->isVisibleTo(parent))
            return b;
    qFatal("no button %s", text);
}

// Collects SigConfigOver on the GUI thread (a QSignalSpy would record it on the worker) and
// closes every message box that comes up, recording "title|text".
class Outcome : public QObject
{
public:
    QStringList signalled, boxes;
    explicit Outcome(QWebSetClient *panel)
    {
        connect(panel, &QWebSetClient::SigConfigOver, this, [this](const QString &text) { signalled << text; });
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMyMessageBox *>(QApplication::activeModalWidget())) {
                boxes << box->title() + QLatin1Char('|') + box->findChild<QLabel *>(QStringLiteral("labelTxt"))->text();
                box->close();
            }
        });
        m_timer.start(10);
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
    void init();
    void cleanup();
    void formAndObjectNames();
    void fillsFromFirstIPv4Entry();
    void modesSwitchTheEditors();
    void refreshAnswersItsOwnReturn();
    void proposedGateway_data();
    void proposedGateway();
    void applyOutcome_data();
    void applyOutcome();

private:
    template<typename T>
    T *child(const char *name) { return m_panel->findChild<T *>(QLatin1String(name)); }
    void refresh() { QTest::mouseClick(button(m_panel, "Refresh"), Qt::LeftButton); }
    void clickOk() { QTest::mouseClick(button(child<QOkCancel>("widgetOkCancel"), "OK"), Qt::LeftButton); }

    QTranslator m_translator;
    QPointer<QWebSetClient> m_panel;
    FakeCommands m_fake;
    QList<Adapter> m_adapters;
    QMap<QString, QString> m_gateways;
};

void tst_WebSetClient::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(WIDGETDECK_QM_DIR "/tr_libwidgetdeck_en.qm")));
    QCoreApplication::installTranslator(&m_translator);
}

// A panel whose view of the machine is the fixture's; Refresh re-reads the fake adapters.
void tst_WebSetClient::init()
{
    m_fake.clear();
    m_adapters = {{"Ethernet", {entry("fe80::1", "ffff:ffff:ffff:ffff::"), entry("192.168.5.7", "255.255.0.0")}},
                  {"Single", {entry("10.1.1.1", "255.0.0.0")}},
                  {"Twin", {entry("1.1.1.1", "255.0.0.0"), entry("172.16.0.1", "255.255.0.0")}},
                  {"Twin", {entry("1.1.1.1", "255.0.0.0"), entry("172.16.0.2", "255.255.0.0")}}};
    m_gateways = {{"192.168.5.7", "192.168.5.254"}};
    // The Windows rules, checked on every platform.
    m_panel = createWebSetClient(m_fake.backend([this] { return m_adapters; },
                                                [this](const QString &address) { return m_gateways.value(address); },
                                                applyWithNetsh));
}

void tst_WebSetClient::cleanup() { delete m_panel.data(); }

// The style-sheet hooks, the designated mode and the bar showing OK only; nested layouts do
// not inherit their parents' 20 and 10.
void tst_WebSetClient::formAndObjectNames()
{
    QCOMPARE(m_panel->objectName(), QStringLiteral("TAB_WIDGET"));
    QCOMPARE(button(m_panel, "Refresh")->objectName(), QStringLiteral("OKCANCEL"));
    QVERIFY(child<QRadioButton>("radioButtonGetIpManual")->isChecked());
    QVERIFY(child<QGroupBox>("groupBoxDns")->isHidden());
    for (const char *name : {"horizontalLayout", "horizontalLayout_6", "horizontalLayout_7", "horizontalLayout_2"})
        QCOMPARE(m_panel->findChild<QLayout *>(QLatin1String(name))->spacing(), 6);
    QCOMPARE(m_panel->findChild<QGridLayout *>(QStringLiteral("gridLayout"))->verticalSpacing(), 6);
    for (QPushButton *b : child<QOkCancel>("widgetOkCancel")->findChildren<QPushButton *>())
        QCOMPARE(b->isVisibleTo(m_panel), b->text() == QLatin1String("OK"));
}

void tst_WebSetClient::fillsFromFirstIPv4Entry()
{
    auto *combo = child<QComboBox>("comboBoxSelectNet");
    auto *address = child<QEditIP>("lineEditIpAddr");
    const auto shown = [this, address] {
        return QStringList{address->text(), child<QEditIP>("lineEditSubnet")->text(),
                           child<QEditIP>("lineEditDefaultGateway")->text()};
    };
    QCOMPARE(combo->count(), 4); // both adapters named Twin are listed
    QCOMPARE(shown(), (QStringList{"192.168.5.7", "255.255.0.0", "192.168.5.254"})); // IPv6 entry first
    // Filling the editors leaves the keyboard in the adapter list.
    m_panel->show();
    QApplication::setActiveWindow(m_panel);
    QVERIFY(QTest::qWaitForWindowActive(m_panel));
    combo->setFocus();
    combo->setCurrentIndex(1); // IPv4 entry first, as Linux lists it
    QCOMPARE(shown().first(), QStringLiteral("10.1.1.1"));
    QCOMPARE(QApplication::focusWidget(), combo);
    combo->setCurrentIndex(2); // either Twin shows the later one
    QCOMPARE(shown().first(), QStringLiteral("1.1.1.1"));

    // A stopped adapter disappears on Refresh; one that stops before it is chosen, or has no
    // IPv4 entry, clears the editors: another adapter's values are never applied to it.
    m_adapters.removeAt(1);
    refresh();
    QCOMPARE(combo->findText(QStringLiteral("Single")), -1);
    m_adapters = {m_adapters.first(), {"V6", {entry("fe80::2", "ffff:ffff:ffff:ffff::")}}};
    combo->setCurrentIndex(combo->findText(QStringLiteral("Twin")));
    QCOMPARE(shown(), (QStringList{"...", "...", "..."}));
    combo->setCurrentIndex(0);
    refresh();
    combo->setCurrentIndex(combo->findText(QStringLiteral("V6")));
    QCOMPARE(shown(), (QStringList{"...", "...", "..."}));
}

void tst_WebSetClient::modesSwitchTheEditors()
{
    m_panel->show();
    QTest::mouseClick(child<QRadioButton>("radioButtonGetIpAuto"), Qt::LeftButton);
    for (const char *name : {"lineEditIpAddr", "lineEditSubnet", "lineEditDefaultGateway"}) {
        QVERIFY(!child<QEditIP>(name)->isEnabled());
        QCOMPARE(child<QEditIP>(name)->text(), QStringLiteral("..."));
    }
    child<QComboBox>("comboBoxSelectNet")->setCurrentIndex(2);
    QCOMPARE(child<QEditIP>("lineEditIpAddr")->text(), QStringLiteral("..."));
    QTest::mouseClick(child<QRadioButton>("radioButtonGetIpManual"), Qt::LeftButton);
    QVERIFY(child<QEditIP>("lineEditIpAddr")->isEnabled());
    QCOMPARE(child<QEditIP>("lineEditIpAddr")->text(), QStringLiteral("1.1.1.1"));
}

// In a host dialog the bar's OK is the default; Return on a focused Refresh re-reads the
// adapters and applies nothing.
void tst_WebSetClient::refreshAnswersItsOwnReturn()
{
    QDialog host;
    auto *layout = new QVBoxLayout(&host);
    m_panel->setParent(&host);
    layout->addWidget(m_panel);
    host.show();
    QApplication::setActiveWindow(&host);
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QPushButton *refresh = button(m_panel, "Refresh");
    QVERIFY(button(child<QOkCancel>("widgetOkCancel"), "OK")->isDefault());
    m_adapters.append(Adapter{"Later", {}});
    refresh->setFocus(Qt::TabFocusReason);
    QTest::keyClick(refresh, Qt::Key_Return);
    QVERIFY(child<QComboBox>("comboBoxSelectNet")->findText(QStringLiteral("Later")) >= 0);
    QVERIFY(!refresh->isDefault());
    QTest::qWait(50);
    QVERIFY(m_fake.calls().isEmpty());
    QVERIFY(host.isVisible());
}

void tst_WebSetClient::proposedGateway_data()
{
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("maskAndGateway");
    const QStringList typed = {"10", "0", "0", "5"};
    QTest::newRow("unknown address") << typed << "" << "255.255.255.0 10.0.0.1";
    QTest::newRow("adapter's own gateway") << typed << "10.0.0.254" << "255.255.255.0 10.0.0.254";
    QTest::newRow("reported as 0.0.0.0") << typed << "0.0.0.0" << "255.255.255.0 10.0.0.1";
    QTest::newRow("empty segment") << QStringList{"10", "", "0", "5"} << "" << "255.255.0.0 192.168.5.254";
}

void tst_WebSetClient::proposedGateway()
{
    QFETCH(QStringList, segments);
    QFETCH(QString, lookup);
    QFETCH(QString, maskAndGateway);
    m_gateways.insert(segments.join(QLatin1Char('.')), lookup);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowActive(m_panel));
    auto *address = child<QEditIP>("lineEditIpAddr");
    const QList<QLineEdit *> fields = address->findChildren<QLineEdit *>();
    address->clear();
    for (int i = 0; i < 4; ++i) {
        fields.at(i)->setFocus();
        QTest::keyClicks(fields.at(i), segments.at(i));
    }
    fields.at(3)->setFocus();
    QTest::keyClick(fields.at(3), Qt::Key_Tab); // leaving the last segment proposes mask and gateway
    QCOMPARE(child<QEditIP>("lineEditSubnet")->text() + QLatin1Char(' ') + child<QEditIP>("lineEditDefaultGateway")->text(),
             maskAndGateway);
}

void tst_WebSetClient::applyOutcome_data()
{
    QTest::addColumn<QString>("adapter");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("status");
    QTest::newRow("success") << "Ethernet" << false << QByteArray("\r\n") << "Configuration succeeded. IP: 192.168.1.20";
    QTest::newRow("error") << "Ethernet" << false << QByteArray("Element not found.\r\n")
                           << "Configuration failed. Cause: Element not found.\r\n";
    QTest::newRow("dhcp") << "Ethernet" << true << QByteArray("whatever") << "Configured.";
}

void tst_WebSetClient::applyOutcome()
{
    QFETCH(QString, adapter);
    QFETCH(bool, dhcp);
    QFETCH(QByteArray, output);
    QFETCH(QString, status);
    QThread *ranOn = nullptr;
    m_fake.delayMs = 400;
    m_fake.reply = [&](const CommandSpec &) {
        ranOn = QThread::currentThread();
        return FakeCommands::ok(output);
    };
    m_adapters.prepend({adapter, {}});
    refresh();
    if (dhcp)
        QTest::mouseClick(child<QRadioButton>("radioButtonGetIpAuto"), Qt::LeftButton);
    else
        QVERIFY(child<QEditIP>("lineEditIpAddr")->setText(QStringLiteral("192.168.1.20")));
    auto *label = child<QLabel>("labelConfig");
    Outcome outcome(m_panel);
    int ticks = 0; // the GUI thread keeps running while the command does
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    clickOk();
    QTRY_COMPARE(label->text(), QStringLiteral("Configuring..."));
    clickOk(); // during the run: starts nothing, only clears the status line
    QCOMPARE(label->text(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(outcome.boxes, QStringList{"Network settings|" + status}, 5000);
    QCOMPARE(outcome.signalled, QStringList{status});
    QCOMPARE(label->text(), status);
    QVERIFY(ranOn && ranOn != QThread::currentThread());
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    QTest::qWait(100);
    QCOMPARE(m_fake.calls().size(), 1);
    QCOMPARE(outcome.boxes.size(), 1);
}

WIDGETDECK_NETWORK_TEST_MAIN(tst_WebSetClient)
#include "tst_websetclient.moc"
