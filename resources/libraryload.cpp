// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// What lives from library load to unload besides the resource tree: the accessibility
// factory of the library's own classes. Unloading must remove it, or Qt would call into
// code that is gone.
#include "widgetdeckaccessible_p.h"

namespace {
struct LibraryLifetime {
    LibraryLifetime() { WidgetDeckAccessible::install(); }
    ~LibraryLifetime() { WidgetDeckAccessible::remove(); }
    LibraryLifetime(const LibraryLifetime &) = delete;
    LibraryLifetime &operator=(const LibraryLifetime &) = delete;
};
const LibraryLifetime lifetime;
} // namespace
