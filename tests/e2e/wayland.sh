#!/usr/bin/env bash
# The real program on a headless Weston: its top-level surface carries the right title and a
# 450 x 461 window geometry, as the Wayland protocol between the two shows.
set -euo pipefail
program=$1
shots=$2
here=$(dirname "$0")
. "$here/common.sh"
mkdir -p "$shots"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-ostrel --idle-time=0 --debug --use-pixman \
    --width=1024 --height=768 >"$work/weston.log" 2>&1 &
weston=$!
wait_for 10 test -S "$XDG_RUNTIME_DIR/wayland-ostrel" || fail "weston did not start: $(cat "$work/weston.log")"
export WAYLAND_DISPLAY=wayland-ostrel QT_QPA_PLATFORM=wayland
# Without client-side decorations the surface is the client area alone.
export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
unset DISPLAY

WAYLAND_DEBUG=client "$program" >"$work/protocol" 2>&1 &
app=$!
wait_for 20 grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$work/protocol" || fail "no window: $(tail -5 "$work/protocol")"
grep -q "xdg_toplevel@[0-9]*\.set_title(\"$caption\")" "$work/protocol" || fail "title differs"
grep -q 'xdg_surface@[0-9]*\.set_window_geometry(0, 0, 450, 461)' "$work/protocol" ||
    fail "geometry: $(grep set_window_geometry "$work/protocol")"
kill -0 "$app" || fail "the program ended"

if command -v weston-screenshooter >/dev/null; then
    sleep 0.5
    (cd "$work" && timeout 10 weston-screenshooter >/dev/null 2>&1) || true
    shot=$(ls "$work"/wayland-screenshot*.png 2>/dev/null | head -1)
    if [ -n "$shot" ]; then
        cp "$shot" "$shots/wayland.png"
        echo "screenshot: $shots/wayland.png"
    fi
fi
echo "PASS: wayland"
