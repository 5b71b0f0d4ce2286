#!/usr/bin/env bash
# The installer and the portable zip under Wine: a silent install and what it carries, the
# installed program with its table, upgrades (an edited table kept, what is no longer shipped
# removed), a copy in a folder of the user's and setup run again, an uninstall refused while the
# program runs, and uninstalls that keep an edited table, silently or when asked, and nothing
# else.
#   installer_test.sh SETUP_EXE PORTABLE_ZIP WINDOW_PROBE_EXE
set -euo pipefail
setup=$1
zip=$2
PROBE=$3
source "$(dirname "$0")/wine_session.sh"
installed="$drive_c/Program Files/Tolvane"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tolvane.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvane'
edited='1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n13,14,15,16,17,18\r\n19,20,21,22,23,24\r\n'

install() { wine start /wait /unix "$setup" /S "$@"; settle; }
# A silent uninstall from the folder $1 (Windows). The uninstaller runs from a copy of itself,
# which it starts before it returns and which finishes after.
uninstall() { wine "$1\\uninstall.exe" /S; settle; }
entry() { wine reg query "$key" 2>/dev/null | tr -d '\r' | grep REG_ || true; }
left_in() { (cd "$1" && ls -A | tr '\n' ' '); }
# Fails unless the folder $1 holds exactly the files $2.
holds() { [ "$(left_in "$1")" = "$2 " ] || fail "$1 holds: $(left_in "$1")"; }
# Fails unless the uninstaller has left neither the Apps & features entry nor the shortcut.
all_gone() { [ ! -e "$shortcut" ] && [ -z "$(entry)" ] || fail "the entry or shortcut is left"; }

echo "the portable zip and the installed folder: Windows text files"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
portable=("$work"/zip/tolvane-*-portable)
holds "${portable[0]}" "LICENSE.txt README.txt table.csv tolvane.exe"
install
for folder in "${portable[0]}" "$installed"; do
    for file in README.txt LICENSE.txt table.csv; do
        [ "$(grep -c $'\r$' "$folder/$file")" = "$(wc -l <"$folder/$file")" ] ||
            fail "$folder/$file has lines without CRLF"
    done
    [ "$(head -c 3 "$folder/README.txt")" = $'\xEF\xBB\xBF' ] || fail "$folder/README.txt has no BOM"
    grep -q 'アンインストール' "$folder/README.txt" || fail "$folder/README.txt is not the guide"
done
holds "$installed" "LICENSE.txt README.txt table.csv table.csv.shipped tolvane.exe uninstall.exe"
seen=$(entry)
for value in 'DisplayName +REG_SZ +Tolvane$' 'Publisher +REG_SZ +The Tolvane developers$' \
    'DisplayVersion +REG_SZ +[0-9]+\.[0-9]+\.[0-9]+$' \
    'DisplayIcon +REG_SZ +C:\\Program Files\\Tolvane\\tolvane.exe,0$' \
    'InstallLocation +REG_SZ +C:\\Program Files\\Tolvane$' \
    'EstimatedSize +REG_DWORD +0x[0-9a-f]+$' 'UninstallString +REG_SZ +"C:\\Program Files'; do
    grep -Eq "^ +$value" <<<"$seen" || fail "Apps & features entry lacks $value: $seen"
done

echo "the installed program finds its table"
(cd / && exec wine "C:\\Program Files\\Tolvane\\tolvane.exe") &
pids+=($!)
await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible' >/dev/null
sleep 1
probe | grep -q '^window #32770' && fail "the installed program did not find its table: $(probe)"
stop_last

echo "upgrades: an edited table survives; an unedited one and the retired README.md do not"
printf "$edited" >"$installed/table.csv"
touch "$installed/README.md"  # as the previous version shipped it
install
grep -q '^19,20,21,22,23,24' "$installed/table.csv" || fail "the edited table was replaced"
[ ! -e "$installed/README.md" ] || fail "the upgrade left README.md"
printf '0,0,0,0,0,0\n' >"$installed/table.csv.shipped"  # as if an older version had shipped it
cp "$installed/table.csv.shipped" "$installed/table.csv"
install
cmp -s "$installed/table.csv" "$installed/table.csv.shipped" ||
    fail "the unedited table did not take the new rates"

