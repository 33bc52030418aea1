# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the end-to-end scripts: drives the real program in the Xvfb server of
# xvfb_server.sh as a user would. The caller sets app_pid once the program runs.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Skips the test (status 77) when one of the named tools is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

# Ends a process started in the background, if it still runs.
stop_pid() {
  if [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; then
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  fi
}

# Starts the program in a private Xvfb server (xvfb_server.sh) on 7 December 2026, a day
# without the picture window, and waits until its main window has the focus; sets app_pid and
# main (the window's id). stop_calculator ends both again.
start_calculator() {
  start_xvfb
  faketime '2026-12-07 12:00:00' "$1" &
  app_pid=$!
  main="$(wait_for_window --name '^Vimbo Calculator$')" || fail "the main window did not appear"
  wait_for_focus "$main"
}

stop_calculator() {
  stop_pid "${app_pid:-}"
  stop_xvfb
}

# Waits up to 10 s for a mapped window that xdotool's search finds; prints its id.
wait_for_window() {
  local id
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    if ! kill -0 "$app_pid" 2>/dev/null; then
      echo "the program ended before its window appeared" >&2  # runs in a subshell: no status
      return 1
    fi
    sleep 0.1
  done
  return 1
}

# No window manager runs: the window the keys go to is the one Qt gave the input focus.
wait_for_focus() {
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the window $1 does not have the focus"
}

# Clicks the control at a window's client position in twips: its x, y, width and height,
# at 15 twips a pixel, in its middle.
click_twips() {
  local window="$1" x="$2" y="$3" width="$4" height="$5"
  xdotool mousemove --window "$window" $(((x + width / 2) / 15)) $(((y + height / 2) / 15)) click 1
}

# Types an expression into the input line and presses Enter.
calculate() {
  xdotool type --delay 30 "$1"
  xdotool key Return
}

# The text of the output line, read through the clipboard with the focus in the input line
# (Tab goes to the output line); empty when xclip is missing. The focus goes back with Tab.
output_line() {
  command -v xclip >/dev/null || return 0
  sleep 0.3
  xdotool key Tab ctrl+a ctrl+c
  local result=""
  for _ in $(seq 30); do
    result="$(xclip -o -selection clipboard 2>/dev/null || true)"
    [ -n "$result" ] && break
    sleep 0.1
  done
  xdotool key shift+Tab
  printf '%s\n' "$result"
}

# Clicks "Exit" (120, 3480 twips, 735 x 375) and expects the program to end with status 0.
exit_by_button() {
  click_twips "$1" 120 3480 735 375
  expect_exit "Exit"
}

# Expects the program to end with status 0 after what the caller just did (named in the
# message) within 10 s.
expect_exit() {
  local status=""
  for _ in $(seq 100); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      status=0
      wait "$app_pid" || status=$?
      break
    fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "the program is still running after $1"
  app_pid=""
  [ "$status" = 0 ] || fail "the program ended with status $status after $1"
}

# The whole text of the control at a window's client position in twips (x, y, width,
# height), copied through the clipboard: a click, select all, copy. The clipboard is first
# given a marker, so that an old copy is never taken for the new one; a click that lands
# while the program is busy may leave the focus elsewhere, so an attempt that copies nothing
# is made again. A click on the input line (120, 360 twips, 4935 x 285) then gives the
# focus back. Needs xclip; an empty control cannot be read this way.
control_text() {
  local window="$1" x="$2" y="$3" width="$4" height="$5"
  local marker="vimbo-e2e-nothing-copied" result=""
  for _ in 1 2 3 4 5; do
    # xclip stays behind to serve the marker: its output must not hold up the caller.
    printf '%s' "$marker" | xclip -selection clipboard >/dev/null 2>&1
    click_twips "$window" "$x" "$y" "$width" "$height"
    xdotool key ctrl+a ctrl+c
    for _ in $(seq 20); do
      result="$(xclip -o -selection clipboard 2>/dev/null || true)"
      [ "$result" != "$marker" ] && break 2
      sleep 0.1
    done
  done
  click_twips "$window" 120 360 4935 285
  [ "$result" != "$marker" ] || fail "nothing was copied from the control at $x, $y twips"
  printf '%s\n' "$result"
}

# The tape (list1 at 5280, 360 twips, 2895 x 4000) as shown, one line per shown line.
tape_text() {
  control_text "$1" 5280 360 2895 4000
}

# The grand total (Text1 at 3300, 1080 twips, 1725 x 300).
grand_total_text() {
  control_text "$1" 3300 1080 1725 300
}
