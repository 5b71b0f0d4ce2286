#!/usr/bin/env bash
# End-to-end smoke test of the real program in a real X server (Xvfb), driven by xdotool.
#   smoke_test.sh PROGRAM [TABLE]
# With TABLE, a copy of PROGRAM is run beside a copy of TABLE (through a symbolic link from
# another directory); without it, PROGRAM is run where it is installed (a link is fine), with
# the table its real file has beside it. Then a copy is run with no table beside it.
set -euo pipefail

launcher=$1
program=$(readlink -f "$1")
table=${2:-}
source "$(dirname "$0")/session.sh"
require Xvfb xdotool
start_x_server

# Waits until exactly $1 such windows are up; prints their ids.
windows_are() { ids=$(windows) && [ "$(grep -c . <<<"$ids")" -eq "$1" ]; }
await_windows() {
    local ids
    retry 150 windows_are "$1" || fail "expected $1 window(s) titled Tolvane, have: $(tr '\n' ' ' <<<"$ids")"
    printf '%s\n' "$ids"
}

press_in() { xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "$2"; }

echo "with table.csv beside the program"
if [ -n "$table" ]; then
    mkdir "$work/with" "$work/with/bin"
    cp "$program" "$work/with/tolvane"
    cp "$table" "$work/with/table.csv"
    ln -s ../tolvane "$work/with/bin/tolvane"
    launcher="$work/with/bin/tolvane"
fi
(cd / && exec "$launcher") &
pids+=($!)
ids=$(await_windows 1)
main=$(main_of "$ids")
[ -n "$main" ] || fail "the first window is not the 346x343 calculator ($(size_of "$ids"))"
# What the running program has mapped (libraries, plugins, fonts, translations), for the package
# test to hold against the package's dependencies.
if [ -n "${MAPPED_FILES:-}" ]; then
    awk '$6 ~ /^\// { print $6 }' "/proc/${pids[-1]}/maps" | sort -u >"$MAPPED_FILES"
fi
press_in "$main" alt+a
ids=$(await_windows 2)
box=$(other_of "$ids")
[ -n "$box" ] || fail "Alt+A brought up no message box"
press_in "$box" Return
await_windows 1 >/dev/null
# Gone, window and all, before the next start looks for its windows.
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
await_windows 0 >/dev/null

# Also Qt's own options: with no DISPLAY, only -display finds the X server; other arguments are
# ignored.
echo "without table.csv, and with Qt's -display and arguments of no meaning"
mkdir "$work/without"
cp "$program" "$work/without/tolvane"
(cd / && exec env -u DISPLAY "$work/without/tolvane" -display "$DISPLAY" --frobnicate -x word) &
pids+=($!)
ids=$(await_windows 1)
[ -z "$(main_of "$ids")" ] || fail "the calculator appeared before the table message"
press_in "$ids" Return
retry 100 eval '[ -n "$(main_of "$(windows)")" ]' || fail "the calculator did not open after the table message"
echo "smoke test passed"
