#!/usr/bin/env bash
# Builds everything and runs every test (installing what is missing): the whole suite,
# then the whole suite again built with the address and undefined-behaviour sanitizers,
# then a short fuzzing run of the engine.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" test
jobs="$(nproc)"
status=0

run_suite() {  # build directory, extra CMake options...
  local build="$1"
  shift
  cmake -S "$top" -B "$build" "$@" >/dev/null
  cmake --build "$build" -j"$jobs"
  (cd "$build" && ctest --output-on-failure --timeout 600 -j"$jobs") || status=1
}

echo "== Test suite"
run_suite "$top/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== Test suite with sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "$top/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVIMBO_SANITIZE=ON -DVIMBO_BUILD_BENCH=OFF

if [ -x "$top/scripts/fuzz.sh" ]; then
  echo "== Fuzzing (short run)"
  "$top/scripts/fuzz.sh" 60 || status=1
fi
exit "$status"
