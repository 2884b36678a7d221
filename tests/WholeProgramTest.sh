#!/usr/bin/env bash
# Runs the real program on a virtual X server and drives it from outside with real pointer and key
# events: the window is 780 x 530 and frameless, each menu button shows its page and title, a press on
# the skin drags the window, slowly or in a flick (with and without a window manager), the minimise
# button minimises and a minimise that nobody carries out leaves the painting intact, the prompt of a
# field that does not parse owns its keys and gives the focus back, Enter never ends the run by
# surprise, and the close button ends the process with status 0. The banner strip shows the local page
# at once, and the remote banner of a loopback server once the program could fetch it; Escape and Enter
# after a click into the banner leave it shown, a link of the banner that asks for a new window opens in
# the browser once per click, by pointer or by Tab and Enter, and an ordinary link shows its page in the
# strip; a stalled server delays neither the window nor the end of the program.
# Usage: WholeProgramTest.sh PROGRAM BITMAP_DIR BANNER_SERVER MAIN_HOST
#   PROGRAM fetches its banner from MAIN_HOST (address:port on the loopback), where the test serves it.
set -uo pipefail

program=$1
bitmaps=$2
banner_server=$3
main_host=$4
launch=("$program")
work=$(mktemp -d)
source "$(dirname "$0")/XSession.sh"
# The user's browser is a stand-in that writes down each address it is asked to open.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened"
EOF
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

drag_client() { # drag_client X Y DX DY
  read -r wx wy _ _ < <(geometry)
  xdotool mousemove $((wx + 1 + $1)) $((wy + 1 + $2)) sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove_relative -- $(( $3 / 2 )) $(( $4 / 2 )) sleep 0.2 \
    mousemove_relative -- $(( $3 - $3 / 2 )) $(( $4 - $4 / 2 )) sleep 0.2 mouseup 1
}

# Colour of pixel (X, Y) of bitmap ID, as "r,g,b".
bitmap_pixel() { # bitmap_pixel ID X Y
  convert "$bitmaps/$1.png" -crop "1x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}

moved_by() { # moved_by X0 Y0 DX DY
  read -r x y _ _ < <(geometry)
  [ "$x" -eq $(( $1 + $3 )) ] && [ "$y" -eq $(( $2 + $4 )) ]
}

# A flick: press, move and release within a few milliseconds, the way a person throws the window aside.
flick() { # flick DX DY (from client point 450, 30)
  xdotool mousemove --window "$win" 450 30 mousedown 1 mousemove_relative --sync -- "$1" "$2" mouseup 1
}
# Flicks the window COUNT times, back and forth by (40, 30); counts the flicks that moved it exactly.
flicks_move_exactly() { # flicks_move_exactly COUNT
  local i dx dy exact=0
  for (( i = 0; i < $1; i++ )); do
    if (( i % 2 == 0 )); then dx=40; dy=30; else dx=-40; dy=-30; fi
    read -r x0 y0 _ _ < <(geometry)
    flick "$dx" "$dy"
    if ! wait_for 2 moved_by "$x0" "$y0" "$dx" "$dy"; then
      read -r x y _ _ < <(geometry); echo "  flick $((i + 1)) by $dx, $dy moved the window by $((x - x0)), $((y - y0))"
      continue
    fi
    xdotool mousemove_relative -- 7 5 # the button is up: the window must not follow the pointer now
    sleep 0.2
    if moved_by "$x0" "$y0" "$dx" "$dy"; then exact=$((exact + 1)); else echo "  the window followed the pointer after flick $((i + 1))"; fi
  done
  echo "  $exact of $1 flicks moved the window by exactly their displacement"
  [ "$exact" -eq "$1" ]
}

# The program's other visible window (a prompt), if any.
prompt_window() { xdotool search --onlyvisible --pid "$app" --name '.' 2>/dev/null | grep -vx "$win" | head -n1; }
prompt_open() { [ -n "$(prompt_window)" ]; }
prompt_closed() { [ -z "$(prompt_window)" ]; }
is_iconic() { xprop -id "$win" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
alive_and_shown() { kill -0 "$app" 2>/dev/null && is_viewable && ! is_iconic; }
# The X keyboard focus is on the main window (also where no window manager tells which window is active).
main_has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ]; }

