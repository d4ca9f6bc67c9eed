# shellcheck shell=bash
# Starting an installed copy of Lexado in the X server named by $DISPLAY, finding its window and
# ending it with Alt+X; sourced by the install and package tests, which set $work (a folder of
# their own) before they start it.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

lexado_pid=
end_lexado() {
  if [ -n "$lexado_pid" ]; then
    kill "$lexado_pid" 2>/dev/null || true
  fi
}

# An X server on a busy machine now and then refuses a connection opened just after another
# one closed; a program it refused is run again.
refused() {
  grep -q -e "open display" -e "open X server" -e "connect to display" "$1"
}

x_tool() {
  for _ in 1 2 3 4 5; do
    if "$@" 2>"$work/tool-errors"; then
      return 0
    fi
    refused "$work/tool-errors" || break
    sleep 0.1
  done
  cat "$work/tool-errors" >&2
  return 1
}

# Starts the command given (env's options and assignments, then the program and its arguments) and waits for its visible LXD window, whose id it leaves in $window.
window=
start_until_window() {
  local starts=1
  env -u QT_QPA_PLATFORM "$@" 2>"$work/lexado-errors" &
  lexado_pid=$!
  window=
  for _ in $(seq 100); do
    if ! kill -0 "$lexado_pid" 2>/dev/null; then
      refused "$work/lexado-errors" && [ "$starts" -lt 5 ] ||
        fail "the program ended at start: $(cat "$work/lexado-errors")"
      env -u QT_QPA_PLATFORM "$@" 2>"$work/lexado-errors" &
      lexado_pid=$!
      starts=$((starts + 1))
    fi
    window=$(x_tool xdotool search --all --onlyvisible --pid "$lexado_pid" --name '^LXD$' |
      head -n 1) || true
    [ -z "$window" ] || return 0
    sleep 0.1
  done
  fail "no LXD window appeared"
}

# Alt+X on the window ends the program, which must exit with 0.
quit_with_alt_x() {
  local status=0
  x_tool xdotool windowfocus --sync "$window" key alt+x
  timeout 10 tail --pid="$lexado_pid" -f /dev/null || fail "Alt+X did not end the program"
  wait "$lexado_pid" || status=$?
  lexado_pid=
  [ "$status" -eq 0 ] || fail "exit code $status"
}
