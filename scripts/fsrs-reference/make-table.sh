#!/usr/bin/env bash
# Writes tests/memory/fsrs-reference.tsv: the stabilities, difficulties and intervals that the
# ts-fsrs package (an independent implementation of the same memory model, from npm) gives for
# the rating sequences of reference.cjs. The memory test compares the C++ model with this
# table. Run by hand when the sequences change; the build and the tests never run it.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

npm install --prefix "$work" --no-audit --no-fund --no-save ts-fsrs@5.4.2 >/dev/null
node "$here/reference.cjs" "$work/node_modules/ts-fsrs" >"$here/../../tests/memory/fsrs-reference.tsv"
