#!/usr/bin/env bash
# Packs a build folder with CPack into a Debian package, checks its control fields and files and
# runs Debian's and AppStream's checkers on it, unpacks it into a fresh root and runs the
# program from there in the X server named by $DISPLAY with an empty home; then removes the
# package's files and finds the root empty and nothing in the home outside the user's data
# folder. Ends with 77 (skipped) where dpkg-deb is missing.
# Usage: package_test.sh BUILD_DIR VERSION PACKAGE_VERSION APP_ID
set -euo pipefail

build_dir=$1
display_version=$2
package_version=$3
app_id=$4
if ! command -v dpkg-deb >/dev/null; then
  echo "SKIPPED: dpkg-deb is missing, so no Debian package can be made or unpacked"
  exit 77
fi
work=$(mktemp -d)
# shellcheck source=tests/e2e/installed-program.sh
source "$(dirname "$0")/installed-program.sh"
bus_pid=
cleanup() {
  end_lexado
  if [ -n "$bus_pid" ]; then
    kill "$bus_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" ||
  fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/cpack/lexado_${package_version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/cpack")"

field() {
  dpkg-deb -f "$deb" "$1"
}
[ "$(field Version)" = "$package_version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Recommends)" = speech-dispatcher ] || fail "Recommends: $(field Recommends)"
# The libraries come from dpkg-shlibdeps, the voice data and SQL driver are named.
for package in espeak-ng-data libqt6sql6-sqlite libc6 libqt6widgets6 libespeak-ng1; do
  field Depends | tr ',' '\n' | grep -q "^ *$package\b" ||
    fail "Depends lacks $package: $(field Depends)"
done

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"
fi

root=$work/root
dpkg-deb -x "$deb" "$root"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||; s|/$||; /^$/d' | LC_ALL=C sort >"$work/listed"
(cd "$root" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort) >"$work/unpacked"
cmp -s "$work/listed" "$work/unpacked" || fail "the package's list and its files differ"
grep -v -e '^usr$' -e '^usr/' "$work/listed" && fail "files outside /usr"

share=$root/usr/share
for size in 16 22 24 32 48 64 128 256 512; do
  [ "$(identify -format '%m %wx%h' "$share/icons/hicolor/${size}x$size/apps/lexado.png")" = \
    "PNG ${size}x$size" ] || fail "the $size px icon is not a ${size}x$size PNG"
done
for file in icons/hicolor/scalable/apps/lexado.svg doc/lexado/copyright doc/lexado/changelog.gz \
  lexado/language/English.qm lexado/fonts/Lxdphone.ttf lexado/fonts/Lxdphone-LICENSE.txt \
  lexado/help/English/index.html lexado/sample/table.ini lexado/sample/data/TOEFL.dat; do
  [ -f "$share/$file" ] || fail "not in the package: /usr/share/$file"
done
find "$root/usr/lib" -path '*/lexado/lexado_statistics.so' | grep -q . ||
  fail "not in the package: the statistics module in the library folder"
desktop-file-validate "$share/applications/lexado.desktop" || fail "invalid .desktop entry"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" ||
  fail "invalid metainfo: $(cat "$work/appstream.log")"
grep -q "<release version=\"$package_version\"" "$share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo names another release"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/lexado" --version) ||
  fail "--version failed"
[ "$version" = "Lexado $display_version" ] || fail "--version printed '$version'"

# A first start as a new user would make it: an empty home, the desktop's default folders, and
# a session bus as a desktop session has (without one, D-Bus would start one and note it in
# the home).
home=$work/home
runtime=$work/runtime
mkdir -m 700 "$home" "$runtime"
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/bus-pid")
bus_pid=$(cat "$work/bus-pid")
start_until_window -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$home" \
  XDG_RUNTIME_DIR="$runtime" DBUS_SESSION_BUS_ADDRESS="$bus" "$root/usr/bin/lexado" --no-splash
quit_with_alt_x
data=$home/.local/share/lexado
cmp -s "$share/lexado/sample/data/TOEFL.dat" "$data/data/TOEFL.dat" ||
  fail "the user's data folder was not filled from the package's sample"

# Removing the package's files, then its folders, deepest first, must leave the root empty.
(cd "$root" && tac "$work/unpacked" | while IFS= read -r path; do
  if [ -d "$path" ]; then rmdir "$path"; else rm "$path"; fi
done) || fail "the installed tree changed: $(cd "$root" && find . -newer "$deb")"
[ -z "$(ls -A "$root")" ] || fail "left after removal: $(cd "$root" && find .)"
left=$(cd "$home" && find . -path ./.local/share/lexado -prune -o -type f -print)
[ -z "$left" ] || fail "written outside the user's data folder: $left"
echo "packed $(basename "$deb"), unpacked, ran and removed"
