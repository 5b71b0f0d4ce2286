#!/usr/bin/env bash
# The installer under Wine: a silent install, the installed program with its table, an edited
# table kept over a reinstall, and a silent uninstall that leaves nothing behind.
#   installer_test.sh SETUP_EXE WINDOW_PROBE_EXE
set -euo pipefail
setup=$1
PROBE=$2
source "$(dirname "$0")/wine_session.sh"
installed="$drive_c/Program Files/Tolvane"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tolvane.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvane'

install() { wine start /wait /unix "$setup" /S; wineserver -w; }
entry() { wine reg query "$key" 2>/dev/null | tr -d '\r' | grep REG_ || true; }

echo "a silent install"
install
for file in tolvane.exe table.csv README.md LICENSE.txt uninstall.exe; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start menu shortcut"
seen=$(entry)
for value in 'DisplayName +REG_SZ +Tolvane$' 'Publisher +REG_SZ +The Tolvane developers$' \
    'DisplayVersion +REG_SZ +[0-9]+\.[0-9]+\.[0-9]+$' \
    'DisplayIcon +REG_SZ +C:\\Program Files\\Tolvane\\tolvane.exe,0$' \
    'EstimatedSize +REG_DWORD +0x[0-9a-f]+$' 'UninstallString +REG_SZ +"C:\\Program Files'; do
    grep -Eq "^ +$value" <<<"$seen" || fail "Apps & features entry lacks $value: $seen"
done

echo "the installed program finds its table"
(cd / && exec wine "C:\\Program Files\\Tolvane\\tolvane.exe") &
pids+=($!)
await '^window TolvaneMainF\|Tolvane\|client 346x343\|visible' >/dev/null
sleep 1
probe | grep -q '^window #32770' && fail "the installed program did not find its table: $(probe)"
kill "${pids[-1]}"
wineserver -k 2>/dev/null || true

echo "an edited table survives a reinstall; an unedited one takes the shipped rates"
printf '1,2,3,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n19,20,21,22,23,24\n' >"$installed/table.csv"
install
grep -q '^19,20,21,22,23,24' "$installed/table.csv" || fail "the edited table was replaced"
printf '0,0,0,0,0,0\n' >"$installed/table.csv.shipped"  # as if an older version had shipped it
cp "$installed/table.csv.shipped" "$installed/table.csv"
install
cmp -s "$installed/table.csv" "$installed/table.csv.shipped" ||
    fail "the unedited table did not take the new rates"
grep -q '^0,0,0,0,0,0' "$installed/table.csv" && fail "the old shipped table stayed"

echo "a silent uninstall leaves no file, shortcut or registry entry"
wine "C:\\Program Files\\Tolvane\\uninstall.exe" /S
# The uninstaller runs from a copy of itself, which finishes after the original returns.
for _ in $(seq 100); do [ -e "$installed" ] || break; sleep 0.2; done
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(ls -A "$installed")"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut is left"
[ -z "$(entry)" ] || fail "the Apps & features entry is left"
echo "installer test passed"
