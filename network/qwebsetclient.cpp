// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qwebsetclient.h"
#include "qwebsetclient_p.h"
#include "ui_qwebsetclient.h"

#include "qmymessagebox.h"
#include "qwebsetthread.h"

#include "ipv4text_p.h"
#include "networklogging_p.h"
#include "qeditip_p.h"
#include "widgetdeckbuttonkeys_p.h"

#include <QList>
#include <QMap>
#include <QNetworkAddressEntry>
#include <QPointer>

#include <utility>

using namespace WidgetDeckNet;

class QWebSetClientPrivate
{
public:
    explicit QWebSetClientPrivate(NetworkBackend backend)
        : worker(std::move(backend))
    {
    }

    Ui::QWebSetClient form;
    Ui::QWebSetClient *const ui = &form;
    QWebSetThread worker;
    // Address entries of the accepted adapters, keyed by human-readable name.
    QMap<QString, QList<QNetworkAddressEntry>> netCards;
};

namespace {

// Reaches the protected constructor for the internal factory.
class InjectedWebSetClient : public QWebSetClient
{
public:
    InjectedWebSetClient(std::unique_ptr<QWebSetClientPrivate> dd, QWidget *parent)
        : QWebSetClient(std::move(dd), parent)
    {
    }
};

AdapterConfig formValues(const Ui::QWebSetClient *ui)
{
    AdapterConfig config;
    config.adapter = ui->comboBoxSelectNet->currentText();
    config.dhcp = ui->radioButtonGetIpAuto->isChecked();
    config.address = ui->lineEditIpAddr->text();
    config.mask = ui->lineEditSubnet->text();
    config.gateway = ui->lineEditDefaultGateway->text();
    return config;
}

} // namespace

QWebSetClient *WidgetDeckNet::createWebSetClient(const NetworkBackend &backend, QWidget *parent)
{
    return new InjectedWebSetClient(std::make_unique<QWebSetClientPrivate>(backend), parent);
}

QWebSetClient::QWebSetClient(QWidget *parent)
    : QWebSetClient(std::make_unique<QWebSetClientPrivate>(systemBackend()), parent)
{
}

QWebSetClient::QWebSetClient(std::unique_ptr<QWebSetClientPrivate> dd, QWidget *parent)
    : QBaseStyleWidget(parent)
    , d(std::move(dd))
{
    d->ui->setupUi(this);
    init();
    connectSignals();
    on_pushButtonRefresh_clicked();
    d->worker.setClient(this);
}

QWebSetClient::~QWebSetClient()
{
    // setWeb() may still be running on the worker; it must not outlive the panel.
    d->worker.wait();
}

void QWebSetClient::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString status = d->ui->labelConfig->text();
        d->ui->retranslateUi(this);
        d->ui->labelConfig->setText(status);
    }
    QBaseStyleWidget::changeEvent(event);
}

void QWebSetClient::init()
{
    setObjectName(QStringLiteral("TAB_WIDGET"));
    d->ui->pushButtonRefresh->setObjectName(QStringLiteral("OKCANCEL"));
    d->ui->pushButtonRefresh->setAutoDefault(false);
    // Not auto-default (a dialog would make it its default, and Return in any editor would
    // re-read the adapters); focused, it still answers Return itself, not the dialog's default.
    WidgetDeckPrivate::claimButtonKeys(d->ui->pushButtonRefresh);
    d->ui->radioButtonGetIpManual->setChecked(true);
    d->ui->radioButtonGetDnsAuto->setEnabled(false);
    d->ui->radioButtonGetDnsManual->setChecked(true);
    d->ui->widgetOkCancel->setConfirmBtnType(CONFIRM_BTN_OK);
    d->ui->groupBoxDns->hide();
}

void QWebSetClient::connectSignals()
{
    connect(d->ui->comboBoxSelectNet, &QComboBox::currentTextChanged, this, &QWebSetClient::onNetCardChanged);
    connect(d->ui->widgetOkCancel, &QOkCancel::SigOk, this, &QWebSetClient::onApplyButtonclicked);
    connect(d->ui->radioButtonGetIpAuto, &QRadioButton::clicked, this, &QWebSetClient::onAutoIPButtonclicked);
    connect(d->ui->radioButtonGetIpManual, &QRadioButton::clicked, this, &QWebSetClient::onSpIpButtonclicked);
    connect(d->ui->lineEditIpAddr, &QEditIP::editingFinished, this, &QWebSetClient::onIpEditFinished);
    connect(this, &QWebSetClient::SigConfigOver, this, &QWebSetClient::onConfigOver);
}

void QWebSetClient::on_pushButtonRefresh_clicked()
{
    d->ui->comboBoxSelectNet->clear();
    d->netCards.clear();
    showNetCard();
}

void QWebSetClient::showNetCard()
{
    QStringList names;
    const QList<Adapter> adapters = d->worker.backend().listAdapters();
    for (const Adapter &adapter : adapters) {
        qCDebug(lcNetwork) << adapter.name;
        names << adapter.name;
        d->netCards.insert(adapter.name, adapter.entries);
    }
    d->ui->comboBoxSelectNet->addItems(names);
}

