// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "pathlogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckPath, "widgetdeck.path", QtInfoMsg)
