#!/usr/bin/env bash
# Closing the window in the middle of a draw, of a nested draw, and while the about box is open
# in a draw: each time the program ends at once with exit code 0.
set -euo pipefail
program=$1
here=$(dirname "$0")
. "$here/common.sh"
start_xvfb

button=434,448  # the middle of the draw button
corner=5,5      # the window's free surface

start() {
    "$program" 2>"$work/stderr" &
    app=$!
    wait_for 60 xdotool search --onlyvisible --name "^$caption\$" ||
        fail_no_window "$1" "$app" "$work/stderr"
    window=$(xdotool search --onlyvisible --name "^$caption\$" | head -1)
    sleep 0.3
}

ends_cleanly() {
    wait_exit "$app" 10 || fail "$1: the program kept running without its window"
    app=
    [ "$status" -eq 0 ] || fail "$1: exit code $status: $(cat "$work/stderr")"
    echo "$1: exit code 0"
}

# A draw's first yield dispatches every pending event, so a close request sent together with
# the press is handled inside the draw that the press starts.
start "close in a draw"
/usr/bin/python3 "$here/actions.py" "$window" "click:$button" close
ends_cleanly "close in a draw"

start "close in a nested draw"
/usr/bin/python3 "$here/actions.py" "$window" "click:$button" "click:$button" close
ends_cleanly "close in a nested draw"

# The box opens inside the draw's yield and holds the draw there: the text box stays empty.
start "close with the about box open in a draw"
/usr/bin/python3 "$here/actions.py" "$window" "click:$button" "click:$corner"
wait_for 20 xdotool search --onlyvisible --name '^Ostrel$' || fail "no about box"
import -window root -crop 60x60+22+58 "$work/text.png"
[ "$(convert "$work/text.png" -format '%[fx:maxima.r>0.25]' info:)" = 0 ] ||
    fail "the draw had ended before the about box opened"
/usr/bin/python3 "$here/actions.py" "$window" close
ends_cleanly "close with the about box open in a draw"
echo "PASS: close"
