// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECK_EXPORT_H
#define WIDGETDECK_EXPORT_H

#include <QtCore/qglobal.h>

// Marks the classes that hosts may use; everything else stays hidden in the shared library.
#if defined(WIDGETDECK_LIBRARY)
#  define WIDGETDECK_EXPORT Q_DECL_EXPORT
#else
#  define WIDGETDECK_EXPORT Q_DECL_IMPORT
#endif

#endif // WIDGETDECK_EXPORT_H
