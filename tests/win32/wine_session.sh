# Sourced by the scripts that run the Windows program under Wine: the scratch folder, X server
# and clean-up of tests/e2e/session.sh, plus a fresh Wine prefix in the scratch folder, a window
# manager (without one, Wine's windows do not reliably take the keyboard focus), and `probe`,
# which prints what the real windows titled "Tolvane" show (window_probe.exe).
#   PROBE must name window_probe.exe before this is sourced.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/session.sh"
deps=windows require wine Xvfb xdotool openbox
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's server goes first, or it writes the registry back into a prefix being removed.
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
# The X server before the prefix: Wine's desktop process, started with the prefix, stays on the
# display it found (with none, no window could be made).
start_x_server
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# One server for the prefix's whole life. A server lingers a moment after its last program, and a
# Wine command started meanwhile may start a second one, which reads the registry from disk before
# the first has written it back: a value just set was seen to read back as the one before. So
# waiting is for programs (settle), never for the server to go.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1 </dev/null
drive_c="$WINEPREFIX/drive_c"

# The programs running in this prefix but Wine's own (those under C:\windows).
programs() {
    local process
    for process in /proc/[0-9]*; do
        grep -qszxF "WINEPREFIX=$WINEPREFIX" "$process/environ" || continue
        tr '\0' ' ' <"$process/cmdline" 2>/dev/null | grep -E '^[A-Za-z]:\\' |
            grep -viE '^c:\\windows\\' || true
    done
}
# Waits until none runs.
settle() { retry 600 eval '[ -z "$(programs)" ]' || fail "still running: $(programs)"; }
# Ends the program started last, and waits for it to be gone.
stop_last() { kill "${pids[-1]}" && settle; }

probe() { wine "$PROBE" | tr -d '\r'; }

# Waits until the probe's output matches the extended regular expression $1; prints it.
probe_matches() { seen=$(probe) && grep -Eq -- "$1" <<<"$seen"; }
await() {
    local seen
    retry 150 probe_matches "$1" || fail "waited in vain for: $1: $seen"
    printf '%s\n' "$seen"
}

# Activates the calculator's window (346 x 343 inside) or, with "box", its message box, so
# that the keys xdotool sends next go there.
window_of() {
    if [ "${1-}" = box ]; then ids=$(other_of "$(windows)"); else ids=$(main_of "$(windows)"); fi
    [ -n "$ids" ]
}
activate() {
    local ids
    retry 100 window_of "${1-}" || fail "no ${1:-calculator} window to activate"
    xdotool windowactivate --sync "${ids%%$'\n'*}" >/dev/null 2>&1 || true
}
