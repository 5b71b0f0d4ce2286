#!/usr/bin/env bash
# Start-up under Wine: tolvane.exe against a bare Win32 window of the same size with one
# Japanese label, alternately, each run a whole process from launch to its first paint, in a
# warm Wine prefix on a virtual X server with a window manager. Prints the medians and ratio.
#   wine_startup.sh PROBE_TOLVANE_EXE PROBE_BARE_EXE [RUNS]
set -euo pipefail
tolvane=$1
bare=$2
runs=${3:-20}
for tool in wine Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps windows)"; exit 1; }
done
source "$(dirname "$0")/../../../tests/e2e/session.sh"
export WINEPREFIX="$work/wine" WINEDEBUG=-all
wineboot -i >/dev/null 2>&1 </dev/null
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
start_x_server
openbox >/dev/null 2>&1 &
pids+=($!)
wineserver -p  # kept running between the runs, as on a desktop in use

time_of() {
    local start end
    start=$(date +%s%N)
    wine "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

time_of "$tolvane" >/dev/null  # warm-up: fonts and libraries in the page cache
time_of "$bare" >/dev/null
: >"$work/tolvane" && : >"$work/bare"
for _ in $(seq "$runs"); do
    time_of "$tolvane" >>"$work/tolvane"
    time_of "$bare" >>"$work/bare"
done
t=$(median <"$work/tolvane")
b=$(median <"$work/bare")
awk -v t="$t" -v b="$b" -v n="$runs" 'BEGIN {
    printf "tolvane.exe %.1f ms, bare Win32 window %.1f ms (medians of %d alternating runs): ratio %.3f\n",
        t / 1000, b / 1000, n, t / b }'
