#!/usr/bin/env bash
# Installs Lexado from a build folder into a temporary prefix, checks the installed files, and
# runs the installed program: it answers --version without a display and, started on a fresh
# folder in the X server named by $DISPLAY, takes its sample data from share/lexado and shows
# its window.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build_dir=$1
work=$(mktemp -d)
lexado_pid=
cleanup() {
  if [ -n "$lexado_pid" ]; then
    kill "$lexado_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
data=$prefix/share/lexado

for file in bin/lexado share/applications/lexado.desktop \
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
# of them must arrive, unchanged.
while IFS= read -r -d '' file; do
  cmp -s "$build_dir/bin/$file" "$data/$file" || fail "not installed as built: share/lexado/$file"
done < <(cd "$build_dir/bin" && find . -type f ! -name lexado -printf '%P\0')

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/lexado.desktop" || fail "invalid .desktop file"
fi

version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lexado" --version) ||
  fail "--version failed"
[ "$version" = "Lexado 1.0 Beta6" ] || fail "--version printed '$version'"

# An X server on a busy machine now and then refuses a connection opened just after another
# one closed; a program it refused is run again.
refused() {
  grep -q -e "open display" -e "open X server" -e "connect to display" "$1"
}

x_tool() {
  local attempt
  for attempt in 1 2 3 4 5; do
    if "$@" 2>"$work/tool-errors"; then
      return 0
    fi
    refused "$work/tool-errors" || break
    sleep 0.1
  done
  cat "$work/tool-errors" >&2
  return 1
}

# A first start of the installed program, with a runtime folder (and so a single-copy lock) of
# its own, and without the splash picture, which would take the first key.
home=$work/home
runtime=$work/runtime
mkdir -m 700 "$runtime"
start_lexado() {
  env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$prefix/bin/lexado" --home "$home" --no-splash \
    2>"$work/lexado-errors" &
  lexado_pid=$!
}
start_lexado
window=
starts=1
for _ in $(seq 100); do
  if ! kill -0 "$lexado_pid" 2>/dev/null; then
    refused "$work/lexado-errors" && [ "$starts" -lt 5 ] ||
      fail "the program ended at start: $(cat "$work/lexado-errors")"
    start_lexado
    starts=$((starts + 1))
  fi
  window=$(x_tool xdotool search --all --onlyvisible --pid "$lexado_pid" --name '^LXD$' |
    head -n 1) || true
  [ -z "$window" ] || break
  sleep 0.1
done
[ -n "$window" ] || fail "no LXD window appeared"
for file in table.ini data/TOEFL.dat data/New_Word.dat; do
  cmp -s "$data/sample/$file" "$home/$file" || fail "$file not seeded from share/lexado/sample"
done

x_tool xdotool windowfocus --sync "$window" key alt+x
status=0
timeout 10 tail --pid="$lexado_pid" -f /dev/null || fail "Alt+X did not end the program"
wait "$lexado_pid" || status=$?
lexado_pid=
[ "$status" -eq 0 ] || fail "exit code $status"
[ "$(stat -c %s "$home/Lexado.ini")" -eq 212 ] || fail "Lexado.ini is not 212 bytes"
echo "installed and ran from $prefix"