# On the BMI page: types TEXT as the height and presses OK; the prompt for a number comes up.
bmi_height_prompt() { # bmi_height_prompt TEXT
  click_client 118 359
  click_client 349 155
  xdotool key ctrl+a type "$1"
  click_client 630 217
}
# Number of pixels of colour R,G,B in the BMI page's result line.
result_line_pixels() { # result_line_pixels R,G,B
  import -silent -window root -crop "440x16+$(( $(window_x) + 1 + 235 ))+$(( $(window_y) + 1 + 251 ))" +repage \
    -depth 8 txt:- 2>/dev/null | grep -c "($1)"
}
# The BMI page's answer for 170 cm and WEIGHT kg: 65 is normal (a green sentence), 95 is obese (red).
bmi_answers() { # bmi_answers WEIGHT
  case $1 in
    65) [ "$(result_line_pixels 0,192,0)" -gt 0 ] ;;
    95) [ "$(result_line_pixels 0,192,0)" -eq 0 ] && [ "$(result_line_pixels 192,0,0)" -gt 0 ] ;;
  esac
}

# The prompt for "abc" as the height, dismissed with KEY: it closes alone, the program goes on with the
# field that failed focused and its text selected, so that typing replaces it and the page answers.
check_prompt_dismissed_with() { # check_prompt_dismissed_with KEY WEIGHT
  bmi_height_prompt abc
  check "the prompt for a number opens" wait_for 5 prompt_open
  xdotool key "$1"
  check "$1 closes the prompt" wait_for 3 prompt_closed
  sleep 0.3
  check "$1 on the prompt leaves the main window running and shown" alive_and_shown
  check "after the prompt the main window has the keyboard focus again" wait_for 3 main_has_focus
  xdotool mousemove 5 795 # away from the window: keys go where the focus is, not under the pointer
  xdotool type 170; xdotool key Tab; xdotool type "$2"
  click_client 630 217
  check "after the prompt the BMI page answers for 170 cm and $2 kg" wait_for 3 bmi_answers "$2"
}

# A press on the skin keeps the focus on the menu button that has it: Enter and keypad Enter press that
# button (the BMI page stays) and never end the run.
check_enter_after_press_on_skin() {
  click_client 118 359
  local point key
  for point in "450 30" "10 300" "400 515"; do
    for key in Return KP_Enter; do
      click_client $point
      xdotool key "$key"
      sleep 0.3
      check "$key after a press on the skin at ($point) leaves the program running" alive_and_shown
    done
  done
  check "the BMI page is still shown" title_shows 144
}

# --- Page checks: one function per page, called below before the close button ------------------------

client_colour_absent() { [ "$(count_client_colour "$1" "$2" "$3" "$4" "$5")" -eq 0 ]; } # ... R,G,B

# The recommended-calorie page (at 215, 140 in the window) gives a figure, and the waist-to-hip page a
# verdict, typed and clicked as a person does. Rows are in page pixels + 140: the result line at 112,
# the verdict line at 106, the advice heading at 135.
body_pages() {
  local red=192,0,0 grey=152,152,152
  click_client 118 298
  check "the recommended-calorie page shows" wait_for 3 title_shows 143
  check "no figure before OK" client_colour_absent 235 252 440 12 $red
  type_into 350 155 165   # height
  type_into 561 155 55    # weight
  type_into 350 188 30    # age; 여자 is chosen at start
  click_client 631 218    # OK
  check "OK paints the calorie sentence in dark red" wait_for 3 client_colour_more_than 235 252 440 12 $red 40
  check "and the third advice line in grey, which the underweight warning lacks" \
    client_colour_more_than 245 317 420 12 $grey 40

  click_client 118 420
  check "the waist-to-hip page shows" wait_for 3 title_shows 145
  check "no verdict before OK" client_colour_absent 235 246 200 12 $red
  type_into 350 155 80    # waist
  click_client 471 155    # in cm
  type_into 350 188 38    # hip, in inches; 여자: 80 cm over 96.52 cm is 0.83
  click_client 631 252    # OK
  check "OK paints the abdominal-obesity verdict in dark red" wait_for 3 client_colour_more_than 235 246 200 12 $red 20
  check "with the advice heading in dark red" client_colour_more_than 235 275 440 12 $red 40
  check "and no green" client_colour_absent 235 246 200 12 0,192,0
}

