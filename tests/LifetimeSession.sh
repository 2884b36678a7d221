#!/usr/bin/env bash
# A whole session of the real program on a virtual X server under a window manager, for a tool that
# watches the program's lifetime (valgrind in front of it, or the address sanitizer built into it): every
# calculator is used and every page switched to, the about box is opened from the system menu and
# closed, the banner strip goes to the remote banner of a loopback server,
# and the close button ends the program. Passes when every step showed on the screen and the program,
# or the tool, ended with status 0.
# Usage: LifetimeSession.sh PROGRAM BITMAP_DIR BANNER_SERVER MAIN_HOST [TOOL [TOOL ARGUMENTS...]]
#   PROGRAM fetches its banner from MAIN_HOST (address:port on the loopback), where the session serves it.
set -uo pipefail

program=$1
bitmaps=$2
banner_server=$3
main_host=$4
shift 4
launch=("$@" "$program")
work=$(mktemp -d)
source "$(dirname "$0")/XSession.sh"

# A tool in front makes the program many times slower: every wait is an upper bound, generous then.
patience=20
[ $# -gt 0 ] && patience=180
red=192,0,0
green=0,192,0
black=0,0,0

show_page() { # show_page MENU_Y TITLE_ID
  click_client 118 "$1"
  check "the menu shows the page with title $2" wait_for "$patience" title_shows "$2"
}

log_is_empty() { [ "$(count_client_colour 217 255 170 17 $black)" -eq 0 ]; }
exercise_page() {
  show_page 237 142
  type_into 349 155 60
  xdotool key Tab Down Down Down Down # 걷기(4km/h)
  type_into 598 188 30
  click_client 630 217
  check "OK logs a row in the exercise log" wait_for "$patience" client_colour_more_than 217 255 170 17 $black 20
  click_client 300 262 # the row, then Space ticks it
  xdotool key space
  click_client 581 378 # 선택된 항목 삭제
  check "the ticked row is deleted" wait_for "$patience" log_is_empty
}

body_pages() {
  show_page 298 143
  type_into 349 155 165
  type_into 561 155 55
  type_into 349 188 30
  click_client 630 218
  check "OK on the recommended-calorie page paints its sentence" \
    wait_for "$patience" client_colour_more_than 235 252 440 12 $red 40

  show_page 359 144
  type_into 349 155 170
  type_into 561 155 65
  click_client 630 217
  check "OK on the BMI page paints a normal index in green" \
    wait_for "$patience" client_colour_more_than 235 251 440 16 $green 0

  show_page 420 145
  type_into 349 155 80
  click_client 471 155 # cm
  type_into 349 188 38
  click_client 630 252
  check "OK on the waist-to-hip page paints its verdict" \
    wait_for "$patience" client_colour_more_than 235 246 200 12 $red 20
}

food_page() {
  show_page 176 141
  local sentence="315 370 300 12" before
  before=$(count_client_colour $sentence $red)
  click_client 357 186 # row 1's dish box drops its list
  xdotool sleep 0.3 key --delay 60 Down Down Down Down Down Down Down Return # 쌀밥
  click_client 490 186
  xdotool sleep 0.3 key --delay 60 1 Return
  check "a dish and a portion lengthen the total on the bar" \
    wait_for "$patience" client_colour_more_than $sentence $red $((before + 10))
  click_client 613 379 # 다시하기
}

about_box() { xdotool search --all --onlyvisible --pid "$app" --name '^Vintora 정보$' 2>/dev/null | head -n1; }
about_box_open() { [ -n "$(about_box)" ]; }
about_box_closed() { [ -z "$(about_box)" ]; }
about_box_round() {
  click_client 300 20 3 # the system menu at the pointer
  sleep 0.5
  xdotool key a # its last entry, "Vintora 정보(&A)..."
  check "the system menu opens the about box" wait_for "$patience" about_box_open
  xdotool key Return # 확인
  check "Enter closes the about box" wait_for "$patience" about_box_closed
}

strip_pixel() { client_pixel $((215 + $1)) $((395 + $2)); }
remote_banner_shown() {
  local p
  for p in "0 0" "484 0" "0 89" "484 89" "240 45"; do [ "$(strip_pixel $p)" = "0,160,0" ] || return 1; done
}

start_xserver
start_window_manager
"$banner_server" serve 0 "${main_host##*:}" >"$work/server.log" 2>&1 &
pids+=($!)
wait_for 10 grep -q '^listening$' "$work/server.log" || { echo "the banner server did not start"; cat "$work/server.log"; exit 1; }
start_program $((patience * 3))
check "the food page shows at start" wait_for "$patience" title_shows 141
check "the banner strip shows the remote banner" wait_for $((patience * 3)) remote_banner_shown
exercise_page
body_pages
food_page
about_box_round
click_client 763 10
check "the close button ends the program with status 0" ends_with_status_zero $((patience * 3))
[ "$failed" -eq 0 ] || { echo "== the program said:"; cat "$work/program.log"; }
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
