// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "networklogging_p.h"

Q_LOGGING_CATEGORY(lcNetwork, "widgetdeck.network", QtInfoMsg)