# The exercise page (at 215, 140 in the window): a weight and minutes typed and an exercise chosen with
# the keyboard, then OK: a row appears at the top of the log and the dark-red sentences show the result
# of 60 kg walking at 4 km/h for 30 minutes. Rows are in page pixels + 140: the calculated sentence at
# 74, the log's first row at 115, the sum sentence at 234.
exercise_page() {
  local red=192,0,0 black=0,0,0
  local last_line="235 214 290 13" total_line="235 374 290 13" first_row="217 255 170 17"
  click_client 118 237
  check "the exercise page shows" wait_for 3 title_shows 142
  check "its calculated sentence in dark red" client_colour_more_than $last_line $red 100
  check "its sum sentence in dark red" client_colour_more_than $total_line $red 100
  check "and an empty log" client_colour_absent $first_row $black
  local ink_last ink_total
  ink_last=$(count_client_colour $last_line $red)
  ink_total=$(count_client_colour $total_line $red)
  type_into 349 155 60                        # weight
  xdotool key Tab Down Down Down Down         # the exercise: 걷기(4km/h), fifth in Korean order
  type_into 598 188 30                        # minutes
  click_client 630 217                        # OK
  check "OK logs a row at the top of the exercise log" wait_for 3 client_colour_more_than $first_row $black 20
  # "114.0" takes more ink than "0.0".
  check "and the calculated sentence shows the result" client_colour_more_than $last_line $red "$ink_last"
  check "and the sum sentence too" client_colour_more_than $total_line $red "$ink_total"
}

# The food page (at 215, 140 in the window) with its total bar (at 215, 360): 쌀밥 and then portion "1"
# chosen in row 1 with the pointer and the keyboard lengthen the bar's dark-red sentence and row 1's blue
# value ("311.0" against "0.0"); the bar's reset button takes both back. Row 1's boxes are at page y 36,
# its value at (353, 42); the bar's sentence at (100, 10), its reset button at (371, 9).
client_colour_count_is() { [ "$(count_client_colour "$1" "$2" "$3" "$4" "$5")" -eq "$6" ]; } # ... R,G,B N
food_page() {
  local red=192,0,0 blue=0,0,192
  local sentence="315 370 300 12" value="568 182 90 12"
  click_client 118 176
  check "the food page shows" wait_for 3 title_shows 141
  local ink_sentence ink_value
  ink_sentence=$(count_client_colour $sentence $red)
  ink_value=$(count_client_colour $value $blue)
  check "the total bar shows its dark-red sentence" test "$ink_sentence" -gt 20
  click_client 357 186                        # row 1's dish box: its list drops
  xdotool sleep 0.3 key --delay 60 Down Down Down Down Down Down Down Return  # the 7th dish, 쌀밥
  click_client 490 186                        # row 1's portion box
  xdotool sleep 0.3 key --delay 60 1 Return   # the entry starting with 1: "1"
  check "쌀밥 and 1 in row 1 lengthen the total on the bar" \
    wait_for 3 client_colour_more_than $sentence $red $(( ink_sentence + 10 ))
  check "and the value on row 1" wait_for 3 client_colour_more_than $value $blue $(( ink_value + 10 ))
  click_client 613 379                        # the bar's reset button
  check "the reset button takes the total back" wait_for 3 client_colour_count_is $sentence $red "$ink_sentence"
  check "and row 1's value" wait_for 3 client_colour_count_is $value $blue "$ink_value"
}

