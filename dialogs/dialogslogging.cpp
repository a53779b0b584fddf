// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "dialogslogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckDialogs, "widgetdeck.dialogs", QtInfoMsg)
