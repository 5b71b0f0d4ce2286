#!/usr/bin/env bash
# A calculator left open all day: the real program under Xvfb, driven by xdotool through
# conversions that succeed and fail in both directions (Alt+A or Alt+B, then Return on the
# message box), alternating the destination with a mouse click. Prints resident memory after
# a warm-up and after the measured conversions.
#   long_session.sh PROGRAM [WARM_UP [MEASURED]]     (PROGRAM with its table.csv beside it)
set -euo pipefail

program=$(readlink -f "$1")
warm_up=${2:-100}
measured=${3:-2000}
source "$(dirname "$0")/../../tests/e2e/session.sh"
start_x_server

# Band 0/0 lasts 0 seconds: an ordinary call there fails both ways, a mobile call does not.
mkdir "$work/app"
cp "$program" "$work/app/tolvane"
printf '0,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n' \
    >"$work/app/table.csv"
"$work/app/tolvane" &
app=$!
pids+=($app)

visible() { xdotool search --onlyvisible --name '^Tolvane$' 2>/dev/null | grep -c . || true; }
await() {
    for _ in $(seq 500); do [ "$(visible)" -eq "$1" ] && return 0; sleep 0.005; done
    echo "expected $1 window(s), have $(visible)" >&2
    exit 1
}
await 1
window=$(xdotool search --onlyvisible --name '^Tolvane$')
xdotool windowfocus --sync "$window"

# Without a window manager, keys go to whichever window was given the focus last.
convert_once() {  # $1: alt+a or alt+b
    xdotool windowfocus --sync "$window" key --clearmodifiers "$1"
    await 2
    box=$(xdotool search --onlyvisible --name '^Tolvane$' | grep -vx "$window")
    xdotool windowfocus --sync "$box" key Return
    await 1
}
# Four conversions: each direction for a mobile (succeeds) and an ordinary call (fails).
round() {
    xdotool mousemove --window "$window" 100 144 click 1  # 携帯電話
    convert_once alt+a
    convert_once alt+b
    xdotool mousemove --window "$window" 100 128 click 1  # Ｈ''・一般電話
    convert_once alt+a
    convert_once alt+b
}
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$app/status"; }

start=$(rss)
for _ in $(seq $((warm_up / 4))); do round; done
after_warm_up=$(rss)
# Every 500 conversions a reading, so that a steady growth shows apart from a settling one.
for n in $(seq $((measured / 4))); do
    round
    [ $((n * 4 % 500)) -ne 0 ] || echo "after $((warm_up + n * 4)) conversions: $(rss) KiB"
done
after=$(rss)
echo "resident memory (KiB): start $start, after $warm_up conversions $after_warm_up," \
    "after $measured more $after: $((after - after_warm_up)) KiB grown"
