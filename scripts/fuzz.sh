#!/usr/bin/env bash
# Runs the fuzz targets for longer than CI does, one after another, each from its seed corpus
# (tests/fuzz/corpus/<target>) and what its earlier runs found (build/fuzz/tests/fuzz/<target>.work/corpus).
# A crash, a sanitizer report or an input that takes longer than 10 seconds stops the run with a non-zero
# status and leaves the input beside that corpus (crash-*, leak-*, timeout-*); replay one with
#   build/fuzz/tests/fuzz/<target> <that file>
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default: 600 seconds, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[ $# -gt 0 ] && shift
scripts/install-deps.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
dir=build/fuzz/tests/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(ls tests/fuzz/corpus))
fi
for target in "${targets[@]}"; do
  echo "== $target for $seconds seconds"
  work=$dir/$target.work
  mkdir -p "$work/corpus"
  flags=($(grep '^-' "tests/fuzz/$target.flags" 2>/dev/null || true)) # the target's own, as its test has them
  QT_QPA_PLATFORM=offscreen "$dir/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/" "${flags[@]}" "$work/corpus" "tests/fuzz/corpus/$target"
done
