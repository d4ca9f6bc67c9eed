#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build (cmake -DLEXADO_FUZZ=ON) for the given number of
# seconds, each on a copy of its seed corpus in fuzz/corpus/<name>/, so that the inputs it
# finds do not end up in the repository. Prints each target's executions; fails on any finding
# (a crash, a sanitizer report, a broken invariant, a leak, a timeout), whose input is left in
# the work folder named at the end.
#   scripts/run-fuzz.sh <build-dir> <seconds>
set -euo pipefail

build_dir=${1:?usage: run-fuzz.sh <build-dir> <seconds>}
seconds=${2:?usage: run-fuzz.sh <build-dir> <seconds>}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/lexado-fuzz.XXXXXX")
suppressions="$root/tests/lsan.supp"

failed=()
for corpus in "$root"/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  target="$build_dir/fuzz/fuzz_$name"
  if [ ! -x "$target" ]; then
    echo "fuzz_$name: not built in $build_dir" >&2
    failed+=("$name")
    continue
  fi
  mkdir -p "$work/$name/corpus" "$work/$name/findings"
  cp -r "$corpus". "$work/$name/corpus/"
  log="$work/$name/log"
  if LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0" \
     UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
     "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$work/$name/findings/" "$work/$name/corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$name: ${runs:-?} executions in ${seconds} s, no finding"
  else
    echo "fuzz_$name: FINDING, see $log and $work/$name/findings/" >&2
    grep -E 'ERROR|invariant broken|SUMMARY' "$log" | head -5 >&2 || true
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets with findings: ${failed[*]} (work folder $work)" >&2
  exit 1
fi
rm -rf "$work"
