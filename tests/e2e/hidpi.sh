#!/usr/bin/env bash
# The real program under Xvfb at a scale factor of 2: a 900 x 922 window whose controls sit at
# twice their places, with crisp text and the 64-pixel icon ICON (hidpi_check.py reads the
# screenshot).
# Usage: hidpi.sh PROGRAM SCREENSHOT_DIR ICON64.png
set -euo pipefail
program=$1
shots=$2
icon=$3
here=$(dirname "$0")
. "$here/common.sh"
mkdir -p "$shots"
start_xvfb 1280x1024
unset QT_AUTO_SCREEN_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export QT_ENABLE_HIGHDPI_SCALING=1 QT_SCALE_FACTOR=2

"$program" 2>"$work/stderr" &
app=$!
wait_for 20 xdotool search --onlyvisible --name "^$caption\$" ||
    fail_no_window "start-up" "$app" "$work/stderr"
window=$(xdotool search --onlyvisible --name "^$caption\$" | head -1)
geometry=$(xwininfo -id "$window")
grep -q 'Width: 900$' <<<"$geometry" || fail "width: $geometry"
grep -q 'Height: 922$' <<<"$geometry" || fail "height: $geometry"
# The window manager gets the window's icon at the screen's density too.
icons=$(xprop -id "$window" _NET_WM_ICON)
grep -q 'Icon (64 x 64)' <<<"$icons" || fail "no 64 x 64 window icon"
sleep 0.5
import -window "$window" "$shots/hidpi.png"
echo "screenshot: $shots/hidpi.png"
convert "$shots/hidpi.png" -depth 8 "$work/hidpi.ppm"
convert "$icon" -depth 8 "rgba:$work/icon.rgba"
/usr/bin/python3 "$here/hidpi_check.py" "$work/hidpi.ppm" "$work/icon.rgba"
