#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The tape as a working tool in the real vimbo-calculator under a private Xvfb server, with
# the keys and mouse as a user has them: Up recalls an earlier input, a double click on a
# result of the tape puts the whole number into the input line, Ctrl+C in the empty input
# line copies the result, Escape empties the input line, Ctrl+Z after "Clear" clicked twice
# brings back the tape and the grand total, the numeric keypad's decimal key types the
# decimal point with a German layout (where it types ","), and Ctrl+Q ends the program.
#
#   tape_keys_e2e.sh PROGRAM
# The program runs on 7 December 2026 (faketime), a day without the picture window.
# Exit status 77 (skipped) when Xvfb, xdotool, xclip or faketime is missing.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xvfb_server.sh
source "$here/../support/xvfb_server.sh"
# shellcheck source=../support/app_driver.sh
source "$here/../support/app_driver.sh"

require_tools Xvfb xdotool xclip faketime setxkbmap

app_pid=""
trap stop_calculator EXIT
trap 'exit 1' INT TERM

start_calculator "$program"

expect_output() {  # expected result, what was done
  local result
  result="$(output_line)"
  [ "$result" = "$1" ] || fail "after $2 the output line shows '$result', not $1"
}

calculate '12.5625*1'
calculate '2+3'
expect_output 5 "2+3"

# Up twice brings back the first input; Enter evaluates it again.
xdotool key Up Up Return
expect_output 12.5625 "Up, Up and Enter"

# The tape's third line (list1 at 5280, 360 twips; lines of 15 pixels) is the result
# 12.5625, where a double click would select "5625" alone.
xdotool mousemove --window "$main" $((5280 / 15 + 40)) $((360 / 15 + 6 + 2 * 15 + 7)) \
  click --repeat 2 --delay 80 1
xdotool type --delay 30 '*2'
xdotool key Return
expect_output 25.125 "a double click on 12.5625 and *2"

# Ctrl+C with nothing selected in the input line copies the result.
printf 'nothing copied' | xclip -selection clipboard >/dev/null 2>&1
xdotool key ctrl+c
copied=""
for _ in $(seq 30); do
  copied="$(xclip -o -selection clipboard 2>/dev/null || true)"
  [ "$copied" = 25.125 ] && break
  sleep 0.1
done
[ "$copied" = 25.125 ] || fail "Ctrl+C copied '$copied', not the result 25.125"

# Escape empties the input line.
xdotool type --delay 30 '999'
xdotool key Escape
calculate '7'
expect_output 7 "999, Escape and 7"
total="$(grand_total_text "$main")"

# A double click on "Clear" (3480, 1560 twips) then Ctrl+Z: the tape and the grand total are
# back.
tape_before="$(tape_text "$main")"
xdotool mousemove --window "$main" $(((3480 + 735 / 2) / 15)) $(((1560 + 375 / 2) / 15)) \
  click --repeat 2 --delay 80 1
xdotool key ctrl+z
[ "$(grand_total_text "$main")" = "$total" ] || fail "Ctrl+Z after Clear did not bring back $total"
tape="$(tape_text "$main")"
[ "$tape" = "$tape_before" ] || fail "after Clear and Ctrl+Z the tape reads
$tape
and not
$tape_before"

# The keypad's decimal key with a German layout, as the keypad types 1,5+1.
setxkbmap -layout de
xdotool key KP_1 KP_Separator KP_5 KP_Add KP_1 Return
expect_output 2.5 "1, the keypad's decimal key, 5+1 with a German layout"

xdotool key ctrl+q
expect_exit "Ctrl+Q"
echo "passed"
