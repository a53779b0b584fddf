// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "cursorlogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckCursor, "widgetdeck.cursor", QtInfoMsg)
