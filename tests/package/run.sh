#!/usr/bin/env bash
# Builds and runs the host program against the WidgetDeck installed in PREFIX, once through
# the CMake package and once through pkg-config.
set -euo pipefail
prefix=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
libdir=$(dirname "$(find "$prefix" -name 'libWidgetDeck.so' | head -n 1)")
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"

cmake -S "$here" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer"

export PKG_CONFIG_PATH="$libdir/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
# shellcheck disable=SC2046
c++ -std=c++17 -o "$work/consumer-pc" "$here/main.cpp" $(pkg-config --cflags --libs widgetdeck)
"$work/consumer-pc"
