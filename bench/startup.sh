#!/usr/bin/env bash
# Start-up benchmark: the real program on a virtual X server, the time from its exec to its window's
# first frame on the screen over several runs, with the banner (its browser engine loads after the
# first frame) and without it (VINTORA_NO_BANNER=1, a switch for this benchmark only), beside a bare Qt
# window with one line of Korean text built in the same tree. Prints the medians and ratios (also of
# the processor time used up to the frame, and of the time to the mapped, not yet painted, window),
# then the resident memory of the bare window and of the program with and without the engine: its own
# process and each engine process.
# The program timed is vintora_loopback, the program built with its main web host on a loopback port
# where nothing listens: its banner worker never leaves the machine.
# Usage: bench/startup.sh [RUNS]   (builds the release preset first; default 15 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
cmake --preset release >/dev/null
cmake --build --preset release --target vintora_loopback vintora_bare_window vintora_frame_timer >/dev/null
program=build/release/src/vintora_loopback
bare=build/release/bench/vintora_bare_window
timer=build/release/bench/vintora_frame_timer

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb

time_bare() { "$timer" "$bare"; }
time_banner() { "$timer" "$program"; }
time_no_banner() { VINTORA_NO_BANNER=1 "$timer" "$program"; }
variants=(bare banner no_banner)

for v in "${variants[@]}"; do "time_$v" >/dev/null 2>&1; done # warm the file cache
for _ in $(seq "$runs"); do # interleaved, so that drift of the machine weighs on every variant alike
  for v in "${variants[@]}"; do "time_$v" 2>/dev/null >>"$work/$v"; done
done
median() { # median FILE COLUMN
  cut -d' ' -f"$2" "$1" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
for column in 2 3 1; do
  bare_ms=$(median "$work/bare" $column)
  banner_ms=$(median "$work/banner" $column)
  no_banner_ms=$(median "$work/no_banner" $column)
  case $column in
    2) echo "exec to the first frame on the screen, median of $runs runs:" ;;
    3) echo "processor time used by the first frame (user + system; a busy machine does not inflate it):" ;;
    1) echo "exec to the mapped window (not yet painted):" ;;
  esac
  printf '  %-30s %7.1f ms\n' "bare Qt window" "$bare_ms"
  printf '  %-30s %7.1f ms  %s x bare\n' "vintora, banner off" "$no_banner_ms" "$(ratio "$no_banner_ms" "$bare_ms")"
  printf '  %-30s %7.1f ms  %s x bare, %s x banner off\n' "vintora, banner on" "$banner_ms" \
    "$(ratio "$banner_ms" "$bare_ms")" "$(ratio "$banner_ms" "$no_banner_ms")"
done

# Resident memory a few seconds after the start, when the banner's page is on the screen.
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
descendants() { local c; for c in $(pgrep -P "$1" || true); do echo "$c"; descendants "$c"; done; }
bare_kib=0
memory() { # memory LABEL PROGRAM [ENV=VALUE...]
  local label=$1 exe=$2; shift 2
  env "$@" "$exe" >/dev/null 2>&1 &
  local app=$!
  pids+=("$app")
  sleep 8
  local own total child
  own=$(rss_kib "$app")
  total=$own
  echo "resident memory, $label:"
  if [ "$bare_kib" -eq 0 ]; then
    printf '  %-40s %7d KiB\n' "process (pid $app)" "$own"
  else
    printf '  %-40s %7d KiB  %s x bare\n' "program (pid $app)" "$own" "$(ratio "$own" "$bare_kib")"
  fi
  for child in $(descendants "$app"); do
    printf '  %-40s %7d KiB\n' "engine process (pid $child)" "$(rss_kib "$child")"
    total=$((total + $(rss_kib "$child")))
  done
  [ "$total" -eq "$own" ] || printf '  %-40s %7d KiB\n' "all together" "$total"
  [ "$bare_kib" -ne 0 ] || bare_kib=$own
  kill "$app"
  wait "$app" 2>/dev/null || true
}
memory "bare Qt window" "$bare"
memory "vintora, banner off (no engine)" "$program" VINTORA_NO_BANNER=1
memory "vintora, banner on (engine loaded)" "$program"
