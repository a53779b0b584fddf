#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Builds and runs the host program against the WidgetDeck installed in PREFIX, once through
# the CMake package and once through pkg-config; checks the installed designer plugin too.
#   tests/package/run.sh PREFIX [5|6]     (the Qt major of the package to use, default 5)
set -euo pipefail
prefix=$(cd "$1" && pwd)
major=${2:-5}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
if [ "$major" = 6 ]; then
    suffix=Qt6 pcname=widgetdeck-qt6
else
    suffix= pcname=widgetdeck
fi
libdir=$(dirname "$(find "$prefix" -name "libWidgetDeck$suffix.so" | head -n 1)")
plugin=$(find "$prefix" -path "*/qt$major/plugins/designer/libwidgetdeck_designer.so" | head -n 1)
# The plugin must find the library through its own run path, as Qt Designer loads it.
if [ -n "$plugin" ] && ldd "$plugin" | grep 'not found'; then
    echo "installed designer plugin cannot resolve its libraries" >&2
    exit 1
fi
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"

cmake -S "$here" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    -DWIDGETDECK_PACKAGE="WidgetDeck$suffix" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer" ${plugin:+"$plugin"}

export PKG_CONFIG_PATH="$libdir/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
# shellcheck disable=SC2046
c++ -std=c++17 -o "$work/consumer-pc" "$here/main.cpp" $(pkg-config --cflags --libs "$pcname")
"$work/consumer-pc" ${plugin:+"$plugin"}
echo "package check passed for Qt $major"
