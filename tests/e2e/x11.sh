#!/usr/bin/env bash
# The real program under Xvfb: its window appears with the right caption and a 450 x 461 client
# area, a click on its free surface opens the about box, and closing it ends the program with 0.
set -euo pipefail
program=$1
shots=$2
here=$(dirname "$0")
. "$here/common.sh"
mkdir -p "$shots"
start_xvfb

"$program" 2>"$work/stderr" &
app=$!
wait_for 20 xdotool search --onlyvisible --name "^$caption\$" ||
    fail_no_window "start-up" "$app" "$work/stderr"
window=$(xdotool search --onlyvisible --name "^$caption\$" | head -1)
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption differs"
geometry=$(xwininfo -id "$window")
grep -q 'Width: 450$' <<<"$geometry" || fail "client area width: $geometry"
grep -q 'Height: 461$' <<<"$geometry" || fail "client area height: $geometry"
sleep 0.5
import -window root -crop 450x461+0+0 "$shots/x11.png"
echo "screenshot: $shots/x11.png"

# The free corner opens the about box titled Ostrel; Enter closes it.
xdotool mousemove --window "$window" 5 5 click 1
wait_for 10 xdotool search --onlyvisible --name '^Ostrel$' || fail "no about box"
import -window root -crop 700x500+0+0 "$shots/x11-about.png"
xdotool key Return
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Ostrel\$'" || fail "about box stayed"

# A click on a label opens nothing.
xdotool mousemove --window "$window" 100 35 click 1
sleep 0.5
! xdotool search --onlyvisible --name '^Ostrel$' >/dev/null || fail "a label click opened the box"

# Closing the window ends the program at once, with exit code 0.
/usr/bin/python3 "$here/wmclose.py" "$window"
wait_exit "$app" 10 || fail "the program kept running without its window"
[ "$status" -eq 0 ] || fail "exit code $status: $(cat "$work/stderr")"
app=
echo "PASS: x11"
