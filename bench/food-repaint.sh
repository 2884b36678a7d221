#!/usr/bin/env bash
# Food page repaint benchmark: one selection change through the real page and its total bar beside a
# bare fill and sixteen texts, on Qt's offscreen platform. Prints the medians of the wall-clock and
# processor times per change and their ratios against the bare baseline.
# Usage: bench/food-repaint.sh [REPETITIONS]   (builds the release preset first; default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-9}
cmake --preset release >/dev/null
cmake --build --preset release --target vintora_page_bench >/dev/null
build/release/bench/vintora_page_bench --benchmark_filter='BM_FoodSelectionChange|BM_BareFillAndSixteenTexts' \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, -v reps="$repetitions" '
    $1 ~ /_median"?$/ { name = $1; gsub(/"/, "", name); sub(/_median$/, "", name); real[name] = $3; cpu[name] = $4 }
    END {
      food = "BM_FoodSelectionChange"; bare = "BM_BareFillAndSixteenTexts"
      printf "one food selection change, median of %d repetitions (microseconds):\n", reps
      printf "  %-28s %9s %9s\n", "", "wall", "processor"
      printf "  %-28s %9.1f %9.1f\n", "bare fill and sixteen texts", real[bare] / 1000, cpu[bare] / 1000
      printf "  %-28s %9.1f %9.1f\n", "food page and total bar", real[food] / 1000, cpu[food] / 1000
      printf "  %-28s %9.2f %9.2f\n", "ratio", real[food] / real[bare], cpu[food] / cpu[bare]
    }'
