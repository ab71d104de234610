#!/usr/bin/env bash
# A run-time error in the first draw, injected at chosen writes (the program built with a faulty
# runtime): the program reports it on stderr and in a message box, and ends with exit code 1
# without its window ever being mapped.
set -euo pipefail
program=$1
here=$(dirname "$0")
. "$here/common.sh"
start_xvfb
/usr/bin/python3 "$here/mapwatch.py" >"$work/maps" &
watch=$!
wait_for 10 grep -q ready "$work/maps" || fail "cannot watch the display"

report='ostrel: Run-time error 5: Invalid procedure call or argument'
# The first write (emptying the text box), one amid the flicker, and the final text's write.
for write in 1 10000 20004; do
    : >"$work/maps"
    "$program" "$write" 2>"$work/stderr" &
    app=$!
    # The only window to appear is the report's box; Enter closes it.
    wait_for 60 grep -q '^map' "$work/maps" || fail "write $write: no report box"
    xdotool key Return
    wait_exit "$app" 20 || fail "write $write: the program kept running"
    app=
    [ "$status" -eq 1 ] || fail "write $write: exit code $status: $(cat "$work/stderr")"
    [ "$(cat "$work/stderr")" = "$report" ] || fail "write $write: stderr: $(cat "$work/stderr")"
    [ "$(grep -c '^map' "$work/maps")" -eq 1 ] ||
        fail "write $write: windows mapped: $(cat "$work/maps")"
    ! grep -q ' 450x461$' "$work/maps" || fail "write $write: the main window was mapped"
    echo "write $write: $report; mapped only $(grep '^map' "$work/maps")"
done
echo "PASS: fault"
