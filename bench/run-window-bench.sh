#!/usr/bin/env bash
# The window benchmarks, run by `make bench` after the benchmarks of the logic:
#  - start-up: the time from starting the program to the first paint of its splash picture and
#    of its main window on a library of ENTRIES entries, and for a minimal Qt program painting one
#    line to its first paint, RUNS alternating runs of each (after a warm-up) in the same X
#    server, at normal priority as a desktop starts them; Lexado's peak memory at the main
#    window's paint, and the resident memory of each program 3 s after its start;
#  - recitation: the CPU time the real program, and the sound server beside it, use over 60 s
#    with the default timers, once with speech on (as a first start has it; the sound goes to a
#    PulseAudio null sink of the benchmark's own where pulseaudio can start), once with speech
#    off, and once with speech off recited by the word memory; the desktop companion runs with
#    its defaults throughout.
# Usage: bench/run-window-bench.sh [BUILD_DIR]   (default build-bench; RUNS=21 and ENTRIES=100000
# by default; STARTUP_ONLY=1 measures the start-up alone and ends after its figures)
set -euo pipefail
export LC_ALL=C # $EPOCHREALTIME with a decimal point

build=$(cd "${1:-build-bench}" && pwd)
runs=${RUNS:-21}
entries=${ENTRIES:-100000}
recitation_seconds=60
settle_seconds=1

# Everything runs in one virtual X server of its own, at the priority the script was started
# with: no desktop starts a program at real-time priority, so neither does the benchmark.
if [ -z "${LEXADO_WINDOW_BENCH_X:-}" ]; then
    exec env LEXADO_WINDOW_BENCH_X=1 xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

minimal=$build/bench/minimal_window
harness=$build/bin/lexado_window
lexado=$build/bin/lexado

