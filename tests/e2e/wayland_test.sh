#!/usr/bin/env bash
# The real program on a Wayland desktop, natively (Qt's wayland plugin, no XWayland), under a
# headless Weston: its window must come up, titled "Tolvane" and fixed at 346x343, with the
# desktop entry's name as its app_id, which is also the entry's StartupWMClass.
#   wayland_test.sh PROGRAM DESKTOP_ENTRY      (PROGRAM with its table.csv beside it)
# What the program asks of the compositor is read from its own protocol log (WAYLAND_DEBUG).
set -euo pipefail

program=$1
entry=$(basename "$2" .desktop)
source "$(dirname "$0")/session.sh"
grep -qx "StartupWMClass=$entry" "$2" || fail "$2 does not name its own StartupWMClass"
require weston
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so" >/dev/null ||
    { echo "SKIP: Qt's wayland plugin is not installed (qt6-wayland)"; exit 77; }
fail() { echo "FAIL: $*" >&2; tail -n 20 "$work/weston.log" >&2 || true; exit 1; }

unset DISPLAY
weston --no-config --backend=headless-backend.so --socket=tolvane-test --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
retry 100 test -S "$XDG_RUNTIME_DIR/tolvane-test" || fail "weston did not start"

WAYLAND_DISPLAY=tolvane-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" \
    >"$work/client.log" 2>&1 &
pids+=($!)
# Up: the program has answered the compositor's configure and attached a picture.
up() { grep -q 'ack_configure' "$work/client.log" && grep -q 'wl_surface@[0-9]*\.attach' "$work/client.log"; }
retry 150 up || fail "no window came up: $(tail -n 5 "$work/client.log")"
for request in 'set_title("Tolvane")' 'set_min_size(346, 343)' 'set_max_size(346, 343)' \
    "set_app_id(\"$entry\")"; do
    grep -qF "xdg_toplevel@" "$work/client.log" && grep -qF ".$request" "$work/client.log" ||
        fail "the window did not ask for $request"
done
echo "wayland test passed"
