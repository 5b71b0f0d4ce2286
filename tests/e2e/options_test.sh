#!/usr/bin/env bash
# The real program's own options, answered before Qt starts: with no display at all, and Qt told
# to use X11, starting Qt would fail, so an answer shows that Qt never started.
#   options_test.sh PROGRAM VERSION
set -euo pipefail

program=$1
version=$2
source "$(dirname "$0")/session.sh"

# Runs the program with no display and the locale given; its output in $work/out and
# $work/err, its status echoed.
run() {
    local locale=$1; shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES LANG="$locale" \
        QT_QPA_PLATFORM=xcb "$program" "$@" >"$work/out" 2>"$work/err" && echo 0 || echo $?
}

[ "$(run C --version)" = 0 ] || fail "--version: $(cat "$work/err")"
[ "$(cat "$work/out")" = "tolvane $version" ] || fail "--version printed: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "--version wrote to stderr: $(cat "$work/err")"

# After Qt's own options too; in English, or in Japanese where the messages are.
[ "$(run C.UTF-8 -style fusion --help)" = 0 ] || fail "--help: $(cat "$work/err")"
head -n1 "$work/out" | grep -qx 'Usage: tolvane \[Qt options\]' || fail "--help printed: $(cat "$work/out")"
grep -q -- '--version' "$work/out" || fail "--help does not name --version: $(cat "$work/out")"
grep -q '^Report bugs to ' "$work/out" || fail "--help says nothing of reports: $(cat "$work/out")"
[ "$(run ja_JP.UTF-8 --help)" = 0 ] || fail "--help in Japanese: $(cat "$work/err")"
head -n1 "$work/out" | grep -qx '使い方: tolvane \[Qtのオプション\]' ||
    fail "--help in Japanese printed: $(cat "$work/out")"

# Output that cannot be written is a failure, not a silent success.
if [ -w /dev/full ] && env -u DISPLAY "$program" --version >/dev/full 2>/dev/null; then
    fail "--version into a full disk succeeded"
fi
