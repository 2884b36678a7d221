#!/usr/bin/env bash
# Redraws the README's pictures: each calculator rendered by the program's --screenshot into docs/
# (food.png, exercise.png, recommend.png, bmi.png, waisthip.png), without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/run.sh --screenshot docs