start_xserver

echo "== without a window manager"
start_program
check "the window is 780 x 530" bash -c "[ \"\$(xwininfo -id $win | awk '/Width:/{w=\$NF} /Height:/{h=\$NF} END{print w\"x\"h}')\" = 780x530 ]"
read -r x0 y0 _ _ < <(geometry)
drag_client 300 20 60 40
check "a drag on the skin moves the window" wait_for 3 moved_by "$x0" "$y0" 60 40
check "20 flicks on the skin each move the window by their displacement" flicks_move_exactly 20
click_client 748 10
sleep 0.5
check "a minimise that no window manager carries out leaves the window shown" alive_and_shown
click_client 118 359
check "after the refused minimise a page switch paints the whole title" wait_for 3 title_shows 144
read -r wx wy _ _ < <(geometry)
xdotool mousemove $((wx + 1 + 300)) $((wy + 1 + 20)) click 3 # the system menu takes the activation away
sleep 0.5
xdotool key Escape
sleep 0.5
check "after the refused minimise a full repaint keeps the title" title_shows 144
for point in "20 300" "600 120" "750 480" "100 90"; do
  check "after the refused minimise a full repaint keeps the skin at ($point)" \
    client_pixel_is $point "$(bitmap_pixel 129 $point)"
done
check_prompt_dismissed_with Return 65
check_enter_after_press_on_skin
click_client 763 10
check "the close button ends the program with status 0" ends_with_status_zero
kill "$app" 2>/dev/null # whatever failed above, the next part starts on a bare screen

echo "== under a window manager"
start_window_manager
start_program
check "the window has no frame or title bar" bash -c "xprop -id $win _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0'"
check "the food title shows at start" title_shows 141
for entry in "1005 142 214" "1006 143 275" "1007 144 336" "1008 145 397" "1004 141 153"; do
  read -r button title top <<<"$entry"
  click_client 118 $((top + 23))
  check "menu button $button shows title $title" wait_for 3 title_shows "$title"
  case $button in
    1004) check "the food page shows its header strip" client_pixel_is 225 145 "$(bitmap_pixel 136 10 5)" ;;
    1007) check "the BMI page shows its first band" client_pixel_is 225 145 "247,243,222" ;;
  esac
done
read -r x0 y0 _ _ < <(geometry)
drag_client 300 20 -50 30
check "a drag on the skin moves the window under the window manager" wait_for 3 moved_by "$x0" "$y0" -50 30
check "20 flicks on the skin each move the window by their displacement under the window manager" \
  flicks_move_exactly 20
check_prompt_dismissed_with KP_Enter 65
check_prompt_dismissed_with space 95
bmi_height_prompt abc
check "the prompt for a number opens again" wait_for 5 prompt_open
xdotool key Escape
check "Escape closes the prompt" wait_for 3 prompt_closed
sleep 0.5
check "Escape on the prompt does not reach the main window" alive_and_shown
check_enter_after_press_on_skin
click_client 748 10
check "the minimise button minimises the window" wait_for 3 bash -c "xprop -id $win WM_STATE | grep -q 'window state: Iconic'"
restore() {
  xdotool windowmap "$win" windowactivate "$win" 2>/dev/null
  wait_for 5 is_viewable
  sleep 0.5
}
restore
check "the window comes back from the task bar" is_viewable
xdotool key Escape
check "Escape on the main window minimises it" wait_for 3 bash -c "xprop -id $win WM_STATE | grep -q 'window state: Iconic'"
restore

# --- Page checks are called here -----------------------------------------------------------------
body_pages
exercise_page
food_page

click_client 763 10
check "the close button ends the program with status 0" ends_with_status_zero

