#!/usr/bin/env bash
# With no display to open (none named, or one named that does not exist), the program prints one
# line and ends with a non-zero exit code: no crash, no abort, no core file.
set -euo pipefail
program=$1
here=$(dirname "$0")
. "$here/common.sh"
cd "$work"
ulimit -c unlimited

# Finds a display number that nothing listens on.
absent=99
while [ -e "/tmp/.X11-unix/X$absent" ] || [ -e "/tmp/.X$absent-lock" ]; do
    absent=$((absent + 1))
done

check() {
    local what=$1
    shift
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >/dev/null 2>stderr ||
        status=$?
    [ "$status" -ne 0 ] || fail "$what: exit code 0"
    [ "$status" -lt 128 ] || fail "$what: ended by signal $((status - 128))"
    [ "$(wc -l <stderr)" -eq 1 ] || fail "$what: stderr: $(cat stderr)"
    grep -q '^ostrel: ' stderr || fail "$what: stderr: $(cat stderr)"
    ! ls core* >/dev/null 2>&1 || fail "$what: core dumped"
    echo "$what: exit code $status, $(cat stderr)"
}

check "no display"
check "absent X display :$absent" DISPLAY=":$absent"
mkdir -m 700 runtime
check "absent Wayland display" XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=wayland-absent \
    QT_QPA_PLATFORM=wayland
echo "PASS: nodisplay"
