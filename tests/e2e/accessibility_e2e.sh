#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real vimbo-calculator as a screen reader meets it: a private session bus with
# at-spi2-core's accessibility bus, a private Xvfb server, and a listener in python3-pyatspi
# (accessibility_listener.py) that checks the window, its names and the spoken result.
# Everything started here is stopped again on every way out.
#
#   accessibility_e2e.sh PROGRAM
# Exit status 77 (skipped) when a tool is missing.
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xvfb_server.sh
source "$here/../support/xvfb_server.sh"
# shellcheck source=../support/app_driver.sh
source "$here/../support/app_driver.sh"

python=/usr/bin/python3  # the system's, where python3-pyatspi lives
bus_launcher=/usr/libexec/at-spi-bus-launcher
require_tools Xvfb xdotool dbus-daemon dbus-send faketime "$python" "$bus_launcher"
"$python" -c 'import pyatspi' 2>/dev/null ||
  { echo "skipped: python3-pyatspi is not installed"; exit 77; }

work="$(mktemp -d)"
app_pid=""
bus_pid=""
launcher_pid=""
cleanup() {
  stop_pid "$app_pid"
  stop_pid "$launcher_pid"  # takes its accessibility bus and registry with it
  stop_pid "$bus_pid"
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The buses keep their sockets and caches under the test's own home and runtime directory.
mkdir -m 700 "$work/home" "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset AT_SPI_BUS_ADDRESS

start_xvfb
dbus-daemon --session --nofork --print-address=3 3>"$work/bus-address" &
bus_pid=$!
for _ in $(seq 100); do
  [ -s "$work/bus-address" ] && break
  kill -0 "$bus_pid" 2>/dev/null || fail "the session bus did not start"
  sleep 0.05
done
DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus-address")"
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "the session bus gave no address"
export DBUS_SESSION_BUS_ADDRESS
"$bus_launcher" --launch-immediately &
launcher_pid=$!
for _ in $(seq 100); do
  # Asks whether the name is taken without starting a second launcher through activation.
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
    break
  kill -0 "$launcher_pid" 2>/dev/null || fail "at-spi-bus-launcher ended"
  sleep 0.05
done

# A day without the picture window.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  faketime '2026-12-08 12:00:00' "$program" &
app_pid=$!
main="$(wait_for_window --name '^Vimbo Calculator$')" || fail "the main window did not appear"
wait_for_focus "$main"

"$python" "$here/accessibility_listener.py" || fail "the screen reader's checks failed"

exit_by_button "$main"
echo "passed"
