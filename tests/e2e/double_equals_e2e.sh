#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An impatient user in the real vimbo-calculator under a private Xvfb server: Enter pressed
# twice, and "=" double-clicked. Each must leave exactly one entry on the tape and count its
# result once in the grand total; "ans" of the next evaluation is that result.
# Two Enters sent back to back reach the first event point of the first evaluation, where
# the second one is dropped. Presses 100 ms apart arrive after the evaluation has ended and
# find the input line empty. No input evaluates for long enough to reach the second event
# point reliably from outside; the Equals action's tests on plain fakes cover that point.
#
#   double_equals_e2e.sh PROGRAM
# The program runs on 7 December 2026 (faketime), a day without the picture window.
# Exit status 77 (skipped) when Xvfb, xdotool, xclip or faketime is missing.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xvfb_server.sh
source "$here/../support/xvfb_server.sh"
# shellcheck source=../support/app_driver.sh
source "$here/../support/app_driver.sh"

require_tools Xvfb xdotool xclip faketime

app_pid=""
trap stop_calculator EXIT
trap 'exit 1' INT TERM

start_calculator "$program"

# Waits for the evaluation to end, that is for the grand total to change, and expects the
# given value (20 s at most).
shown_total=""
wait_for_total() {
  local total=""
  for _ in $(seq 40); do
    sleep 0.5
    total="$(grand_total_text "$main")"
    [ "$total" != "$shown_total" ] && break
  done
  [ "$total" = "$1" ] || fail "the grand total is '$total', not $1"
  shown_total="$total"
}

calculate '2+3'
wait_for_total 5

xdotool type --delay 30 'pi>frac'
xdotool key --delay 0 Return Return
wait_for_total 8.14159265358979

xdotool type --delay 30 '7*6'
xdotool key --delay 100 Return Return
wait_for_total 50.1415926535898

# "=" (cmdEquals at 4320, 3000 twips, 735 x 855) clicked twice 100 ms apart.
xdotool type --delay 30 '1/4'
xdotool mousemove --window "$main" $(((4320 + 735 / 2) / 15)) $(((3000 + 855 / 2) / 15)) \
  click --repeat 2 --delay 100 1
wait_for_total 50.3915926535898

# "ans" is the last result, counted once more.
calculate 'ans+1'
wait_for_total 51.6415926535898

tape="$(tape_text "$main")"
expected_tape="$(printf '%s\n' \
  '2+3' '=' '5' '****************' \
  'pi>frac' '=' '3.14159265358979' '****************' \
  '7*6' '=' '42' '****************' \
  '1/4' '=' '0.25' '****************' \
  'ans+1' '=' '1.25' '****************')"
[ "$tape" = "$expected_tape" ] || fail "the tape reads
$tape
and not
$expected_tape"

exit_by_button "$main"
echo "passed"
