// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QWEBSETCLIENT_P_H
#define QWEBSETCLIENT_P_H

// Internal: builds the adapter panel over a given view of the machine. Not exported; the
// library's own tests link it from the objects.

#include "qnetworkplatform_p.h"

class QWebSetClient;
class QWidget;

namespace WidgetDeckNet {

/// A panel that lists adapters, looks up gateways and runs commands through @p backend only.
QWebSetClient *createWebSetClient(const NetworkBackend &backend, QWidget *parent = nullptr);

} // namespace WidgetDeckNet

#endif // QWEBSETCLIENT_P_H
