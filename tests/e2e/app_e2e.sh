#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real vimbo-calculator in a private Xvfb server as a user would: closes the
# picture window with "X" when it opens first, types an expression and Enter, checks the
# window's title, fixed size, icon and result, then clicks "Exit" and expects exit status 0.
#
#   app_e2e.sh PROGRAM [DATE]    DATE (e.g. 2026-12-10) runs the program under faketime
# Exit status 77 (skipped) when Xvfb, xdotool or xprop (or faketime for DATE) is missing.
set -euo pipefail
program="$1"
fake_date="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xvfb_server.sh
source "$here/../support/xvfb_server.sh"
# shellcheck source=../support/app_driver.sh
source "$here/../support/app_driver.sh"

require_tools Xvfb xdotool xprop
launcher=()
if [ -n "$fake_date" ]; then
  command -v faketime >/dev/null || { echo "skipped: faketime is not installed"; exit 77; }
  launcher=(faketime "$fake_date 12:00:00")
fi

app_pid=""
cleanup() {
  stop_pid "$app_pid"
  stop_xvfb
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The minimum and maximum sizes of the window's WM size hints, e.g. "554x308 554x308".
size_hints() {
  xprop -id "$1" WM_NORMAL_HINTS |
    awk '/minimum size/ {min = $(NF-2) "x" $NF} /maximum size/ {max = $(NF-2) "x" $NF}
         END {print min, max}'
}

# The sizes of the pictures in a window's icon (_NET_WM_ICON), e.g. "16x16 22x22 ...".
icon_sizes() {
  xprop -id "$1" -f _NET_WM_ICON 32c '=$0+' _NET_WM_ICON 2>/dev/null | sed -n 's/^[^=]*=//p' |
    tr -d ' ' | tr ',' '\n' |
    awk 'skip > 0 {skip--; next} width == "" {width = $1; next}
         {sizes = sizes sep width "x" $1; sep = " "; skip = width * $1; width = ""}
         END {print sizes}'
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
# The icon follows the window's first paint.
icons="16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256"
for _ in $(seq 50); do
  [ "$(icon_sizes "$main")" = "$icons" ] && break
  sleep 0.1
done
[ "$(icon_sizes "$main")" = "$icons" ] || fail "the window's icon holds '$(icon_sizes "$main")'"

wait_for_focus "$main"
calculate '2(1+3)^2'
if command -v xclip >/dev/null; then
  result="$(output_line)"
  [ "$result" = "32" ] || fail "the output line shows '$result', not 32"
else
  echo "note: xclip is not installed, the result is not read back"
fi

exit_by_button "$main"
echo "passed"
