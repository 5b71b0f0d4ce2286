# Sourced by the scripts that run the real program: a scratch folder and the processes started
# for it, both gone when the script ends; `fail`; a private runtime folder; a private X server.
work=$(mktemp -d)
pids=()
cleanup() {
    # Last started, first ended: the program before its display server.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# Xvfb on a free display number, for Qt's xcb platform. -noreset: without it the server resets
# whenever its last client leaves, and a program starting during that moment cannot connect.
start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
}
