# The program's command line, run as a user would: help and version, refused arguments, Qt's own options,
# a start where no display can be opened, and the pictures of every calculator made without a display.
# Run with -DPROGRAM=<vintora> -DWORK_DIR=<scratch directory>.

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: got '${actual}', expected '${expected}'")
  endif()
endfunction()

# No display at all, whatever the machine has; each case that reaches Qt says which platform it wants.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{XDG_SESSION_TYPE})

# run(ARGS STATUS STDOUT STDERR): runs the program with the arguments (a list) in WORK_DIR and expects
# the exit status and the exact text of each stream; "usage" stands for the usage text, "*" for any text
# (Qt may have a warning to give where it draws).
set(hint "Try 'vintora --help' for more information.\n")
function(run args status out err)
  execute_process(COMMAND ${PROGRAM} ${args} WORKING_DIRECTORY ${WORK_DIR} TIMEOUT 120
                  RESULT_VARIABLE got_status OUTPUT_VARIABLE got_out ERROR_VARIABLE got_err)
  expect("'${args}' status (${got_err})" "${got_status}" "${status}")
  if(out STREQUAL "usage")
    string(REGEX MATCH "^Usage: vintora \\[--help \\| --version \\| --screenshot DIR\\] \\[QT-OPTION\\]" got_out "${got_out}")
    set(out "Usage: vintora [--help | --version | --screenshot DIR] [QT-OPTION]")
  endif()
  expect("'${args}' standard output" "${got_out}" "${out}")
  if(NOT err STREQUAL "*")
    expect("'${args}' standard error" "${got_err}" "${err}")
  endif()
endfunction()

run("--help" 0 usage "")
run("--version" 0 "Vintora 칼로리 계산기 1.0.0.1\n" "")
run("--bogus" 2 "" "vintora: unknown option '--bogus'\n${hint}")
run("-x" 2 "" "vintora: unknown option '-x'\n${hint}")
run("foo" 2 "" "vintora: unexpected argument 'foo'\n${hint}")
run("--version;extra" 2 "" "vintora: unexpected argument 'extra'\n${hint}")
run("--screenshot" 2 "" "vintora: option '--screenshot' requires an argument\n${hint}")
run("-platform" 2 "" "vintora: option '-platform' requires an argument\n${hint}")
# Qt's options go to Qt, with one dash or two: the platform asked for is the one that fails, or the
# pictures are made under a style and a direction of Qt's.
run("-platform;nosuch" 1 "" "vintora: cannot open the display (platform nosuch, not installed)\n")
run("--screenshot;styled;-style;Fusion;--reverse" 0 "" "*")
# No display: the X11 platform forced, with no DISPLAY, or with a display that nobody serves.
run("-platform;xcb" 1 "" "vintora: cannot open the display (platform xcb, DISPLAY not set)\n")
run("--platform;xcb;-display;:1077" 1 "" "vintora: cannot open the display (platform xcb, -display :1077)\n")

# --screenshot with a directory relative to where it is started (the program changes its own current
# directory while starting), with no display at all: five pictures of the whole 780 × 530 window.
run("--screenshot;shots" 0 "" "*")
foreach(name IN ITEMS food exercise recommend bmi waisthip)
  set(png ${WORK_DIR}/shots/${name}.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "${name}.png was not written")
  endif()
  file(READ ${png} signature LIMIT 8 HEX)
  expect("${name}.png signature" "${signature}" "89504e470d0a1a0a")
  file(READ ${png} size OFFSET 16 LIMIT 8 HEX) # IHDR: width and height, big-endian
  expect("${name}.png size" "${size}" "0000030c00000212")
endforeach()
