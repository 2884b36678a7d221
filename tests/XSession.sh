# Helpers for driving the real program on a virtual X server from outside, sourced by the whole-program
# scripts. The sourcing script sets `work` (a scratch folder), `bitmaps` (the program's bitmap folder)
# and `launch` (an array: the program's command line, with any tool in front of it).

passed=0
failed=0
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then
    passed=$((passed + 1)); echo "ok: $what"
  else
    failed=$((failed + 1)); echo "FAILED: $what"
    report_if_gone
  fi
}

# After a failed check: if the program has ended, says once how and shows the end of what it printed.
report_if_gone() {
  [ -n "${app:-}" ] && [ "${reported:-}" != "$app" ] && ! kill -0 "$app" 2>/dev/null || return 0
  reported=$app
  local status=0
  wait "$app" 2>/dev/null || status=$?
  echo "  the program (process $app) has ended, with status $status; the end of what it printed:"
  grep -v XDG_RUNTIME_DIR "$work/program.log" | tail -n 40 | sed 's/^/  | /'
}

# Polls COMMAND every 0.1 s for at most SECONDS seconds.
wait_for() { # wait_for SECONDS COMMAND...
  local tries=$(( $1 * 10 )); shift
  while (( tries-- > 0 )); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Xvfb picks a free display itself (-displayfd) and writes its number once it accepts clients;
# -noreset keeps it from resetting between our short-lived clients.
start_xserver() {
  Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  if ! wait_for 20 grep -q '^[0-9]' "$work/display"; then
    echo "no virtual X server could be started"; cat "$work/xvfb.log"; exit 1
  fi
  export DISPLAY=":$(head -n1 "$work/display")"
}

start_window_manager() {
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 10 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# Starts the program and sets $app (process id) and $win (its window), waiting at most SECONDS for it.
start_program() { # start_program [SECONDS]
  local attempt
  for attempt in 1 2 3; do
    QT_QPA_PLATFORM=xcb "${launch[@]}" >"$work/program.log" 2>&1 &
    app=$!
    pids+=("$app")
    win=""
    wait_for "${1:-30}" window_or_exit
    [ -n "$win" ] && break
    # A program that could not reach the X server says so and exits; that is the machine, not the program.
    if [ "$attempt" -lt 3 ] && grep -q 'could not connect to display' "$work/program.log"; then
      echo "note: the X server refused the connection; trying again"; sleep 2; continue
    fi
    echo "the window did not appear"; cat "$work/program.log"; cat "$work/xvfb.log"; exit 1
  done
  wait_for 10 is_viewable
  sleep 0.5 # let the first paint land before reading pixels
}
window_or_exit() { find_window || ! kill -0 "$app" 2>/dev/null; }
find_window() { win=$(xdotool search --onlyvisible --pid "$app" --name '칼로리 계산기' 2>/dev/null | head -n1); [ -n "$win" ]; }
is_viewable() { xwininfo -id "$win" 2>/dev/null | grep -q 'Map State: IsViewable'; }

geometry() { xwininfo -id "$win" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'; }
window_x() { geometry | cut -d' ' -f1; }
window_y() { geometry | cut -d' ' -f2; }

# Client coordinates are one pixel inside the window (its frame line).
click_client() { # click_client X Y [BUTTON]
  read -r wx wy _ _ < <(geometry)
  xdotool mousemove $((wx + 1 + $1)) $((wy + 1 + $2)) sleep 0.3 click "${3:-1}"
}
# Clicks into an edit at client point (X, Y) and replaces its text by typing.
type_into() { # type_into X Y TEXT
  click_client "$1" "$2"
  xdotool key --clearmodifiers ctrl+a type --delay 40 "$3"
}

# Differing pixels between the window's title area and title bitmap ID.
title_difference() { # title_difference ID
  import -silent -window root -crop "154x31+$(( $(window_x) + 1 + 215 ))+$(( $(window_y) + 1 + 100 ))" +repage \
    "$work/title.png" 2>/dev/null
  compare -metric AE "$work/title.png" "$bitmaps/$1.png" null: 2>&1 | cut -d' ' -f1
}
title_shows() { [ "$(title_difference "$1")" = 0 ]; }

# Colour of the screen pixel at client point (X, Y), as "r,g,b".
client_pixel() { # client_pixel X Y
  import -silent -window root -crop "1x1+$(( $(window_x) + 1 + $1 ))+$(( $(window_y) + 1 + $2 ))" +repage \
    -depth 8 txt:- 2>/dev/null | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n1
}
client_pixel_is() { [ "$(client_pixel "$1" "$2")" = "$3" ]; }
# How many pixels of the client rectangle W x H at (X, Y) show exactly the colour "r,g,b".
count_client_colour() { # count_client_colour X Y W H R,G,B
  import -silent -window root -crop "${3}x${4}+$(( $(window_x) + 1 + $1 ))+$(( $(window_y) + 1 + $2 ))" +repage \
    -depth 8 txt:- 2>/dev/null | grep -c "($5)"
}
client_colour_more_than() { [ "$(count_client_colour "$1" "$2" "$3" "$4" "$5")" -gt "$6" ]; } # ... R,G,B N

# Waits at most SECONDS for the program to end; succeeds when it ended with status 0.
ends_with_status_zero() { # ends_with_status_zero [SECONDS]
  wait_for "${1:-10}" bash -c "! kill -0 $app 2>/dev/null" && wait "$app"
}
