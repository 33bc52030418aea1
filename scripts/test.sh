#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test (installing what is missing): the whole suite, which
# also builds the Debian package and checks it with lintian, appstreamcli,
# desktop-file-validate and man --warnings (tests/package), then the whole suite again
# built with the address and undefined-behaviour sanitizers, then a short fuzzing run of
# the engine.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" test
jobs="$(nproc)"
status=0

run_suite() {  # build directory, ctest exclusion pattern (or ""), extra CMake options...
  local build="$1" exclude="$2"
  shift 2
  cmake -S "$top" -B "$build" "$@" >/dev/null
  cmake --build "$build" -j"$jobs"
  (cd "$build" && ctest --output-on-failure --timeout 600 -j"$jobs" ${exclude:+-E "$exclude"}) ||
    status=1
}

echo "== Test suite"
run_suite "$top/build/test" "" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== Test suite with sanitizers"
# The runs in a real X server stay out of this pass: the system's X and D-Bus libraries
# leak at exit, which LeakSanitizer reports as the program's failure, and faketime's preload
# cannot come before the sanitizer runtime. The same code runs sanitized offscreen.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "$top/build/sanitize" '^(app_e2e_.*|.*_on_xcb)$' \
  -DCMAKE_BUILD_TYPE=Debug -DVIMBO_SANITIZE=ON -DVIMBO_BUILD_BENCH=OFF

if [ -x "$top/scripts/fuzz.sh" ]; then
  echo "== Fuzzing (short run)"
  "$top/scripts/fuzz.sh" 60 || status=1
fi
exit "$status"
