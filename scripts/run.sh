#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset release -DVINTORA_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release --target vintora
exec build/release/src/vintora "$@"
