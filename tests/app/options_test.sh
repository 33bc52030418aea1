#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vimbo-calculator's --help and --version answer on standard output without a display;
# every other option still reaches Qt.
#   options_test.sh PROGRAM VERSION
set -uo pipefail
program="$1" version="$2"
status=0
out="$(mktemp)" err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT

# One row per case: arguments, expected exit status, text expected on standard output
# (grep pattern, "" for none), and on standard error.
check() {
  local args="$1" want_status="$2" want_out="$3" want_err="$4"
  # shellcheck disable=SC2086  # the arguments are split on purpose
  (env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$program" $args
    exit $?) >"$out" 2>"$err"
  local got=$?
  local problem=""
  [ "$got" = "$want_status" ] || problem="exit status $got, not $want_status"
  if [ -n "$want_out" ]; then grep -qE "$want_out" "$out" || problem="$problem; stdout lacks /$want_out/"
  else [ ! -s "$out" ] || problem="$problem; unexpected stdout"; fi
  if [ -n "$want_err" ]; then grep -qE "$want_err" "$err" || problem="$problem; stderr lacks /$want_err/"
  else [ ! -s "$err" ] || problem="$problem; unexpected stderr"; fi
  if [ -n "$problem" ]; then
    echo "FAIL: '$args': ${problem#; }" >&2
    sed 's/^/  stdout: /' "$out" >&2
    sed 's/^/  stderr: /' "$err" >&2
    status=1
  fi
}

check "--help" 0 '^usage: vimbo-calculator ' ""
check "-h" 0 '^usage: vimbo-calculator ' ""
check "-platform offscreen --help" 0 '^usage: vimbo-calculator ' ""
check "--version" 0 "^vimbo-calculator ${version//./\\.}\$" ""
check "-v" 0 "^vimbo-calculator ${version//./\\.}\$" ""
# A platform or display named on the command line needs no display variable; Qt answers.
check "-platform no-such-platform" 134 "" 'no-such-platform'
check "--platform no-such-platform" 134 "" 'no-such-platform'
check "-display :no-such-display" 134 "" 'could not connect to display :no-such-display'
check "" 1 "" 'no display to open a window on'
[ "$status" = 0 ] && echo "passed"
exit "$status"
