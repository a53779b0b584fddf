// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef NETWORKLOGGING_P_H
#define NETWORKLOGGING_P_H

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcNetwork)

#endif // NETWORKLOGGING_P_H
