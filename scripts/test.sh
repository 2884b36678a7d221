#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Exits non-zero on any failure.
# Usage: scripts/test.sh [--all] [CTEST ARGUMENTS...]
#   --all   what CI runs (.ci/run): after the suite, a whole session of the program under valgrind
#           (scripts/valgrind-session.sh), the whole suite again under the address and undefined-behaviour
#           sanitizers (preset asan), the thread tests under the thread sanitizer (preset tsan), and every
#           fuzz target for a bounded count of inputs (preset fuzz). Any report fails the run. Every
#           suite runs one test per core. The ctest arguments apply to the first suite only.
set -euo pipefail
cd "$(dirname "$0")/.."
all=false
if [ "${1:-}" = --all ]; then
  all=true
  shift
fi
scripts/install-deps.sh test
# One build job and, under --all, one sanitizer test per core (Ninja alone would start two more jobs).
jobs=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$jobs}

# run_preset PRESET [CTEST ARGUMENTS...]: configure, build and test with one preset, and say how long it took.
run_preset() {
  local preset=$1 started=$SECONDS
  shift
  echo "== preset $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" "$@"
  echo "== preset $preset: $((SECONDS - started)) s"
}

if ! $all; then
  run_preset "${VINTORA_PRESET:-debug}" "$@"
  exit 0
fi
run_preset "${VINTORA_PRESET:-debug}" --parallel "$jobs" "$@"
started=$SECONDS
scripts/valgrind-session.sh
echo "== valgrind session: $((SECONDS - started)) s"
run_preset asan --parallel "$jobs"
run_preset tsan --parallel "$jobs"
run_preset fuzz --parallel "$jobs"
