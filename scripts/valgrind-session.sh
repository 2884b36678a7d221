#!/usr/bin/env bash
# A whole session of the program built by the preset debug (tests/LifetimeSession.sh: every page used and
# switched to, the about box, the banner from a loopback server, the close button) under valgrind's
# memcheck. The browser engine's helper processes run without valgrind.
# Fails on any invalid read or write, use of uninitialised memory or definitely lost block outside the
# system libraries named in tests/valgrind.supp, and prints valgrind's summary lines.
# Usage: scripts/valgrind-session.sh   (after scripts/test.sh has built the preset debug, or VINTORA_PRESET)
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/${VINTORA_PRESET:-debug}
log=$build/valgrind-session.log
# Threads of the desktop integration fork helpers that may exit without running a program; their copies
# of the process are not the program's life (--child-silent-after-fork).
main_host=$(sed -n 's/^VINTORA_TEST_MAIN_HOST:STRING=//p' "$build/CMakeCache.txt")
tests/LifetimeSession.sh "$build/src/vintora_loopback" src/res/bitmaps "$build/tests/BannerTestServer" "$main_host" \
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=99 --child-silent-after-fork=yes --num-callers=40 --suppressions=tests/valgrind.supp \
  --log-file="$log"
status=$?
grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:' "$log"
[ "$status" -eq 0 ] || echo "valgrind's report: $log"
exit "$status"
