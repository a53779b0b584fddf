#include "qwebsetclient.h"
#include "ui_qwebsetclient.h"

#include "qmymessagebox.h"
#include "qwebsetthread.h"

#include "networklogging_p.h"

using namespace WidgetDeckNet;

namespace {

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

QWebSetClient::QWebSetClient(QWidget *parent)
    : QBaseStyleWidget(parent)
    , ui(new Ui::QWebSetClient)
    , m_worker(new QWebSetThread)
{
    ui->setupUi(this);
    init();
    connectSignals();
    on_pushButtonRefresh_clicked();
    m_worker->setClient(this);
}

QWebSetClient::~QWebSetClient()
{
    // setWeb() may still be running on the worker; it must not outlive the panel.
    m_worker->wait();
    delete m_worker;
    delete ui;
}

void QWebSetClient::init()
{
    setObjectName(QStringLiteral("TAB_WIDGET"));
    ui->pushButtonRefresh->setObjectName(QStringLiteral("OKCANCEL"));
    ui->radioButtonGetIpManual->setChecked(true);
    ui->radioButtonGetDnsAuto->setEnabled(false);
    ui->radioButtonGetDnsManual->setChecked(true);
    ui->widgetOkCancel->setConfirmBtnType(CONFIRM_BTN_OK);
    ui->groupBoxDns->hide();
}

void QWebSetClient::connectSignals()
{
    connect(ui->comboBoxSelectNet, &QComboBox::currentTextChanged, this, &QWebSetClient::onNetCardChanged);
    connect(ui->widgetOkCancel, &QOkCancel::SigOk, this, &QWebSetClient::onApplyButtonclicked);
    connect(ui->radioButtonGetIpAuto, &QRadioButton::clicked, this, &QWebSetClient::onAutoIPButtonclicked);
    connect(ui->radioButtonGetIpManual, &QRadioButton::clicked, this, &QWebSetClient::onSpIpButtonclicked);
    connect(ui->lineEditIpAddr, &QEditIP::editingFinished, this, &QWebSetClient::onIpEditFinished);
    connect(this, &QWebSetClient::SigConfigOver, this, &QWebSetClient::onConfigOver);
}

void QWebSetClient::on_pushButtonRefresh_clicked()
{
    ui->comboBoxSelectNet->clear();
    m_netCards.clear();
    showNetCard();
}

void QWebSetClient::showNetCard()
{
    QStringList names;
    const QList<Adapter> adapters = m_worker->backend().listAdapters();
    for (const Adapter &adapter : adapters) {
        qCDebug(lcNetwork) << adapter.name;
        names << adapter.name;
        m_netCards.insert(adapter.name, adapter.entries);
    }
    ui->comboBoxSelectNet->addItems(names);
}

void QWebSetClient::updateNetWork(QString name)
{
    // As in showNetCard(), the last adapter of a name wins.
    const QList<Adapter> adapters = m_worker->backend().listAdapters();
    for (int i = adapters.size() - 1; i >= 0; --i) {
        if (adapters.at(i).name == name) {
            m_netCards.insert(name, adapters.at(i).entries);
            return;
        }
    }
    // The adapter stopped since the last refresh: nothing of it is left to show.
    m_netCards.remove(name);
}

void QWebSetClient::onNetCardChanged(QString name)
{
    if (ui->radioButtonGetIpAuto->isChecked())
        return;
    updateNetWork(name);
    const QList<QNetworkAddressEntry> entries = m_netCards.value(name);
    // Windows lists the IPv6 entry first, Linux the IPv4 one: take the first IPv4 entry.
    for (const QNetworkAddressEntry &entry : entries) {
        if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        ui->lineEditIpAddr->setText(entry.ip().toString());
        ui->lineEditSubnet->setText(entry.netmask().toString());
        ui->lineEditDefaultGateway->setText(getDefaultGateway());
        return;
    }
    // Values of the previous adapter must never be applied to this one.
    ui->lineEditIpAddr->clear();
    ui->lineEditSubnet->clear();
    ui->lineEditDefaultGateway->clear();
}

QString QWebSetClient::getDefaultGateway()
{
    const QString address = ui->lineEditIpAddr->text();
    QString gateway = m_worker->backend().gatewayFor(address);
    if (gateway.isEmpty() || gateway == QLatin1String("0.0.0.0")) {
        // Assume the router is host 1 of the address's last octet range.
        QStringList parts = address.split(QLatin1Char('.'));
        for (const QString &part : qAsConst(parts))
            if (part.isEmpty())
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
    ui->lineEditSubnet->setText(QStringLiteral("255.255.255.0"));
    ui->lineEditDefaultGateway->setText(gateway);
}

void QWebSetClient::onAutoIPButtonclicked()
{
    ui->lineEditIpAddr->setEnabled(false);
    ui->lineEditSubnet->setEnabled(false);
    ui->lineEditDefaultGateway->setEnabled(false);
    ui->radioButtonGetDnsManual->setChecked(true);
    ui->radioButtonGetDnsAuto->setEnabled(true);
    ui->lineEditIpAddr->clear();
    ui->lineEditDefaultGateway->clear();
    ui->lineEditSubnet->clear();
}

void QWebSetClient::onSpIpButtonclicked()
{
    ui->lineEditIpAddr->setEnabled(true);
    ui->lineEditSubnet->setEnabled(true);
    ui->lineEditDefaultGateway->setEnabled(true);
    ui->radioButtonGetDnsManual->setChecked(true);
    ui->radioButtonGetDnsAuto->setEnabled(false);
    onNetCardChanged(ui->comboBoxSelectNet->currentText());
}

void QWebSetClient::onApplyButtonclicked()
{
    ui->labelConfig->clear();
    // One configuration at a time; a click during a run only clears the status line.
    if (m_worker->isRunning())
        return;
    // The worker gets the values as they are now and never touches a widget.
    m_worker->setRequest(formValues(ui));
    m_worker->start(QThread::InheritPriority);
}

void QWebSetClient::showStatus(const QString &text)
{
    if (QThread::currentThread() == thread())
        ui->labelConfig->setText(text);
    else
        QMetaObject::invokeMethod(this, [this, text] { ui->labelConfig->setText(text); }, Qt::QueuedConnection);
}

void QWebSetClient::setWeb()
{
    // Widgets are only read on their own thread; the worker uses the values taken at OK.
    AdapterConfig config;
    if (QThread::currentThread() == m_worker)
        config = m_worker->request();
    else if (QThread::currentThread() == thread())
        config = formValues(ui);
    else
        QMetaObject::invokeMethod(this, [this, &config] { config = formValues(ui); }, Qt::BlockingQueuedConnection);

    showStatus(tr("STR_CONFIGING"));
    const NetworkBackend &backend = m_worker->backend();
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