echo "a silent uninstall keeps an edited table, and only it"
printf "$edited" >"$installed/table.csv"
uninstall 'C:\Program Files\Tolvane'
holds "$installed" table.csv
all_gone
rm -r "$installed"

echo "a folder of the user's: Tolvane gets its own inside; setup run again goes there"
mkdir -p "$drive_c/Tools"
echo "the user's own" >"$drive_c/Tools/README.md"
install '/D=C:\Tools'
[ -f "$drive_c/Tools/Tolvane/tolvane.exe" ] || fail "not installed into C:\\Tools\\Tolvane"
# Edited, so that the uninstall asked below has a table to ask about: the upgrade must keep it.
printf "$edited" >"$drive_c/Tools/Tolvane/table.csv"
install
[ ! -e "$installed" ] || fail "setup run again made a second copy in Program Files"
grep -Eq 'InstallLocation +REG_SZ +C:\\Tools\\Tolvane$' <<<"$(entry)" || fail "entry: $(entry)"

echo "no uninstall while the program runs"
wine 'C:\Tools\Tolvane\tolvane.exe' &
pids+=($!)
await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible' >/dev/null
# Run in place (_?=, last and unquoted, so in a folder without blanks), the uninstaller's
# status is its own, not its launcher's.
status=0
wine 'C:\Tools\Tolvane\uninstall.exe' /S '_?=C:\Tools\Tolvane' || status=$?
[ "$status" = 2 ] || fail "a silent uninstall while Tolvane runs ended with status $status"
[ -f "$drive_c/Tools/Tolvane/tolvane.exe" ] && [ -n "$(entry)" ] || fail "it uninstalled while Tolvane ran"
stop_last

echo "a second copy's uninstall leaves the installed one's entry and shortcut"
install '/D=C:\Second\Tolvane'
install '/D=C:\Tools\Tolvane'
uninstall 'C:\Second\Tolvane'
[ -f "$shortcut" ] && [ -n "$(entry)" ] || fail "the second copy took the first one's entry"

echo "asked, the user keeps an edited table by default"
# The uninstaller's window ("Tolvane アンインストール ") and its question box (the same title,
# without the blank), each pressed at its default button (uninstall, keep, close). A Return
# that lands after the window took the last one would answer the box unseen, so each press
# waits for the previous one's proof: the program file goes before the question is asked.
window_up() { [ -n "$(xdotool search --onlyvisible --name "^Tolvane アンインストール$1\$" 2>/dev/null)" ]; }
press_default_until() {
    local title=$1 id
    shift
    for _ in $(seq 60); do
        "$@" && return 0
        id=$(xdotool search --onlyvisible --name "^Tolvane アンインストール$title\$" 2>/dev/null | tail -n1 || true)
        [ -n "$id" ] && xdotool windowactivate --sync "$id" 2>/dev/null && ! "$@" && xdotool key Return || true
        sleep 0.5
    done
    fail "pressing Return in \"Tolvane アンインストール$title\" did not lead to: $*"
}
wine "C:\\Tools\\Tolvane\\uninstall.exe" &
press_default_until ' ' eval '[ ! -e "$drive_c/Tools/Tolvane/tolvane.exe" ]'
retry 300 window_up '' || fail "the uninstaller did not ask about the edited table"
press_default_until '' eval '! window_up ""'
press_default_until ' ' eval '! window_up " "'
settle
holds "$drive_c/Tools/Tolvane" table.csv
[ "$(cat "$drive_c/Tools/README.md")" = "the user's own" ] || fail "the user's README.md was touched"
all_gone

echo "an unedited table goes without a question"
rm "$drive_c/Tools/Tolvane/table.csv"
install '/D=C:\Tools\Tolvane'
uninstall 'C:\Tools\Tolvane'
[ ! -e "$drive_c/Tools/Tolvane" ] || fail "left behind: $(left_in "$drive_c/Tools/Tolvane")"
echo "installer test passed"
