#!/usr/bin/env bash
# Reads the real program through the accessibility tree under Xvfb, on a private session bus.
set -euo pipefail
program=$1
here=$(dirname "$0")
. "$here/common.sh"
work=$(mktemp -d)
cleanup() {
    kill "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# What a desktop with a screen reader running would tell Qt.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- /usr/bin/python3 "$here/atspi_check.py" "$program" 2>"$work/bus.log" ||
    { cat "$work/bus.log" >&2; exit 1; }
