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

# Waits until no program runs in this prefix but Wine's own (those under C:\windows).
settle() {
    local running process
    for _ in $(seq 600); do
        running=
        for process in /proc/[0-9]*; do
            grep -qszxF "WINEPREFIX=$WINEPREFIX" "$process/environ" || continue
            running+=$(tr '\0' ' ' <"$process/cmdline" 2>/dev/null | grep -E '^[A-Za-z]:\\' |
                grep -viE '^c:\\windows\\' || true)
        done
        [ -z "$running" ] && return 0
        sleep 0.1
    done
    fail "still running: $running"
}

# A Japanese Windows has MS P Gothic, and a Japanese font for its message boxes; this prefix
# has IPA P Gothic stand in for both (the message font is a LOGFONTW: -12 px, weight 400,
# Shift-JIS, "IPAPGothic").
map_japanese_fonts() {
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    local ipa
    ipa=$(printf 'IPAPGothic' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
    ipa=$ipa$(printf '%0*d' $((128 - ${#ipa})) 0)
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY \
        /d "F4FFFFFF000000000000000000000000900100000000008000000000${ipa^^}" /f >/dev/null 2>&1
}

probe() { wine "$PROBE" | tr -d '\r'; }

# Waits until the probe's output matches the extended regular expression $1; prints it.
await() {
    local seen
    for _ in $(seq 100); do
        seen=$(probe)
        if grep -Eq -- "$1" <<<"$seen"; then
            printf '%s\n' "$seen"
            return 0
        fi
        sleep 0.2
    done
    printf '%s\n' "$seen" >&2
    fail "waited in vain for: $1"
}

# Activates the calculator's window (346 x 343 inside) or, with "box", its message box, so
# that the keys xdotool sends next go there.
activate() {
    local ids
    for _ in $(seq 50); do
        if [ "${1-}" = box ]; then ids=$(other_of "$(windows)"); else ids=$(main_of "$(windows)"); fi
        if [ -n "$ids" ]; then
            xdotool windowactivate --sync "${ids%%$'\n'*}" >/dev/null 2>&1 || true
            return 0
        fi
        sleep 0.2
    done
    fail "no ${1:-calculator} window to activate"
}
