#include "qwebsetthread.h"

#include "qwebsetclient.h"

QWebSetThread::QWebSetThread()
    : m_backend(WidgetDeckNet::systemBackend())
{
}

QWebSetThread::~QWebSetThread()
{
    wait();
}

void QWebSetThread::setClient(QWebSetClient *client)
{
    m_client = client;
}

void QWebSetThread::setRequest(const WidgetDeckNet::AdapterConfig &config)
{
    m_request = config;
}

WidgetDeckNet::AdapterConfig QWebSetThread::request() const
{
    return m_request;
}

WidgetDeckNet::NetworkBackend &QWebSetThread::backend()
{
    return m_backend;
}

QWebSetThread *QWebSetThread::of(QWebSetClient *client)
{
    return client->m_worker;
}

void QWebSetThread::run()
{
    if (m_client)
        m_client->setWeb();
}
