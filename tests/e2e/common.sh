# Helpers for the end-to-end tests: each starts its own display server and checks the real
# program from outside its process.

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "${work:-}/xvfb.log" ] || { echo "Xvfb said:" >&2; tail -20 "$work/xvfb.log" >&2; }
    exit 1
}

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Waits up to $2 seconds for process $1 to end, and gives its exit code in $status.
wait_exit() {
    local pid=$1 seconds=$2
    wait_for "$seconds" bash -c "! kill -0 $pid" || return 1
    status=0
    wait "$pid" || status=$?
}

caption='Tao Té Ching - Kel Ombra'

# Fails for a program $2 that opened no window, telling whether it is still running or how it
# ended, with what it wrote to the file $3.
fail_no_window() {
    local what=$1 pid=$2 log=$3
    local state="is still running"
    if wait_exit "$pid" 0; then state="ended with exit code $status"; fi
    fail "$what: no window captioned '$caption'; the program $state: $(tail -3 "$log")"
}

# A scratch folder, removed on exit with the processes a script started.
work=$(mktemp -d)
cleanup() {
    kill ${app:-} ${watch:-} ${xvfb:-} ${weston:-} 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb with a screen of $1 (1024x768 if not given) and points DISPLAY at it. The server
# must not reset when its last client leaves: a program started just then could not connect.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}
