#!/usr/bin/env bash
# Start-up under Wine: a bare Win32 window, the plain window with the calculator's 27 controls
# (the anchor) and the calculator, taking turns, each run a whole process from launch to its
# first paint, in a warm Wine prefix with one persistent server, on a virtual X server with a
# window manager. Twice: with MS P Gothic present (as IPA P Gothic, as on a Japanese Windows),
# and without, where the calculator looks for a fallback first. For each, ROUNDS rounds of RUNS
# runs of each; prints each round's medians of the time from launch to the first paint, of the
# time from the process's creation to it (without the loader's part), and of the peak working
# set, and the ratios.
#   wine_startup.sh BARE_EXE CONTROLS_EXE TOLVANE_EXE [RUNS [ROUNDS]]
set -euo pipefail
programs=("$1" "$2" "$3")
names=(bare controls tolvane)
runs=${4:-40}
rounds=${5:-3}
for tool in wine Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps windows)"; exit 1; }
done
source "$(dirname "$0")/../../../tests/e2e/session.sh"
export WINEDEBUG=-all
trap 'WINEPREFIX="$work/mapped" wineserver -k 2>/dev/null; WINEPREFIX="$work/fallback" wineserver -k 2>/dev/null; cleanup' EXIT
start_x_server  # before the prefixes, whose desktop processes stay on the display they found
openbox >/dev/null 2>&1 &
pids+=($!)

# One run: launch to first paint, creation to first paint, in microseconds; peak in bytes.
run() {
    local start
    start=$(date +%s%N)
    wine "$1" 2>/dev/null | tr -d '\r' | awk -v s="$((start / 1000))" \
        '/^painted/ {t = $2 - s} /^paint / {p = $2} /^peak/ {k = $2} END {print t, p, k}'
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

for setup in mapped fallback; do
    export WINEPREFIX="$work/$setup"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null
    if [ "$setup" = mapped ]; then
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    fi
    wineserver -w
    wineserver -p  # kept running between the runs, as on a desktop in use
    for program in "${programs[@]}"; do run "$program" >/dev/null; done  # warm-up
    echo "$setup: medians of $runs alternating runs (launch to paint ms, creation to paint ms, peak MB)"
    for round in $(seq "$rounds"); do
        for name in "${names[@]}"; do : >"$work/$name"; done
        for i in $(seq "$runs"); do
            for k in 0 1 2; do  # each run in a turned order, so that none always goes first
                j=$(((i + k) % 3))
                run "${programs[j]}" >>"$work/${names[j]}"
            done
        done
        line="  round $round:"
        for name in "${names[@]}"; do
            for column in 1 2 3; do
                awk -v c="$column" '{print $c}' "$work/$name" | median >"$work/$name.$column"
            done
            line+=$(awk -v n="$name" -v l="$(cat "$work/$name.1")" -v p="$(cat "$work/$name.2")" \
                -v m="$(cat "$work/$name.3")" \
                'BEGIN {printf " %s %.1f/%.1f/%.1f", n, l / 1000, p / 1000, m / 1048576}')
        done
        ratio() { awk -v a="$(cat "$work/$1")" -v b="$(cat "$work/$2")" 'BEGIN {printf "%.3f", a / b}'; }
        echo "$line; tolvane/controls $(ratio tolvane.1 controls.1) (paint $(ratio tolvane.2 controls.2), peak $(ratio tolvane.3 controls.3)), controls/bare $(ratio controls.1 bare.1)"
    done
    wineserver -k
done
