// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "dialogdriver.h"
#include "fakecommands.h"

#include "qeditip.h"
#include "qmymessagebox.h"
#include "qwebsetclient.h"

#include <QtWidgets>

using namespace WidgetDeckNet;

namespace {
QNetworkAddressEntry entry(const char *ip, const char *mask)
{
    QNetworkAddressEntry e;
    e.setIp(QHostAddress(QLatin1String(ip)));
    e.setNetmask(QHostAddress(QLatin1String(mask)));
    return e;
}
} // namespace

class tst_WebSetClient : public QObject
{
    Q_OBJECT
    template<typename T>
    T *child(const char *name) { return m_panel->findChild<T *>(QLatin1String(name)); }
    void refresh() { QTest::mouseClick(visibleButton(m_panel, QStringLiteral("Refresh")), Qt::LeftButton); }
    void clickOk() { QTest::mouseClick(visibleButton(m_panel, QStringLiteral("OK")), Qt::LeftButton); }
    QStringList editors()
    {
        return {child<QEditIP>("lineEditIpAddr")->text(), child<QEditIP>("lineEditSubnet")->text(),
                child<QEditIP>("lineEditDefaultGateway")->text()};
    }

    QTranslator m_translator;
    QPointer<QWebSetClient> m_panel;
    FakeCommands m_fake;
    QList<Adapter> m_adapters;
    QMap<QString, QString> m_gateways;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_translator.load(QStringLiteral(WIDGETDECK_QM_DIR "/tr_libwidgetdeck_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    // A panel whose view of the machine is the fixture's; Refresh re-reads the fake adapters.
    void init()
    {
        m_fake.clear();
        m_adapters = {{"Ethernet", {entry("fe80::1", "ffff:ffff:ffff:ffff::"), entry("192.168.5.7", "255.255.0.0")}},
                      {"Single", {entry("10.1.1.1", "255.0.0.0")}},
                      {"Twin", {entry("1.1.1.1", "255.0.0.0"), entry("172.16.0.1", "255.255.0.0")}},
                      {"Twin", {entry("1.1.1.2", "255.0.0.0"), entry("172.16.0.2", "255.255.0.0")}}};
        m_gateways = {{"192.168.5.7", "192.168.5.254"}};
        // The Windows rules, checked on every platform.
        m_panel = createWebSetClient(m_fake.backend([this] { return m_adapters; },
                                                    [this](const QString &address) { return m_gateways.value(address); },
                                                    applyWithNetsh));
    }

    void cleanup() { delete m_panel.data(); }

    void editorsFollowAdapterAndMode()
    {
        auto *combo = child<QComboBox>("comboBoxSelectNet");
        QCOMPARE(combo->count(), 4); // both adapters named Twin are listed
        QCOMPARE(editors(), (QStringList{"192.168.5.7", "255.255.0.0", "192.168.5.254"})); // IPv6 entry first
        // Filling the editors leaves the keyboard in the adapter list.
        m_panel->show();
        QApplication::setActiveWindow(m_panel);
        QVERIFY(QTest::qWaitForWindowActive(m_panel));
        combo->setFocus();
        combo->setCurrentIndex(1); // IPv4 entry first, as Linux lists it
        QCOMPARE(editors().first(), QStringLiteral("10.1.1.1"));
        QCOMPARE(QApplication::focusWidget(), combo);
        combo->setCurrentIndex(2); // either Twin shows the later one
        QCOMPARE(editors().first(), QStringLiteral("1.1.1.2"));

        // A stopped adapter disappears on Refresh; one that stops before it is chosen, or has no
        // IPv4 entry, clears the editors: another adapter's values are never applied to it.
        m_adapters.removeAt(1);
        refresh();
        QCOMPARE(combo->findText(QStringLiteral("Single")), -1);
        m_adapters = {m_adapters.first(), {"V6", {entry("fe80::2", "ffff:ffff:ffff:ffff::")}}};
        combo->setCurrentIndex(combo->findText(QStringLiteral("Twin")));
        QCOMPARE(editors(), (QStringList{"...", "...", "..."}));
        combo->setCurrentIndex(0);
        refresh();
        combo->setCurrentIndex(combo->findText(QStringLiteral("V6")));
        QCOMPARE(editors(), (QStringList{"...", "...", "..."}));

        // The automatic mode empties and disables the editors until the designated one is back.
        QVERIFY(child<QRadioButton>("radioButtonGetIpManual")->isChecked());
        QTest::mouseClick(child<QRadioButton>("radioButtonGetIpAuto"), Qt::LeftButton);
        for (const char *name : {"lineEditIpAddr", "lineEditSubnet", "lineEditDefaultGateway"})
            QVERIFY(!child<QEditIP>(name)->isEnabled());
        combo->setCurrentIndex(0);
        QCOMPARE(editors(), (QStringList{"...", "...", "..."}));
        QTest::mouseClick(child<QRadioButton>("radioButtonGetIpManual"), Qt::LeftButton);
        for (const char *name : {"lineEditIpAddr", "lineEditSubnet", "lineEditDefaultGateway"})
            QVERIFY(child<QEditIP>(name)->isEnabled());
        QCOMPARE(editors().first(), QStringLiteral("192.168.5.7"));
    }

    // In a host dialog the bar's OK is the default; Return or Enter on a focused Refresh re-reads
    // the adapters and applies nothing.
    void refreshAnswersItsOwnReturn()
    {
        QDialog host;
        auto *layout = new QVBoxLayout(&host);
        m_panel->setParent(&host);
        layout->addWidget(m_panel);
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
        QPushButton *refresh = visibleButton(m_panel, QStringLiteral("Refresh"));
        QVERIFY(visibleButton(m_panel, QStringLiteral("OK"))->isDefault());
        for (const auto key : {qMakePair(Qt::Key_Return, Qt::NoModifier), qMakePair(Qt::Key_Enter, Qt::KeypadModifier)}) {
            m_adapters.append(Adapter{QString::number(key.first), {}});
            refresh->setFocus(Qt::TabFocusReason);
            QTest::keyClick(refresh, key.first, key.second);
            QVERIFY(child<QComboBox>("comboBoxSelectNet")->findText(QString::number(key.first)) >= 0);
            QVERIFY(!refresh->isDefault());
        }
        QTest::qWait(50);
        QVERIFY(m_fake.calls().isEmpty());
        QVERIFY(host.isVisible());
    }

    void proposedGateway_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QString>("maskAndGateway");
        QTest::newRow("unknown address") << "10.0.0.5" << "" << "255.255.255.0 10.0.0.1";
        QTest::newRow("adapter's own gateway") << "10.0.0.5" << "10.0.0.254" << "255.255.255.0 10.0.0.254";
        QTest::newRow("reported as 0.0.0.0") << "10.0.0.5" << "0.0.0.0" << "255.255.255.0 10.0.0.1";
        QTest::newRow("empty segment") << "10..0.5" << "" << "255.255.0.0 192.168.5.254";
    }

    void proposedGateway()
    {
        QFETCH(QString, typed);
        QFETCH(QString, lookup);
        QFETCH(QString, maskAndGateway);
        m_gateways.insert(typed, lookup);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel));
        auto *address = child<QEditIP>("lineEditIpAddr");
        const QList<QLineEdit *> fields = address->findChildren<QLineEdit *>();
        address->clear();
        for (int i = 0; i < 4; ++i) {
            fields.at(i)->setFocus();
            QTest::keyClicks(fields.at(i), typed.section(QLatin1Char('.'), i, i));
        }
        QTest::keyClick(fields.at(3), Qt::Key_Tab); // leaving the last segment proposes mask and gateway
        QCOMPARE(editors().mid(1).join(QLatin1Char(' ')), maskAndGateway);
    }

    void applyOutcome_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("status");
        QTest::newRow("success") << false << QByteArray("\r\n") << "Configuration succeeded. IP: 192.168.1.20";
        QTest::newRow("error") << false << QByteArray("Not found.\r\n") << "Configuration failed. Cause: Not found.\r\n";
        QTest::newRow("dhcp") << true << QByteArray("whatever") << "Configured.";
    }

    void applyOutcome()
    {
        QFETCH(bool, dhcp);
        QFETCH(QByteArray, output);
        QFETCH(QString, status);
        m_fake.delayMs = 400;
        m_fake.reply = [&output](const CommandSpec &) { return FakeCommands::ok(output); };
        if (dhcp)
            QTest::mouseClick(child<QRadioButton>("radioButtonGetIpAuto"), Qt::LeftButton);
        else
            QVERIFY(child<QEditIP>("lineEditIpAddr")->setText(QStringLiteral("192.168.1.20")));
        auto *label = child<QLabel>("labelConfig");
        // The signal is taken on the GUI thread (a QSignalSpy would record it on the worker); every
        // box that comes up is closed and recorded as "title|text".
        QStringList signalled, boxes;
        QTimer closer;
        connect(m_panel, &QWebSetClient::SigConfigOver, &closer, [&signalled](const QString &text) { signalled << text; });
        connect(&closer, &QTimer::timeout, [&boxes] {
            if (auto *box = qobject_cast<QMyMessageBox *>(QApplication::activeModalWidget())) {
                boxes << box->title() + QLatin1Char('|') + box->findChild<QLabel *>(QStringLiteral("labelTxt"))->text();
                box->close();
            }
        });
        closer.start(10);
        clickOk();
        QTRY_COMPARE(label->text(), QStringLiteral("Configuring..."));
        clickOk(); // during the run: starts nothing, only clears the status line
        QCOMPARE(label->text(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(boxes, QStringList{"Network settings|" + status}, 5000);
        QCOMPARE(signalled, QStringList{status});
        QCOMPARE(label->text(), status);
        QTest::qWait(100);
        QCOMPARE(m_fake.calls().size(), 1);
        QCOMPARE(boxes.size(), 1);
    }
};

QTEST_MAIN(tst_WebSetClient)
#include "tst_websetclient.moc"