void QWebSetClient::updateNetWork(QString name)
{
    // As in showNetCard(), the last adapter of a name wins.
    const QList<Adapter> adapters = d->worker.backend().listAdapters();
    for (int i = adapters.size() - 1; i >= 0; --i) {
        if (adapters.at(i).name == name) {
            d->netCards.insert(name, adapters.at(i).entries);
            return;
        }
    }
    // The adapter stopped since the last refresh: nothing of it is left to show.
    d->netCards.remove(name);
}

void QWebSetClient::onNetCardChanged(QString name)
{
    if (d->ui->radioButtonGetIpAuto->isChecked())
        return;
    updateNetWork(name);
    const QList<QNetworkAddressEntry> entries = d->netCards.value(name);
    // Windows lists the IPv6 entry first, Linux the IPv4 one: take the first IPv4 entry.
    for (const QNetworkAddressEntry &entry : entries) {
        if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        d->ui->lineEditIpAddr->setText(entry.ip().toString());
        d->ui->lineEditSubnet->setText(entry.netmask().toString());
        d->ui->lineEditDefaultGateway->setText(getDefaultGateway());
        return;
    }
    // Values of the previous adapter must never be applied to this one.
    d->ui->lineEditIpAddr->clear();
    d->ui->lineEditSubnet->clear();
    d->ui->lineEditDefaultGateway->clear();
}

QString QWebSetClient::getDefaultGateway()
{
    const QString address = d->ui->lineEditIpAddr->text();
    QString gateway = d->worker.backend().gatewayFor(address);
    if (gateway.isEmpty() || gateway == QLatin1String("0.0.0.0")) {
        // Assume the router is host 1 of the address's last octet range.
        QStringList parts = ipv4Groups(address);
        if (parts.isEmpty())
            return gateway;
        parts.last() = QStringLiteral("1");
        gateway = parts.join(QLatin1Char('.'));
    }
    return gateway;
}

void QWebSetClient::onIpEditFinished()
{
    const QString gateway = getDefaultGateway();
    if (gateway.isEmpty())
        return;
    // Tab out of the address has just put the focus into the mask; the proposal must not
    // carry it on through the full segments.
    QEditIPPrivate::setTextKeepingFocus(d->ui->lineEditSubnet, QStringLiteral("255.255.255.0"));
    QEditIPPrivate::setTextKeepingFocus(d->ui->lineEditDefaultGateway, gateway);
}

void QWebSetClient::onAutoIPButtonclicked()
{
    d->ui->lineEditIpAddr->setEnabled(false);
    d->ui->lineEditSubnet->setEnabled(false);
    d->ui->lineEditDefaultGateway->setEnabled(false);
    d->ui->radioButtonGetDnsManual->setChecked(true);
    d->ui->radioButtonGetDnsAuto->setEnabled(true);
    d->ui->lineEditIpAddr->clear();
    d->ui->lineEditDefaultGateway->clear();
    d->ui->lineEditSubnet->clear();
}

void QWebSetClient::onSpIpButtonclicked()
{
    d->ui->lineEditIpAddr->setEnabled(true);
    d->ui->lineEditSubnet->setEnabled(true);
    d->ui->lineEditDefaultGateway->setEnabled(true);
    d->ui->radioButtonGetDnsManual->setChecked(true);
    d->ui->radioButtonGetDnsAuto->setEnabled(false);
    onNetCardChanged(d->ui->comboBoxSelectNet->currentText());
}

void QWebSetClient::onApplyButtonclicked()
{
    d->ui->labelConfig->clear();
    // One configuration at a time; a click during a run only clears the status line.
    if (d->worker.isRunning())
        return;
    // The worker gets the values as they are now and never touches a widget.
    d->worker.setRequest(formValues(d->ui));
    d->worker.start(QThread::InheritPriority);
}

void QWebSetClient::showStatus(const QString &text)
{
    if (QThread::currentThread() == thread())
        d->ui->labelConfig->setText(text);
    else
        QMetaObject::invokeMethod(this, [this, text] { d->ui->labelConfig->setText(text); }, Qt::QueuedConnection);
}

void QWebSetClient::setWeb()
{
    // Widgets are only read on their own thread; the worker uses the values taken at OK.
    AdapterConfig config;
    if (QThread::currentThread() == &d->worker)
        config = d->worker.request();
    else if (QThread::currentThread() == thread())
        config = formValues(d->ui);
    else
        QMetaObject::invokeMethod(this, [this, &config] { config = formValues(d->ui); }, Qt::BlockingQueuedConnection);

    showStatus(tr("STR_CONFIGING"));
    const NetworkBackend &backend = d->worker.backend();
    const ConfigOutcome outcome = backend.apply(config, backend.runCommand);
    QString text;
    if (!outcome.success)
        text = tr("STR_CONFIG_FAILED").arg(outcome.cause);
    else if (config.dhcp)
        text = tr("STR_CONFIG_OVER");
    else
        text = tr("STR_CONFIG_SUCCESS").arg(config.address);
    if (outcome.success && !outcome.cause.isEmpty())
        text += QLatin1Char('\n') + outcome.cause;
    showStatus(text);
    emit SigConfigOver(text);
}

void QWebSetClient::onConfigOver(QString text)
{
    QMyMessageBox::information(this, tr("STR_NET_SET"), text);
}
