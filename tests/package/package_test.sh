#!/usr/bin/env bash
# Builds the Debian package from BUILD_DIR exactly as `make deb` does (cpack in build/), unpacks
# it into a temporary root, checks its layout and its dependencies, and runs the end-to-end
# smoke test on the unpacked bin/tolvane link.
#   package_test.sh BUILD_DIR SMOKE_TEST
set -euo pipefail

build=$1
smoke=$2
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps test)"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/out" -maxdepth 1 -name 'tolvane_*.deb')
[ -f "$deb" ] || fail "no package was made"
dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"

[ "$(readlink "$usr/bin/tolvane")" = ../lib/tolvane/tolvane ] || fail "bin/tolvane is not the relative link"
for file in lib/tolvane/tolvane lib/tolvane/table.csv share/applications/tolvane.desktop \
    share/metainfo/io.github.tolvane.Tolvane.metainfo.xml share/icons/hicolor/16x16/apps/tolvane.png \
    share/icons/hicolor/32x32/apps/tolvane.png share/icons/hicolor/scalable/apps/tolvane.svg; do
    [ -f "$usr/$file" ] || fail "missing $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for needed in 'fonts-ipafont-gothic | fonts-noto-cjk' libqt6widgets6 qt6-qpa-plugins; do
    case "$depends" in *"$needed"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done

bash "$smoke" "$usr/bin/tolvane"
