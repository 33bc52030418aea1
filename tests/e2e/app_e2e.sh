#!/usr/bin/env bash
# Drives the real vimbo-calculator in a private Xvfb server as a user would: closes the
# picture window with "X" when it opens first, types an expression and Enter, checks the
# window's title, fixed size and result, then clicks "Exit" and expects exit status 0.
#
#   app_e2e.sh PROGRAM [DATE]    DATE (e.g. 2026-12-10) runs the program under faketime
# Exit status 77 (skipped) when Xvfb, xdotool or xprop (or faketime for DATE) is missing.
set -euo pipefail
program="$1"
fake_date="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=xvfb_server.sh
source "$here/xvfb_server.sh"

for tool in Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
launcher=()
if [ -n "$fake_date" ]; then
  command -v faketime >/dev/null || { echo "skipped: faketime is not installed"; exit 77; }
  launcher=(faketime "$fake_date 12:00:00")
fi

app_pid=""
cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*" >&2
  exit 1
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
    kill -0 "$app_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The minimum and maximum sizes of the window's WM size hints, e.g. "554x308 554x308".
size_hints() {
  xprop -id "$1" WM_NORMAL_HINTS |
    awk '/minimum size/ {min = $(NF-2) "x" $NF} /maximum size/ {max = $(NF-2) "x" $NF}
         END {print min, max}'
}

# The clipboard, when a tool to read it is at hand.
read_clipboard() {
  xclip -o -selection clipboard 2>/dev/null || true
}

start_xvfb
"${launcher[@]}" "$program" &
app_pid=$!

# Every fifth day of the month the picture window comes first, alone.
main_pattern='^Vimbo Calculator$'
first="$(wait_for_window --class '^vimbo-calculator$')" || fail "no window appeared"
if ! xprop -id "$first" _NET_WM_NAME | grep -qF '"Vimbo Calculator"'; then
  picture="$first"
  echo "picture window shown first"
  read -r width height < <(xwininfo -id "$picture" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
  [ "$width x $height" = "689 x 365" ] || fail "picture window is ${width}x${height}, not 689x365"
  [ "$(size_hints "$picture")" = "689x365 689x365" ] || fail "picture window can be resized"
  xprop -id "$picture" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_UTILITY ||
    fail "picture window is not a tool window (it would get a taskbar button)"
  xprop -id "$picture" _MOTIF_WM_HINTS | grep -q '= 0x2, 0x1, 0x0' ||
    fail "picture window asks for a border or title bar"
  if xdotool search --onlyvisible --name "$main_pattern" >/dev/null 2>&1; then
    fail "the main window is visible before X is clicked"
  fi
  # "X" lies at 240, 80 twips (16, 5 pixels), 460 x 300 twips.
  xdotool mousemove --window "$picture" 31 15 click 1
  if [ "${EXPECT_PICTURE:-}" = no ]; then
    fail "the picture window was shown on a day that is not a multiple of 5"
  fi
else
  [ "${EXPECT_PICTURE:-}" != yes ] || fail "no picture window on a multiple of 5"
fi

main="$(wait_for_window --name "$main_pattern")" || fail "the main window did not appear"
[ "$(size_hints "$main")" = "554x308 554x308" ] ||
  fail "the main window can be resized: $(size_hints "$main")"
xprop -id "$main" _NET_WM_NAME | grep -qF '"Vimbo Calculator"' || fail "wrong window title"

# No window manager runs: the window the keys go to is the one Qt gave the input focus.
for _ in $(seq 50); do
  [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$main" ] && break
  sleep 0.1
done
[ "$(xdotool getwindowfocus)" = "$main" ] || fail "the main window does not have the focus"
xdotool type --delay 30 '2(1+3)^2'
xdotool key Return
if command -v xclip >/dev/null; then
  # The focus is back in the input line; Tab goes to the output line, which holds 32.
  sleep 0.3
  xdotool key Tab ctrl+a ctrl+c
  result=""
  for _ in $(seq 30); do
    result="$(read_clipboard)"
    [ -n "$result" ] && break
    sleep 0.1
  done
  [ "$result" = "32" ] || fail "the output line shows '$result', not 32"
else
  echo "note: xclip is not installed, the result is not read back"
fi

# "Exit" lies at 120, 3480 twips (8, 232 pixels), 735 x 375 twips (49 x 25 pixels).
xdotool mousemove --window "$main" 32 244 click 1
status=""
for _ in $(seq 100); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    status=0
    wait "$app_pid" || status=$?
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "the program is still running after Exit"
app_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status after Exit"
echo "passed"
