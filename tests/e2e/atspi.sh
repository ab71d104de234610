#!/usr/bin/env bash
# Reads the real program through the accessibility tree under Xvfb, on a private session bus.
set -euo pipefail
program=$1
here=$(dirname "$0")
. "$here/common.sh"
start_xvfb
# What a desktop with a screen reader running would tell Qt.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- /usr/bin/python3 "$here/atspi_check.py" "$program" 2>"$work/bus.log" ||
    { cat "$work/bus.log" >&2; exit 1; }
