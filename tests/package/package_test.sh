#!/usr/bin/env bash
# Builds the Debian package from BUILD_DIR exactly as `make deb` does (cpack in build/), unpacks
# it into a temporary root, checks its layout, its conffile and its dependencies, and runs the
# end-to-end smoke test on the unpacked bin/tolvane link, which finds its table through the link
# to /etc. Also checks that a plain install keeps the table itself beside the program.
#   package_test.sh BUILD_DIR SMOKE_TEST SHIPPED_TABLE
set -euo pipefail

build=$1
smoke=$2
table=$3
source "$(dirname "$0")/../e2e/session.sh"
require make cmake cpack dpkg-deb dpkg-shlibdeps file fc-query

# Made under the strictest umask: what it installs must still be for everyone (lintian checks
# the package's modes below, and the plain install's are checked too).
umask 077
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/out" -maxdepth 1 -name 'tolvane_*.deb')
[ -f "$deb" ] || fail "no package was made"
dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"

[ "$(readlink "$usr/bin/tolvane")" = ../lib/tolvane/tolvane ] || fail "bin/tolvane is not the relative link"
for file in lib/tolvane/tolvane share/applications/tolvane.desktop \
    share/metainfo/io.github.tolvane.Tolvane.metainfo.xml share/icons/hicolor/scalable/apps/tolvane.svg \
    share/man/man1/tolvane.1.gz share/man/ja/man1/tolvane.1.gz \
    $(for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/tolvane.png"; done); do
    [ -f "$usr/$file" ] || fail "missing $file"
done

# The rates an administrator edits survive upgrades: the table is a conffile in /etc, and the
# program's own table.csv a relative link to it.
[ "$(dpkg-deb -I "$deb" conffiles)" = /etc/tolvane/table.csv ] ||
    fail "conffiles is not just /etc/tolvane/table.csv: $(dpkg-deb -I "$deb" conffiles 2>&1)"
[ "$(readlink "$usr/lib/tolvane/table.csv")" = ../../../etc/tolvane/table.csv ] ||
    fail "lib/tolvane/table.csv is not the relative link to etc/tolvane/table.csv"
cmp -s "$usr/lib/tolvane/table.csv" "$table" || fail "the packaged table is not the shipped one"

[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "does not recommend qt6-wayland"

# Debian's own checker: no error, no warning (the package's overrides carry their reasons).
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
        { cat "$work/lintian.log"; fail "lintian"; }
fi

# `make install` from a tree whose build-app/ is this build, into a prefix with a blank; with
# nothing built it refuses, rather than build as root. A plain install has no /etc: the table
# is a file beside the program.
mkdir "$work/tree" "$work/unbuilt"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cp "$source_dir/Makefile" "$work/tree/"
cp "$source_dir/Makefile" "$work/unbuilt/"
ln -s "$source_dir/cmake" "$work/tree/cmake"
ln -s "$(cd "$build" && pwd)" "$work/tree/build-app"
make -C "$work/unbuilt" install PREFIX="$work/plain" >"$work/unbuilt.log" 2>&1 &&
    fail "make install with nothing built went ahead"
grep -q "build it first with 'make app'" "$work/unbuilt.log" || fail "$(cat "$work/unbuilt.log")"
plain="$work/plain tree"
make -C "$work/tree" install PREFIX="$plain" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
[ -f "$plain/lib/tolvane/table.csv" ] && [ ! -L "$plain/lib/tolvane/table.csv" ] ||
    fail "a plain install has no table.csv file beside the program"
[ ! -e "$plain/etc" ] || fail "a plain install wrote etc/"
[ -f "$plain/share/man/ja/man1/tolvane.1.gz" ] || fail "a plain install has no Japanese manual page"
closed=$(find "$plain" -type d ! -perm -0555)
[ -z "$closed" ] || fail "a plain install under umask 077 made directories others cannot enter: $closed"
# `make uninstall` takes away all of it, and the program's own directories with it.
make -C "$work/tree" uninstall >"$work/uninstall.log" 2>&1 || { cat "$work/uninstall.log"; fail "uninstall"; }
left=$(find "$plain" ! -type d -o -name tolvane)
[ -z "$left" ] || fail "the uninstall left $left"

# The smoke test's first start fails unless the program read its table through the link.
MAPPED_FILES="$work/mapped" bash "$smoke" "$usr/bin/tolvane"
# The packaged program, stripped, says the package's version, with no display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/tolvane" --version)" = "tolvane $(dpkg-deb -f "$deb" Version)" ] ||
    fail "the packaged tolvane --version does not say the package's version $(dpkg-deb -f "$deb" Version)"

# The package depends on what the program loads, and on nothing it does not: each Qt plugin,
# Qt translation and Japanese font that the running program mapped comes from a package in
# Depends, and each entry of Depends (one of its alternatives) owns a file it mapped.
depends=$(dpkg-deb -f "$deb" Depends)
names() { tr ',|' '\n\n' | sed 's/ *(.*//; s/^ *//; s/ *$//'; }  # of packages in a relation
# The package that owns a file, if any; under a merged /usr, dpkg may know it without /usr.
owner() {
    { dpkg -S "$1" || dpkg -S "${1#/usr}" || true; } 2>/dev/null | sed -n '1s/[:,].*//p'
}
while read -r file; do
    case "$file" in
        */qt6/plugins/* | */qt6/translations/*) ;;
        /usr/share/fonts/*) fc-query -f '%{lang}' "$file" | tr '|' '\n' | grep -qx ja || continue ;;
        *) continue ;;
    esac
    package=$(owner "$file")
    names <<<"$depends" | grep -qx "$package" ||
        fail "the program loads $file, of ${package:-no package}, which Depends lacks: $depends"
done <"$work/mapped"
owners=$(while read -r file; do owner "$file"; done <"$work/mapped" | sort -u)
printf '%s\n' "$depends" | tr ',' '\n' | while read -r entry; do
    names <<<"$entry" | grep -qxF "$owners" ||
        fail "Depends names $entry, of which the program loads nothing"
done
