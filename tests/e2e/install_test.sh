#!/usr/bin/env bash
# Installs Lexado from a build folder into a temporary prefix, checks the installed files, and
# runs the installed program: it answers --version without a display and, started on a fresh
# folder in the X server named by $DISPLAY, takes its sample data from share/lexado and shows
# its window.
# Usage: install_test.sh BUILD_DIR VERSION (as --version shows it after "Lexado ")
set -euo pipefail

build_dir=$1
display_version=$2
work=$(mktemp -d)
# shellcheck source=tests/e2e/installed-program.sh
source "$(dirname "$0")/installed-program.sh"
cleanup() {
  end_lexado
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
data=$prefix/share/lexado

for file in bin/lexado lib/lexado/lexado_statistics.so share/applications/lexado.desktop \
  share/icons/hicolor/128x128/apps/lexado.png \
  share/lexado/language/pChinese.qm share/lexado/language/English.qm \
  share/lexado/fonts/Lxdphone.ttf share/lexado/fonts/Lxdphone-LICENSE.txt \
  share/lexado/sample/table.ini share/lexado/sample/data/TOEFL.dat \
  share/lexado/sample/data/New_Word.dat share/lexado/help/English/index.html \
  share/lexado/help/pChinese/index.html share/lexado/help/Russian/index.html; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/lexado" ] || fail "bin/lexado is not executable"
[ "$(identify -format '%m %wx%h' "$prefix/share/icons/hicolor/128x128/apps/lexado.png")" = \
  "PNG 128x128" ] || fail "the icon is not a 128x128 PNG"

# The build folder lays the resources out beside the program as they are installed: every one
# of them must arrive, unchanged. The statistics module is installed in the library folder.
while IFS= read -r -d '' file; do
  cmp -s "$build_dir/bin/$file" "$data/$file" || fail "not installed as built: share/lexado/$file"
done < <(cd "$build_dir/bin" &&
  find . -type f ! -name lexado ! -name lexado_statistics.so -printf '%P\0')

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/lexado.desktop" || fail "invalid .desktop file"
fi

version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lexado" --version) ||
  fail "--version failed"
[ "$version" = "Lexado $display_version" ] || fail "--version printed '$version'"

# A first start of the installed program, with a runtime folder (and so a single-copy lock) of
# its own, and without the splash picture, which would take the first key.
home=$work/home
runtime=$work/runtime
mkdir -m 700 "$runtime"
start_until_window XDG_RUNTIME_DIR="$runtime" "$prefix/bin/lexado" --home "$home" --no-splash \
  --language pChinese
for file in table.ini data/TOEFL.dat data/New_Word.dat; do
  cmp -s "$data/sample/$file" "$home/$file" || fail "$file not seeded from share/lexado/sample"
done

# Ctrl+I opens the statistics window, which comes from the module in the library folder.
x_tool xdotool windowfocus --sync "$window" key ctrl+i
opened=false
for _ in $(seq 50); do
  if x_tool xdotool search --onlyvisible --name '^学习统计$' >/dev/null; then
    opened=true
    break
  fi
  sleep 0.1
done
$opened || fail "Ctrl+I opened no statistics window"

quit_with_alt_x
[ "$(stat -c %s "$home/Lexado.ini")" -eq 212 ] || fail "Lexado.ini is not 212 bytes"
echo "installed and ran from $prefix"
