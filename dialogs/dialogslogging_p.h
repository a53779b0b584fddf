// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef DIALOGSLOGGING_P_H
#define DIALOGSLOGGING_P_H

#include <QLoggingCategory>

// Diagnostics of the dialog family; shown with the rule "widgetdeck.dialogs.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcWidgetDeckDialogs)

#endif // DIALOGSLOGGING_P_H
