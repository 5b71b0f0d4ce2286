# Sourced by the scripts that run the real program: a scratch folder and the processes started
# for it, both gone when the script ends; `fail`, `require`, `retry`; a private runtime folder;
# a private X server.
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
# Skips the test (exit 77) unless every tool named is installed.
require() {
    for tool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps ${deps:-test})"; exit 77; }
    done
}
# Runs a command every 0.1 s until it succeeds, at most $1 times.
retry() { local tries=$1; shift; for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done; return 1; }
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# The visible top-level windows titled "Tolvane", one id a line; of these ids, the one that is
# (or those that are not) the 346x343 calculator.
windows() { xdotool search --onlyvisible --name '^Tolvane$' 2>/dev/null || true; }
size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
main_of() { for id in $1; do [ "$(size_of "$id")" = 346x343 ] && echo "$id"; done; true; }
other_of() { for id in $1; do [ "$(size_of "$id")" != 346x343 ] && echo "$id"; done; true; }

# Xvfb on a free display number, for Qt's xcb platform. -noreset: without it the server resets
# whenever its last client leaves, and a program starting during that moment cannot connect.
start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.log" &
    pids+=($!)
    retry 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
}
