// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef FORMCORE_EXPORT_H
#define FORMCORE_EXPORT_H

#include <QtCore/qglobal.h>

#if defined(FORMCORE_LIBRARY)
#  define FORMCORE_EXPORT Q_DECL_EXPORT
#else
#  define FORMCORE_EXPORT Q_DECL_IMPORT
#endif

#endif // FORMCORE_EXPORT_H