work=$(mktemp -d)
lexado_pid=
pulse_pid=
cleanup() {
    if [ -n "$lexado_pid" ]; then
        kill "$lexado_pid" 2>/dev/null || true
        wait "$lexado_pid" 2>/dev/null || true
    fi
    if [ -n "$pulse_pid" ]; then
        kill "$pulse_pid" 2>/dev/null || true
        wait "$pulse_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A program folder whose catalogue names the library the default settings present.
home=$work/home
mkdir -p "$home/data"
awk -v n="$entries" 'BEGIN { for (i = 0; i < n; i++) printf "word%d#词义 meaning#ˈwɜːd\r\n", i }' \
    >"$home/data/TOEFL.dat"
: >"$home/data/New_Word.dat"
printf 'TOEFL#TOEFL.dat\r\n' >"$home/table.ini"
# Its own runtime folder, so that a Lexado the user is running does not hold the lock.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No session bus: without one Qt would try to start a bus (a fork and a wait in every start-up)
# that a desktop session never pays; with this address both programs skip D-Bus alike.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus

# One start-up; prints the harness's line "main <ms> ... paint <ms> cpu-ms <ms> max-rss-kb <kB>".
# The clock is read just before the exec, in the process that becomes the program.
start_once() {
    local line
    line=$(timeout 60 bash -c 'LEXADO_EXEC_TIME=$EPOCHREALTIME exec "$@"' start "$@") || true
    if [[ "$line" != *paint* ]]; then
        echo "run-window-bench: $1 did not paint its window" >&2
        exit 1
    fi
    echo "$line"
}

field() { # field NAME: the value after NAME on each line of standard input
    awk -v name="$1" '{ for (i = 1; i < NF; i++) if ($i == name) print $(i + 1) }'
}
median() { # of the numbers on standard input
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
least() { # of the numbers on standard input
    sort -g | head -n 1
}
divide() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# A sound server of the benchmark's own, where the program finds it, so that the words of the
# start-ups and the recitation are played as on a desktop; without one the sound has nowhere to
# go.
sound="no sound server"
if command -v pulseaudio >/dev/null; then
    HOME=$work pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n \
        --load="module-null-sink sink_name=bench" \
        --load="module-native-protocol-unix auth-anonymous=1" >"$work/pulse.log" 2>&1 &
    pulse_pid=$!
    for _ in $(seq 50); do
        if HOME=$work pactl info >/dev/null 2>&1; then
            sound="played to a PulseAudio null sink"
            break
        fi
        sleep 0.1
    done
fi

echo "Start-up to the first paint: $runs runs of each after a warm-up, $entries-entry library," \
    "at normal priority, load average $(cut -d ' ' -f 1 /proc/loadavg)"
start_once "$minimal" >/dev/null
start_once "$harness" --home "$home" >/dev/null
minimal_runs=
lexado_runs=
# Each start-up begins on a quiet machine. Right after a Lexado start-up the sound server is
# still busy with its first word, and a program started then paints its window several
# milliseconds sooner than one started on a quiet machine; only Lexado speaks, so without the
# pause the minimal program alone would start on a busy machine.
for ((i = 0; i < runs; i++)); do
    sleep "$settle_seconds"
    minimal_runs+=$(start_once "$minimal")$'\n'
    sleep "$settle_seconds"
    lexado_runs+=$(start_once "$harness" --home "$home")$'\n'
done

# Where the time goes: the medians of the moments each program reached (ms since exec); a
# moment a program does not have shows as "-".
phases() {
    local phase values
    for phase in main app splash show paint; do
        values=$(field "$phase" <<<"$1")
        if [ -n "$values" ]; then
            printf ' %8.1f' "$(median <<<"$values")"
        else
            printf ' %8s' -
        fi
    done
}
printf '  %-20s %8s %8s %8s %8s %8s   (medians, ms since exec)\n' "" \
    "main()" "app" "splash" "shown" "painted"
printf '  %-20s%s\n' "minimal Qt window" "$(phases "$minimal_runs")"
printf '  %-20s%s\n' "Lexado" "$(phases "$lexado_runs")"

minimal_ms=$(field paint <<<"$minimal_runs" | median)
lexado_ms=$(field paint <<<"$lexado_runs" | median)
splash_ms=$(field splash <<<"$lexado_runs" | median)
minimal_least=$(field paint <<<"$minimal_runs" | least)
lexado_least=$(field paint <<<"$lexado_runs" | least)
minimal_cpu=$(field cpu-ms <<<"$minimal_runs" | median)
lexado_cpu=$(field cpu-ms <<<"$lexado_runs" | median)
minimal_rss=$(field max-rss-kb <<<"$minimal_runs" | median)
lexado_rss=$(field max-rss-kb <<<"$lexado_runs" | median)

# The resident memory (VmRSS, kB) of a program 3 s after its start, once the first word has been
# spoken; the program is ended then.
resident_after_start() {
    "$@" >/dev/null 2>&1 &
    lexado_pid=$!
    sleep 3
    awk '/^VmRSS:/ { print $2 }' "/proc/$lexado_pid/status"
    kill "$lexado_pid"
    wait "$lexado_pid" 2>/dev/null || true
    lexado_pid=
}
memory_runs=5
minimal_resident=
lexado_resident=
for ((i = 0; i < memory_runs; i++)); do
    minimal_resident+=$(resident_after_start "$minimal" --stay)$'\n'
    lexado_resident+=$(resident_after_start "$lexado" --home "$home")$'\n'
done
minimal_resident=$(median <<<"$minimal_resident")
lexado_resident=$(median <<<"$lexado_resident")

at_most() {
    awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "yes" : "NO" }'
}
ratio=$(divide "$lexado_ms" "$minimal_ms")
splash_ratio=$(divide "$splash_ms" "$minimal_ms")
resident_ratio=$(divide "$lexado_resident" "$minimal_resident")
echo
printf '%-48s %10s %10s %10s  %s\n' "" "minimal" "Lexado" "ratio" "target"
printf '%-48s %7.1f ms %7.1f ms %10s  <= 1.1: %s\n' "start-up to the splash picture's paint, median" \
    "$minimal_ms" "$splash_ms" "$splash_ratio" "$(at_most "$splash_ratio" 1.1)"
printf '%-48s %7.1f ms %7.1f ms %10s  <= 1.3: %s\n' "start-up to the main window's paint, median" \
    "$minimal_ms" "$lexado_ms" "$ratio" "$(at_most "$ratio" 1.3)"
printf '%-48s %7.1f ms %7.1f ms %10s\n' "start-up to first paint, fastest run" \
    "$minimal_least" "$lexado_least" "$(divide "$lexado_least" "$minimal_least")"
printf '%-48s %7.1f ms %7.1f ms %10s\n' "CPU time to first paint, median" \
    "$minimal_cpu" "$lexado_cpu" "$(divide "$lexado_cpu" "$minimal_cpu")"
printf '%-48s %7d kB %7d kB\n' "peak memory (max RSS) at first paint" "$minimal_rss" "$lexado_rss"
printf '%-48s %7d kB %7d kB %10s  <= 1.3: %s\n' \
    "resident memory 3 s after start, median of $memory_runs" "$minimal_resident" \
    "$lexado_resident" "$resident_ratio" "$(at_most "$resident_ratio" 1.3)"
if [ "${STARTUP_ONLY:-}" = 1 ]; then
    exit 0
fi

# The real program, left to recite: the CPU time (user and system, all threads) it uses over
# 60 s once its start-up is over, in recited_cpu (s), and what the sound server uses meanwhile
# in server_cpu (s; 0 without one), with the time measured in recited_elapsed (s) and the peak
# memory in recited_hwm (kB). The program is left running.
cpu_ticks() { # utime + stime, fields 14 and 15 of /proc/PID/stat, counted after the name
    sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}
server_ticks() {
    if [ -n "$pulse_pid" ]; then
        cpu_ticks "$pulse_pid"
    else
        echo 0
    fi
}
recite() {
    "$lexado" --home "$home" >>"$work/lexado.log" 2>&1 &
    lexado_pid=$!
    sleep 2
    local ticks_before server_before time_before ticks_after server_after time_after
    ticks_before=$(cpu_ticks "$lexado_pid")
    server_before=$(server_ticks)
    time_before=$EPOCHREALTIME
    sleep "$recitation_seconds"
    if ! kill -0 "$lexado_pid" 2>/dev/null; then
        echo "run-window-bench: $lexado ended during the recitation" >&2
        exit 1
    fi
    ticks_after=$(cpu_ticks "$lexado_pid")
    server_after=$(server_ticks)
    time_after=$EPOCHREALTIME
    recited_cpu=$(divide "$((ticks_after - ticks_before))" "$(getconf CLK_TCK)")
    server_cpu=$(divide "$((server_after - server_before))" "$(getconf CLK_TCK)")
    recited_elapsed=$(awk -v a="$time_before" -v b="$time_after" 'BEGIN { printf "%.1f", b - a }')
    recited_hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$lexado_pid/status")
}
# Ends the program through its exit command, which writes Lexado.ini.
exit_lexado() {
    local window
    window=$(xdotool search --onlyvisible --pid "$lexado_pid" --name '^LXD$' | head -n 1)
    xdotool windowfocus --sync "$window" key alt+x
    wait "$lexado_pid" || true
    lexado_pid=
}

echo "Recitation: the real program for $recitation_seconds s with the default timers," \
    "with speech on (words $sound) and off"
recite
speech_cpu=$recited_cpu
speech_server_cpu=$server_cpu
speech_elapsed=$recited_elapsed
exit_lexado
# The settings the first run saved, with speech off (the 32-bit switch at offset 52).
printf '\0\0\0\0' | dd of="$home/Lexado.ini" bs=1 seek=52 conv=notrunc status=none
recite
cpu_seconds=$recited_cpu
silent_server_cpu=$server_cpu
elapsed=$recited_elapsed
lexado_hwm=$recited_hwm
exit_lexado
# The same, recited by the word memory: each entry chosen by the schedule and its showing
# written to memory.sqlite.
printf '[Review]\nenabled=true\n' >"$home/lexado.conf"
recite
memory_cpu=$recited_cpu
memory_elapsed=$recited_elapsed

below() {
    awk -v v="$1" -v l="$2" 'BEGIN { print (v < l) ? "yes" : "NO" }'
}
echo
printf '%-48s %10s %10s %10s  %s\n' "" "minimal" "Lexado" "ratio" "target"
printf '%-48s %10s %7d kB\n' "peak memory (VmHWM) after the recitation" "" "$lexado_hwm"
printf '%-48s %10s %8s s %10s  < 1 s: %s\n' "CPU time over $speech_elapsed s, speech on" "" \
    "$speech_cpu" "" "$(below "$speech_cpu" 1)"
printf '%-48s %10s %8s s %10s  < 0.3 s: %s\n' "CPU time over $elapsed s, speech off" "" \
    "$cpu_seconds" "" "$(below "$cpu_seconds" 0.3)"
printf '%-48s %10s %8s s %10s  < 0.3 s: %s\n' "CPU time over $memory_elapsed s, by memory" "" \
    "$memory_cpu" "" "$(below "$memory_cpu" 0.3)"
# What speaking costs the machine: the sound server works for every client that keeps a stream
# running.
speech_total=$(awk -v a="$speech_cpu" -v b="$speech_server_cpu" 'BEGIN { printf "%.2f", a + b }')
printf '%-48s %10s %8s s %10s\n' "sound server's CPU time, speech on" "" "$speech_server_cpu" ""
printf '%-48s %10s %8s s %10s  <= 0.5 s: %s\n' "CPU time, Lexado + sound server, speech on" "" \
    "$speech_total" "" "$(at_most "$speech_total" 0.5)"
printf '%-48s %10s %8s s\n' "sound server's CPU time, speech off" "" "$silent_server_cpu"
