#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test (installing what is missing): the whole suite, then
# the whole suite again built with the address and undefined-behaviour sanitizers, and a
# short fuzzing run of the engine and of the input line's paste cleaning; last, the Debian
# package built with dpkg-buildpackage (without its test suite, which has just run) and
# checked with lintian, appstreamcli, desktop-file-validate, man --warnings and autopkgtest
# (tests/package/package_check.sh). Each part's time is printed after it. That the package
# is reproducible is checked by scripts/check-reproducible.sh, which builds it twice.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" test
jobs="$(nproc)"
status=0

build_suite() {  # build directory, extra CMake options...
  local build="$1"
  shift
  cmake -S "$top" -B "$build" "$@" >/dev/null
  cmake --build "$build" -j"$jobs"
}

test_suite() {  # build directory, parallel tests, ctest exclusion pattern (or "")
  (cd "$1" && ctest --output-on-failure --timeout 600 -j"$2" ${3:+-E "$3"}) || status=1
}

took() { echo "-- $1: $((SECONDS - $2)) s"; }

echo "== Test suite"
start=$SECONDS
build_suite "$top/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
took "normal build" "$start"
test_suite "$top/build/test" "$jobs" ""
took "normal build and suite" "$start"

echo "== Test suite with sanitizers"
start=$SECONDS
build_suite "$top/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVIMBO_SANITIZE=ON -DVIMBO_BUILD_BENCH=OFF
took "sanitizer build" "$start"
start=$SECONDS
# The sanitized test processes spend most of their time starting (the runtime maps its
# shadow memory), not computing: they run two to a core, and the fuzzing uses the cores
# meanwhile and on through the package's build; its output follows that.
logs="$top/build/logs"
mkdir -p "$logs"
# In a session of its own, so that stopping the test command stops the fuzzing's whole
# process group (its build, each fuzz target) rather than the script alone.
fuzz_pid=""
stop_fuzzing() { [ -z "$fuzz_pid" ] || kill -- -"$fuzz_pid" 2>/dev/null || true; }
trap stop_fuzzing EXIT
trap 'exit 1' INT TERM
fuzz_start=$SECONDS
if [ -x "$top/scripts/fuzz.sh" ]; then
  setsid -w "$top/scripts/fuzz.sh" 60 >"$logs/fuzz.log" 2>&1 &
  fuzz_pid=$!
fi
# The runs in a real X server stay out of this pass: the system's X and D-Bus libraries
# leak at exit, which LeakSanitizer reports as the program's failure, and faketime's preload
# cannot come before the sanitizer runtime. The same code runs sanitized offscreen.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  test_suite "$top/build/sanitize" "$((jobs * 2))" '^(app_e2e_.*|.*_on_xcb)$'
took "sanitized suite" "$start"

echo "== Debian package"
start=$SECONDS
"$top/scripts/build-package.sh" "$top/build/package" || status=1
took "the package built" "$start"
start=$SECONDS
changes=("$top"/build/package/vimbo-calculator_*.changes)
bash "$top/tests/package/package_check.sh" "${changes[0]}" "$top/build/package-check" || status=1
took "lintian, validators and autopkgtest on the package" "$start"

if [ -n "$fuzz_pid" ]; then
  echo "== Fuzzing (short run)"
  wait "$fuzz_pid" || status=1
  fuzz_pid=""
  cat "$logs/fuzz.log"
  took "fuzzing, from the sanitized suite's start to its end" "$fuzz_start"
fi
exit "$status"
