#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
preset="${VINTORA_PRESET:-debug}"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" "$@"
