#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# The gallery read through the desktop accessibility stack, once per language:
#   scripts/a11y.sh GALLERY [LANGUAGE...]     (languages default to "en zh_CN")
# Xvfb, a private session bus and the accessibility bus launcher are started here and stopped
# again on exit; tests/a11y/check.py walks the gallery over AT-SPI with Debian's Python.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
gallery=${1:?usage: scripts/a11y.sh GALLERY [LANGUAGE...]}
shift
languages=("$@")
[ $# -gt 0 ] || languages=(en zh_CN)
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || launcher=/usr/lib/at-spi2-core/at-spi-bus-launcher
python=/usr/bin/python3

work=$(mktemp -d)
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run
pids=()
stop() {
    local pid
    # Newest first: the gallery before the buses it talks to.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    pids=()
}
cleanup() {
    stop
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# waitfor SECONDS COMMAND...: polls COMMAND every 0.1 s until it succeeds or time runs out.
waitfor() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# The server reads every cookie of its file whatever display it names; the client's file gets the
# cookie under the display number Xvfb chose (-displayfd avoids racing other servers for one).
# -noreset: the server would reset when its last client leaves, and lose the root property below.
cookie=$(mcookie)
xauth -q -f "$work/server.auth" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
Xvfb -displayfd 3 -auth "$work/server.auth" -nolisten tcp -noreset -screen 0 1280x1024x24 \
    3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
if ! waitfor 20 test -s "$work/display"; then
    cat "$work/xvfb.log" >&2
    echo "a11y: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display")
export XAUTHORITY=$work/client.auth
xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null

eval "$(dbus-launch --sh-syntax)"
export DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
"$launcher" --launch-immediately 2>"$work/bus-launcher.log" &
pids+=($!)
has_a11y_bus() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}
if ! waitfor 20 has_a11y_bus; then
    cat "$work/bus-launcher.log" >&2
    echo "a11y: the accessibility bus did not start" >&2
    exit 1
fi

# Qt 5 connects to the accessibility bus at start only through the root window's property (the
# session-bus path races its own start-up under ALWAYS_ON); desktops set it the same way.
xprop -root -format AT_SPI_BUS 8s -set AT_SPI_BUS \
    "$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')"
# The registry is started on its first call; the first gallery must not race its start.
timeout 20 "$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null 2>&1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_LOGGING_RULES="widgetdeck*.debug=false"
export QT_QPA_PLATFORM=xcb
unset QT_IM_MODULE
failed=0
for language in "${languages[@]}"; do
    echo "== a11y: $language"
    # Qt registers with the registry once, at start; a start that lost that race is retried.
    for attempt in 1 2 3; do
        "$gallery" --language "$language" >"$work/gallery-$language.log" 2>&1 &
        gallery_pid=$!
        pids+=($gallery_pid)
        status=0
        timeout 150 "$python" "$root/tests/a11y/check.py" --language "$language" --pid "$gallery_pid" || status=$?
        [ "$status" -eq 3 ] || break
        kill "$gallery_pid" 2>/dev/null || true
        wait "$gallery_pid" 2>/dev/null || true
        unset 'pids[${#pids[@]}-1]'
    done
    [ "$status" -eq 3 ] && echo "a11y: FAIL $language - -: the gallery never reached the accessibility bus"
    [ "$status" -eq 124 ] && echo "a11y: FAIL $language - -: checker timed out"
    if [ "$status" -ne 0 ]; then
        failed=1
        # The gallery's own complaints say why, when it printed any.
        sed 's/^/    gallery: /' "$work/gallery-$language.log" | head -n 20
    fi
    # The gallery goes before the next language starts; the buses stay.
    kill "$gallery_pid" 2>/dev/null || true
    wait "$gallery_pid" 2>/dev/null || true
    unset 'pids[${#pids[@]}-1]'
done
exit "$failed"
