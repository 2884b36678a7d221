# The program's command line, run as a user would: the version, refused arguments, and the pictures of
# every calculator made without a display. Run with -DPROGRAM=<vintora> -DWORK_DIR=<scratch directory>.

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: got '${actual}', expected '${expected}'")
  endif()
endfunction()

# --version: the product name and version on one line, status 0.
execute_process(COMMAND ${PROGRAM} --version RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("--version status" "${status}" "0")
expect("--version output" "${out}" "Vintora 칼로리 계산기 1.0.0.1\n")

# Unknown options and a missing directory: a usage message on stderr, status 2, no window.
foreach(args IN ITEMS "--bogus" "-x" "--screenshot" "--version;extra")
  execute_process(COMMAND ${PROGRAM} ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect("'${args}' status" "${status}" "2")
  if(NOT err MATCHES "usage: vintora")
    message(FATAL_ERROR "'${args}' printed no usage: '${err}'")
  endif()
endforeach()

# --screenshot with a directory relative to where it is started (the program changes its own current
# directory while starting), with no display at all: five pictures of the whole 780 × 530 window.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${PROGRAM} --screenshot shots WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
expect("--screenshot status (${err})" "${status}" "0")
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
