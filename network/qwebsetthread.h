// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QWEBSETTHREAD_H
#define QWEBSETTHREAD_H

// Internal worker of QWebSetClient; not exported.

#include "qnetworkplatform_p.h"

#include <QThread>

class QWebSetClient;

/// Runs the panel's apply step away from the GUI thread. It owns the panel's view of the
/// machine (adapter list, gateway lookup, command runner), which tests replace.
class QWebSetThread : public QThread
{
public:
    /// An idle worker that reaches the machine through @p backend, with no panel.
    explicit QWebSetThread(WidgetDeckNet::NetworkBackend backend);
    ~QWebSetThread() override;

    /// The panel whose setWeb() run() calls; nothing runs while it is null.
    void setClient(QWebSetClient *client);
    /// The values the next run applies; set on the GUI thread before start().
    void setRequest(const WidgetDeckNet::AdapterConfig &config);
    /// The values of the current run.
    WidgetDeckNet::AdapterConfig request() const;
    /// How the panel reaches the machine.
    WidgetDeckNet::NetworkBackend &backend();

protected:
    void run() override; ///< Runs the queued configuration commands.

private:
    QWebSetClient *m_client = nullptr;
    WidgetDeckNet::AdapterConfig m_request;
    WidgetDeckNet::NetworkBackend m_backend;
};

#endif // QWEBSETTHREAD_H
