#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The start-up benchmark: vimbo-calculator against a bare Qt window of its size with one line
# edit (startup_bare_window) and against a window with the calculator's widgets and nothing
# else (startup_same_widgets_window), all timed by startup_probe from the fork until the first
# window is drawn, in turns. Runs in a private Xvfb server with a private session bus, a
# fresh home and a plain environment, and stops them again.
#
#   bench/startup.sh BUILD_DIR [STARTS [LABEL=PROGRAM ...]]
#
# e.g. bench/startup.sh build/release 9, or with a build from before a change beside it:
# bench/startup.sh build/release 9 before=build-old/app/vimbo-calculator
#
# Goals: painted within 1.2 times the bare window; resident memory within 2 MB of the same
# widgets. Needs Xvfb and dbus-run-session (xvfb, dbus); on a picture day (the 5th, 10th, ...)
# also libfaketime, which moves all three programs on by a day.
set -euo pipefail
build="${1:?usage: bench/startup.sh BUILD_DIR [STARTS [LABEL=PROGRAM ...]]}"
starts="${2:-9}"
shift $(($# < 2 ? $# : 2))
probe="$build/bench/startup_probe"
bare="$build/bench/startup_bare_window"
same="$build/bench/startup_same_widgets_window"
calculator="$build/app/vimbo-calculator"
for program in "$probe" "$bare" "$same" "$calculator"; do
  [ -x "$program" ] || { echo "not built: $program" >&2; exit 2; }
done
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -m 700 "$work/home" "$work/run"

# -displayfd: a free display number, written once the server is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
  2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=":$(tr -d '[:space:]' <"$work/display")"

# The picture window comes first on every fifth day; a day later it does not.
preload=()
if [ $((10#$(date +%d) % 5)) = 0 ]; then
  faketime_library="$(find /usr/lib /usr/local/lib -name libfaketime.so.1 2>/dev/null | head -n 1)"
  [ -n "$faketime_library" ] ||
    { echo "today the picture window comes first: install libfaketime (or wait a day)" >&2; exit 2; }
  echo "A picture day: every program runs a day ahead under libfaketime."
  preload=("LD_PRELOAD=$faketime_library" "FAKETIME=+1d" "DONT_FAKE_MONOTONIC=1")
fi

# The desktop's settings (platform theme, style, fonts, scale) would differ from machine to
# machine: none of them, and a UTF-8 locale.
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" DISPLAY="$display" \
  LANG=C.UTF-8 "${preload[@]}" \
  dbus-run-session -- "$probe" --starts "$starts" --time-base bare --memory-base same-widgets \
  "bare=$bare" "same-widgets=$same" "calculator=$calculator" "$@" \
  2> >(grep -v 'Failed to set fd limit' >&2) | tee "$work/figures"

awk '$1 == "calculator" {
  printf "Goals: painted %.2f times the bare window (at most 1.20); resident memory %.1f MB beyond the same widgets (at most 2).\n", $4, $9
}' "$work/figures"
