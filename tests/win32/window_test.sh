#!/usr/bin/env bash
# The real tolvane.exe under Wine, in a real X server with a window manager, driven by its keys
# (xdotool) and read back from its windows by window_probe.exe.
#   window_test.sh TOLVANE_EXE WINDOW_PROBE_EXE TABLE
set -euo pipefail
program=$1
PROBE=$2
table=$3
source "$(dirname "$0")/wine_session.sh"
map_japanese_fonts

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

echo "the window as it opens"
(cd "$folder" && exec wine tolvane.exe) &
pids+=($!)
seen=$(await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible minimize $')
# Every control at its place with its caption, in the tab order; the first option of each group
# checked and the group's Tab stop; the focus on the checked plan.
expected='Button|料金コース|8,8,161,81|group
Button|スーパーパックＬ|24,32,121,12|checked tabstop group focus
Button|スーパーパックＳ|24,48,121,12|
Button|標準コース|24,64,113,12|
Button|電話先|8,96,161,81|group
Button|Ｈ'"''"'・一般電話|24,120,129,17|checked tabstop group
Button|携帯電話|24,136,129,17|
Button|通話時間帯|8,184,329,73|group
Button|深夜・早朝(23時～翌8時)|24,208,153,17|checked tabstop group
Button|夜間(19時～23時)|24,224,145,17|
Button|昼間(8時～19時)|184,208,129,17|
Button|昼間(土・日・祝)|184,224,113,17|
Button|通信距離|8,264,329,73|group
Button|同一区域内|24,288,105,17|checked tabstop group
Button|隣接区域内・30km|24,304,121,17|
Button|60kmまで|152,288,73,17|
Button|100kmまで|152,304,81,17|
Button|160kmまで|240,288,81,17|
Button|160km超|240,304,73,17|
Button|通話時間|176,8,161,81|group
Edit|0|208,40,89,18|tabstop group
Button|時間→料金計算(&A)|200,64,113,17|tabstop group
Static|分|304,40,15,15|
Button|通話料金|176,96,161,81|group
Edit|0|208,128,89,18|tabstop group
Button|料金→時間計算(&B)|200,152,113,17|tabstop group
Static|円|304,128,15,15|'
actual=$(sed -n 's/^  //p' <<<"$seen" | sed 's/ *$//')
[ "$actual" = "$expected" ] || fail "the controls differ:$(diff <(echo "$expected") <(echo "$actual"))"

echo "the arrow keys walk a group in index order, round"
activate
# state: which option of the focused group is checked and focused
step() {
    xdotool key --clearmodifiers "$1"
    await "^  Button\|$2\|[^|]*\|checked tabstop [a-z ]*focus" >/dev/null
}
step Left 標準コース
step Down スーパーパックＬ
step Tab "Ｈ''・一般電話"
step Right 携帯電話
step Tab "深夜・早朝\(23時～翌8時\)"
step Up "昼間\(土・日・祝\)"
step Tab 同一区域内
step Left 160km超

echo "full-width digits, as a Japanese input method types them, through Alt+A; the answer after OK"
xdotool key --clearmodifiers Tab  # into the minutes box, its text selected
# xdotool types a character missing from the keyboard map by mapping it to a spare key for a
# moment; a program that reads the map late can miss it. So one at a time, and again if lost.
typed=''
for character in １ ２ ． ５; do
    for _ in 1 2 3; do
        xdotool type --delay 200 "$character"
        sleep 0.5
        probe | grep -q "^  Edit|$typed$character|.*focus" && break
    done
    typed+=$character
done
await '^  Edit\|１２．５\|.*focus' >/dev/null
xdotool key --clearmodifiers alt+a
seen=$(await '^  Static\|１２．５分間の通話で料金は約465円です。\|')
grep -Eq '^window #32770\|Tolvane\|.*visible .*owner:TolvaneMainF' <<<"$seen" ||
    fail "the message box is not owned by the window: $seen"
grep -Eq '^  Edit\|0\|208,128' <<<"$seen" || fail "the yen box changed before OK"
activate box
xdotool key --clearmodifiers Return
seen=$(await '^  Edit\|465\|208,128')
grep -q '^window #32770' <<<"$seen" && fail "the message box is still up"

echo "Enter and Escape press nothing, on the focused button too; Alt+B converts back"
activate
xdotool key --clearmodifiers Return Escape
sleep 1
probe | grep -q '^window #32770' && fail "Enter or Escape pressed a button"
xdotool key --clearmodifiers alt+b
await '^  Static\|465円で約13分間通話できます。\|' >/dev/null
activate box
xdotool key --clearmodifiers Return
await '^  Edit\|13\|208,40' >/dev/null
kill "${pids[-1]}"
wineserver -k 2>/dev/null || true

echo "without table.csv: the table message first, then the window"
rm "$folder/table.csv"
(cd "$folder" && exec wine tolvane.exe) &
pids+=($!)
seen=$(await '^  Static\|料金設定ファイル\(table.csv\)がありません。再インストールしてください。\|')
grep -q '^window TolvaneMainF|Tolvane|client 346x343|hidden' <<<"$seen" ||
    fail "the window showed before the table message: $seen"
activate box
xdotool key --clearmodifiers Return
await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible' >/dev/null
echo "window test passed"
