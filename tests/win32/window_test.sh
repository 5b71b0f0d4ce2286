#!/usr/bin/env bash
# The real tolvane.exe under Wine, in a real X server with a window manager, driven by its keys
# (xdotool) and read back from its windows by window_probe.exe.
#   window_test.sh TOLVANE_EXE WINDOW_PROBE_EXE TABLE SCENARIO
set -euo pipefail
program=$1
PROBE=$2
table=$3
scenario=$4
source "$(dirname "$0")/wine_session.sh"
# A Japanese Windows has MS P Gothic, and a Japanese font for its message boxes; this prefix
# has IPA P Gothic stand in for both (the message font is a LOGFONTW: -12 px, weight 400,
# Shift-JIS, "IPAPGothic").
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
ipa=$(printf 'IPAPGothic' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
ipa=$ipa$(printf '%0*d' $((128 - ${#ipa})) 0)
wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY \
    /d "F4FFFFFF000000000000000000000000900100000000008000000000${ipa^^}" /f >/dev/null 2>&1

# In a folder with a Japanese name, as a user's own tools folder may be.
folder="$drive_c/users/山田/ツール"
mkdir -p "$folder"
cp "$program" "$folder/tolvane.exe"
cp "$table" "$folder/table.csv"

echo "the program file: its version record, icon sizes and manifest"
seen=$(wine "$PROBE" "$(winepath -w "$folder/tolvane.exe")" | tr -d '\r')
expected='ProductName=Tolvane
ProductVersion=[0-9]+\.[0-9]+\.[0-9]+
FileDescription=Tolvane: Japanese telephone call charge calculator
CompanyName=The Tolvane developers
LegalCopyright=Copyright \(c\) [0-9]{4} The Tolvane developers\. MIT License\.
icon sizes=16 24 32 48 64 128 256 
manifest PerMonitorV2=yes
manifest Microsoft.Windows.Common-Controls=yes
manifest <activeCodePage=yes
manifest 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a=yes'
while IFS= read -r line; do
    grep -Eqx -- "$line" <<<"$seen" || fail "the program file lacks $line: $seen"
done <<<"$expected"

echo "the window as it opens, then the scenario every face plays"
(cd "$folder" && exec wine tolvane.exe) &
pids+=($!)
await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible minimize $' >/dev/null

# What the probe shows of the text boxes (the first and second Edit), as "Text1|Text2"; the line
# of a control the scenario names: the first or second Edit, or the Button (option or push
# button) with that caption; whether it has the focus (an option checked too).
boxes() { probe | sed -n 's/^  Edit|\([^|]*\)|.*/\1/p' | paste -sd '|'; }
line_of() {
    case $1 in
        Text1 | Text2) probe | grep '^  Edit|' | sed -n "${1#Text}p" ;;
        *) probe | grep -F "  Button|$1|" || true ;;
    esac
}
focused() {
    local line
    line=$(line_of "$1")
    [[ $line == *focus && ($1 == Text? || $1 == *'&'* || $line == *checked*) ]]
}
# Takes the text off the clipboard into $clip; fails if there was none.
take_clipboard() {
    clip=$(wine "$PROBE" --clipboard | tr -d '\r')
    [ -n "$clip" ]
}
# Waits for the text that $1 (the keys just pressed, and where) put on the clipboard.
copied() { retry 50 take_clipboard || fail "$1 copied nothing"; }
literal() { sed 's/[][\.*^$(){}?+|/]/\\&/g' <<<"$1"; }
# Types as an input method would; xdotool types a character missing from the keyboard map by
# mapping it to a spare key for a moment, and a program that reads the map late can miss it:
# such characters go one at a time, again if lost.
type_text() {
    local typed=''
    if LC_ALL=C grep -q '^[ -~]*$' <<<"$1"; then
        xdotool type --delay 20 "$1"
        return
    fi
    for character in $(grep -o . <<<"$1"); do
        for _ in 1 2 3; do
            xdotool type --delay 200 "$character"
            sleep 0.5
            probe | grep -q "^  Edit|$typed$character|.*focus" && break
        done
        typed+=$character
    done
}
shown=0\|0 up=false
while IFS=$'\t' read -r -u 3 action expected; do
    [[ -z $action || $action == \#* ]] && continue
    what=${expected%% *} text=${expected#* }
    echo "  $action"
    if $up; then  # the box's Return: OK
        activate box
        xdotool key --clearmodifiers Return
    else
        activate
        case $action in
            key\ *) xdotool key --clearmodifiers ${action#key } ;;
            type\ *) type_text "${action#type }" ;;
        esac
    fi
    up=false
    case $what in
        focus) retry 200 focused "$text" || fail "the focus is not on $text: $(line_of "$text")" ;;
        message)
            seen=$(await "^  Static\|$(literal "$text")\|")
            grep -Eq '^window #32770\|Tolvane\|.*visible .*owner:TolvaneMainF' <<<"$seen" ||
                fail "the message box is not owned by the window: $seen"
            [ "$(boxes)" = "$shown" ] || fail "the boxes changed before OK: $(boxes)"
            # Ctrl+C copies the sentence whole: a shortened one with its number as typed.
            activate box
            xdotool key --clearmodifiers ctrl+c
            copied "Ctrl+C in the box"
            if [[ $text == *…* ]]; then
                [[ $clip == "${text%%…*}"*"${text#*…}" && ${#clip} -gt ${#text} &&
                    ($clip == *"${shown%%|*}"* || $clip == *"${shown#*|}"*) ]]
            else
                [ "$clip" = "$text" ]
            fi || fail "Ctrl+C in the box copied $clip"
            up=true
            ;;
        boxes)
            retry 200 eval '[ "$(boxes)" = "$text" ]' || fail "the boxes show $(boxes), not $text"
            shown=$text
            ;;
        nothing)
            sleep 1
            probe | grep -q '^window #32770' && fail "$action pressed a button"
            ;;
    esac
done 3<"$scenario"
echo "  after the boxes, Ctrl+C in a text box copies its text, which Tab selected"
activate
for _ in $(seq 20); do
    focused Text2 && break
    xdotool key --clearmodifiers Tab
done
xdotool key --clearmodifiers ctrl+c
copied "Ctrl+C in Text2"
[ "$clip" = "${shown#*|}" ] || fail "Ctrl+C in Text2 copied $clip, not ${shown#*|}"
stop_last

echo "without table.csv: the table message first, then the window"
rm "$folder/table.csv"
(cd "$folder" && exec wine tolvane.exe) &
pids+=($!)
table_message='料金設定ファイル(table.csv)がありません。再インストールしてください。'
seen=$(await "^  Static\|$(literal "$table_message")\|")
grep -q '^window TolvaneMainF|Tolvane|client 346x343|hidden' <<<"$seen" ||
    fail "the window showed before the table message: $seen"
activate box
xdotool key --clearmodifiers ctrl+Insert
copied "Ctrl+Insert in the table message"
[ "$clip" = "$table_message" ] || fail "Ctrl+Insert in the table message copied $clip"
xdotool key --clearmodifiers Return
await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible' >/dev/null
echo "window test passed"