echo "== the banner strip"
# Colour of pixel (X, Y) of the strip (the host at client (215, 395), 485 x 90).
strip_pixel() { client_pixel $((215 + $1)) $((395 + $2)); }
# The local page's cream box; its green frame at the strip's left and top edges (the page sits at (-10, -15)).
local_page_shown() { [ "$(strip_pixel 240 84)" = "247,243,222" ]; }
local_page_placed() { [ "$(strip_pixel 0 45)" = "181,209,72" ] && [ "$(strip_pixel 240 0)" = "181,209,72" ]; }
# The test server's page: green exactly where the strip shows it, magenta around.
remote_page_shown() {
  local p
  for p in "0 0" "484 0" "0 89" "484 89" "240 45"; do [ "$(strip_pixel $p)" = "0,160,0" ] || return 1; done
}
# The page behind the banner's ordinary link: the same box in blue.
next_page_shown() {
  local p
  for p in "0 0" "484 0" "0 89" "484 89" "240 45"; do [ "$(strip_pixel $p)" = "0,0,192" ] || return 1; done
}
click_strip() { click_client $((215 + $1)) $((395 + $2)); } # click_strip X Y
# The browser stand-in was asked for the advert's address exactly COUNT times, and for nothing else.
advert_opened() { # advert_opened COUNT
  [ "$(grep -cx "http://$main_host/advert.html" "$work/opened" 2>/dev/null)" = "$1" ] &&
    [ "$(wc -l <"$work/opened")" = "$1" ]
}
port=${main_host##*:}
port_is_free() { ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
start_banner_server() { # start_banner_server MODE [DELAY_MS]
  "$banner_server" "$@" "$port" >"$work/server.log" 2>&1 &
  server=$!
  pids+=("$server")
  wait_for 10 grep -q '^listening$' "$work/server.log" || { echo "the banner server did not start"; cat "$work/server.log"; exit 1; }
}
stop_banner_server() { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; }
banner_requests() { grep -c '^GET /channel/helper/calorie_banner.html ' "$work/server.log"; }
# Ends the program with the close button; it must be gone within SECONDS with status 0.
close_within() { # close_within SECONDS
  click_client 763 10
  wait_for "$1" bash -c "! kill -0 $app 2>/dev/null" && wait "$app"
}

check "nothing listens on the banner's port $port" port_is_free
start_program
check "without a server the strip shows the local page" wait_for 20 local_page_shown
check "the local page is placed at (-10, -15) in the strip" local_page_placed
sleep 3
check "without a server the local page stays" local_page_shown
check "the close button ends the program with status 0" close_within 5

start_banner_server serve 4000 # the local page has time to show first
start_program
check "with a server the strip shows the local page first" wait_for 20 local_page_shown
check "then the remote page, placed at (-10, -15) in the strip" wait_for 30 remote_page_shown
check "the worker fetched the banner and the view went to it" test "$(banner_requests)" = 2
click_strip 240 45 # where the banner has no link
for key in Escape Return; do
  xdotool key "$key"
  sleep 0.5
  check "$key after a click into the banner leaves the banner shown" remote_page_shown
done
check "and the program running" alive_and_shown
click_strip 400 45
check "the banner's link for a new window opens its address in the browser" wait_for 5 advert_opened 1
sleep 1
check "once" advert_opened 1
check "and the strip keeps the banner" remote_page_shown
click_strip 240 45
xdotool key Tab Return
check "Tab and Enter after a click into the banner open that link again, the page took them" wait_for 5 advert_opened 2
click_strip 80 45
check "the banner's ordinary link shows its page in the strip, placed at (-10, -15)" wait_for 10 next_page_shown
check "the close button ends the program with status 0" close_within 5
stop_banner_server

start_banner_server stall
started=$(date +%s%N)
start_program
check "a stalled server does not delay the window" test $(( ($(date +%s%N) - started) / 1000000 )) -lt 10000
check "the strip shows the local page while the fetch stalls" wait_for 20 local_page_shown
check "the fetch is still waiting for the server" test "$(banner_requests)" = 1
check "the close button ends the program at once with status 0 while the fetch stalls" close_within 3
stop_banner_server

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
