// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "formcorelogging_p.h"

Q_LOGGING_CATEGORY(lcFormCore, "widgetdeck.formcore", QtInfoMsg)
