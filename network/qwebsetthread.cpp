// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qwebsetthread.h"

#include "qwebsetclient.h"

#include <utility>

QWebSetThread::QWebSetThread(WidgetDeckNet::NetworkBackend backend)
    : m_backend(std::move(backend))
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

void QWebSetThread::run()
{
    if (m_client)
        m_client->setWeb();
}
