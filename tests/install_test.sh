#!/usr/bin/env bash
# The program as a desktop installs it: cmake --install puts exactly the
# expected files in their places, the desktop entry, the AppStream data and
# the manual pages pass their checks, and the .deb that CPack makes holds the
# same files, depends on Qt, passes lintian, and its unpacked programs run.
set -u
export LC_ALL=C.UTF-8
build=$(cd "${BUILD_DIR:?build folder}" && pwd)
# shellcheck source=tests/check.sh
source "$(dirname "$0")/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
id=ee.ombrix.Ombrix
expected="usr/bin/ombrix
usr/bin/ombrix-report
usr/share/applications/$id.desktop
usr/share/doc/ombrix/changelog.gz
usr/share/doc/ombrix/copyright
usr/share/icons/hicolor/128x128/apps/ombrix.png
usr/share/icons/hicolor/256x256/apps/ombrix.png
usr/share/icons/hicolor/32x32/apps/ombrix.png
usr/share/icons/hicolor/48x48/apps/ombrix.png
usr/share/icons/hicolor/64x64/apps/ombrix.png
usr/share/icons/hicolor/scalable/apps/ombrix.svg
usr/share/lintian/overrides/ombrix
usr/share/man/et/man1/ombrix-report.1.gz
usr/share/man/et/man1/ombrix.1.gz
usr/share/man/man1/ombrix-report.1.gz
usr/share/man/man1/ombrix.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/ombrix/Ombrix.HLP"

# A PNG's width and height from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
check "cmake --install succeeds" $?
[ "$(cd "$tmp/root" && find . -type f | sed 's|^\./||' | sort)" = "$expected" ]
check "cmake --install puts exactly the program's files" $?
desktop-file-validate "$tmp/root/usr/share/applications/$id.desktop"
check "the desktop entry is valid" $?
grep -q '^Comment=Arvutab sünnikuupäeva' "$tmp/root/usr/share/applications/$id.desktop"
check "the desktop entry speaks Estonian" $?
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$id.metainfo.xml" >"$tmp/appstream" 2>&1
check "the AppStream data is valid" $?
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
sources=$(sed -n 's/^Ombrix_SOURCE_DIR:STATIC=//p' "$build/CMakeCache.txt")
metainfo=$tmp/root/usr/share/metainfo/$id.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo"
check "the AppStream release is the project's version" $?
grep -q '<project_license>MIT</project_license>' "$metainfo"
check "the AppStream data names the licence" $?
doc=$tmp/root/usr/share/doc/ombrix
[ "$(dpkg-parsechangelog -l "$doc/changelog.gz" -S Version)" = "$version" ]
check "the Debian changelog's newest entry is the project's version" $?
grep -q "<release version=\"$version\" date=\"$(date -d "$(dpkg-parsechangelog -l "$doc/changelog.gz" -S Date)" +%F)\"" "$metainfo"
check "the AppStream release has the Debian changelog's date" $?
diff <(sed '1,/^License:/d; s/^ //; s/^\.$//' "$doc/copyright") \
  <(sed '1,/^Copyright/d' "$sources/LICENSE" | sed 1d) >/dev/null
check "the Debian copyright file carries the licence text of LICENSE" $?
for size in 32 48 64 128 256; do
  [ "$(png_size "$tmp/root/usr/share/icons/hicolor/${size}x$size/apps/ombrix.png")" = "${size}x$size" ]
  check "the desktop icon of $size x $size pixels has that size" $?
done
grep -q 'viewBox="0 0 32 32"' "$tmp/root/usr/share/icons/hicolor/scalable/apps/ombrix.svg"
check "the scalable icon is the 32 x 32 design" $?
grep -qx 'StartupWMClass=ombrix' "$tmp/root/usr/share/applications/$id.desktop"
check "the desktop entry names the window's class" $?

# What a software center's catalogue is made of: appstreamcli compose finds
# the program, its desktop entry and its icons in the installed tree, raises
# no error (such as icon-not-found, which drops the program) and puts the
# program in the catalogue with its icon.
appstreamcli compose --no-net --no-color --print-report=full --origin=ombrix --prefix=/usr \
  --result-root="$tmp/catalogue" --hints-dir="$tmp/hints" "$tmp/root" >"$tmp/compose" 2>&1 &&
  ! grep -q '^ *E: ' "$tmp/compose" &&
  zgrep -q "<icon type=\"cached\"[^>]*>$id.png</icon>" "$tmp/catalogue/usr/share/swcatalog/xml/ombrix.xml.gz"
composed=$?
[ "$composed" = 0 ] || cat "$tmp/compose"
check "appstreamcli compose takes the program in with its icon, without an error" "$composed"
cmp -s "$tmp/root/usr/share/ombrix/Ombrix.HLP" "$build/Ombrix.HLP"
check "the help is installed as Ombrix.HLP" $?

# The manual pages render without a warning, each in its language, and man
# finds the Estonian ones for an Estonian reader.
for page in man1/ombrix man1/ombrix-report et/man1/ombrix et/man1/ombrix-report; do
  man --warnings -l "$tmp/root/usr/share/man/$page.1.gz" >"$tmp/page" 2>"$tmp/warnings"
  [ $? = 0 ] && [ ! -s "$tmp/warnings" ] && grep -q 'Ombrix.HLP' "$tmp/page"
  check "the manual page $page renders without warnings" $?
done
grep -q 'VÄLJUMISKOOD' <(man -l "$tmp/root/usr/share/man/et/man1/ombrix-report.1.gz")
check "the Estonian manual page is Estonian" $?
[ "$(MANPATH=$tmp/root/usr/share/man man -L et -w ombrix-report)" = "$tmp/root/usr/share/man/et/man1/ombrix-report.1.gz" ]
check "man finds the Estonian page for an Estonian reader" $?

(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null 2>&1)
check "cpack makes a package" $?
deb=$(ls "$tmp"/package/ombrix_*.deb 2>/dev/null | head -1)
[ -n "$deb" ]
check "the package is a .deb" $?
dpkg-deb -f "$deb" Package Version Depends >"$tmp/fields"
grep -qx 'Package: ombrix' "$tmp/fields"
check "the package is named ombrix" $?
grep -q '^Depends:.*libqt6widgets6' "$tmp/fields"
check "the package depends on Qt's widgets" $?
lintian --fail-on error,warning "$deb" >"$tmp/lintian" 2>&1 && ! grep -q '^[EW]:' "$tmp/lintian"
clean=$?
[ "$clean" = 0 ] || cat "$tmp/lintian"
check "lintian finds no error and no warning in the package" "$clean"
dpkg-deb -x "$deb" "$tmp/unpacked"
[ "$(cd "$tmp/unpacked" && find . -type f | sed 's|^\./||' | sort)" = "$expected" ]
check "the package holds the installed files" $?
"$tmp/unpacked/usr/bin/ombrix-report" --raw "27. Oktoober 1980" | cmp -s - <("$build/ombrix-report" --raw "27. Oktoober 1980")
check "the packaged ombrix-report writes the report" $?
# The window program runs until it is closed: still running after three
# seconds means it started and opened its window.
QT_QPA_PLATFORM=offscreen timeout 3 "$tmp/unpacked/usr/bin/ombrix" >"$tmp/window" 2>&1
[ $? = 124 ]
check "the packaged ombrix starts and keeps its window open" $?

finish
