// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "numericlogging_p.h"

Q_LOGGING_CATEGORY(lcWidgetDeckNumeric, "widgetdeck.numeric", QtInfoMsg)
