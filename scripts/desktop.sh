#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# The library on real display servers: tests/desktop/ driven under Xvfb with openbox and real
# XTest input (xdotool), then under a headless weston with QT_QPA_PLATFORM=wayland. Reuses the
# test stage's tree (WIDGETDECK_BUILD_DIR, default build/) and builds only the driver.
#   scripts/desktop.sh       X11, Wayland and no display server, on Qt 5
#   scripts/desktop.sh qt6   Wayland on Qt 6 alone, reusing the test6 stage's build-qt6/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WIDGETDECK_BUILD_DIR:-$root/build}
build6=${WIDGETDECK_BUILD6_DIR:-$root/build-qt6}
jobs=$(nproc 2>/dev/null || echo 2)

packages=(build-essential cmake ninja-build qtbase5-dev qttools5-dev-tools qttools5-dev
          xvfb xauth xdotool x11-utils openbox weston qtwayland5 fonts-dejavu-core fonts-noto-cjk)
qt6=0
[ "${1:-}" = qt6 ] && qt6=1
[ "$qt6" = 1 ] && packages+=(qt6-base-dev qt6-wayland)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "desktop: missing packages: ${missing[*]}; run as root or install them first" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_driver() {
    local dir=$1
    shift
    [ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" --target widgetdeck-desktop
}
if [ "$qt6" = 1 ]; then
    build_driver "$build6" -DWIDGETDECK_QT_MAJOR=6
else
    build_driver "$build"
fi

scratch=$(mktemp -d)
chmod 700 "$scratch"
# Qt wants a private runtime directory on both platforms; weston puts its socket there.
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
stop_all() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    pids=()
}
trap 'stop_all; rm -rf "$scratch"' EXIT

# Waits up to 10 s for a condition (a command), or fails the stage naming what did not come up.
wait_until() {
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "desktop: FAIL setup: $what did not come up" >&2
    exit 1
}

status=0
run_driver() {
    local label=$1 binary=$2 mode=$3
    echo "== desktop: $label"
    local code=0
    timeout 150 "$binary" "$mode" || code=$?
    # Status 1: failed checks, each already named on its own line.
    [ "$code" -gt 1 ] && echo "desktop: FAIL $label: the driver crashed or hung (status $code)" >&2
    [ "$code" -eq 0 ] || status=1
}

if [ "$qt6" = 0 ]; then
# --- X11: Xvfb on the first free display, its own cookie, no TCP; openbox without snapping, so
# a drag moves a window by exactly the pointer's way.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export XAUTHORITY=$scratch/Xauthority
touch "$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add ":$display" . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp -auth "$XAUTHORITY" >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=:$display
wait_until "Xvfb on $DISPLAY" xdpyinfo
cat >"$scratch/openbox.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <resistance><strength>0</strength><screen_edge_strength>0</screen_edge_strength></resistance>
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
</openbox_config>
EOF
openbox --config-file "$scratch/openbox.xml" >"$scratch/openbox.log" 2>&1 &
pids+=($!)
wait_until "openbox" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 run_driver "X11 (Xvfb, openbox, XTest)" "$build/tests/desktop/widgetdeck-desktop" x11
stop_all
unset DISPLAY XAUTHORITY
fi

# --- Wayland: headless weston on its own socket in the private runtime directory.
socket=widgetdeck-desktop-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$scratch/weston.log" 2>&1 &
pids+=($!)
wait_until "weston" test -S "$XDG_RUNTIME_DIR/$socket"
export WAYLAND_DISPLAY=$socket
if [ "$qt6" = 1 ]; then
    # Qt 6.4's Wayland input context dereferences the seat's input device, which a headless
    # compositor has none of, when a focused line edit paints (a stock QInputDialog crashes
    # the same way); without an input method module that path is not taken.
    QT_QPA_PLATFORM=wayland QT_IM_MODULE=none LC_ALL=C.UTF-8 \
        run_driver "Wayland (weston, Qt 6)" "$build6/tests/desktop/widgetdeck-desktop" wayland
    stop_all
    exit "$status"
fi
QT_QPA_PLATFORM=wayland LC_ALL=C.UTF-8 run_driver "Wayland (weston, Qt 5)" "$build/tests/desktop/widgetdeck-desktop" wayland
stop_all
unset WAYLAND_DISPLAY

# --- No display server at all: the same checks on the offscreen platform.
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 run_driver "no display server (offscreen)" "$build/tests/desktop/widgetdeck-desktop" none
exit "$status"
