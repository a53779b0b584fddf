// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef FORMCORELOGGING_P_H
#define FORMCORELOGGING_P_H

#include <QLoggingCategory>

// Diagnostics of the base view classes; shown with the rule "widgetdeck.formcore.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcFormCore)

#endif // FORMCORELOGGING_P_H
