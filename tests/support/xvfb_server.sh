# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the end-to-end scripts: a private Xvfb server on a free display number.
# start_xvfb sets DISPLAY and XVFB_PID; stop_xvfb ends the server again.

# One try: 0 once the server is ready, 1 when it ended before (its messages on stderr).
try_xvfb() {
  local number_file log
  number_file="$(mktemp)"
  log="$(mktemp)"
  # -displayfd picks a free display and writes its number once the server is ready.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" 2>"$log" &
  XVFB_PID=$!
  local tries=0 status=0
  while [ ! -s "$number_file" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start: $(tail -n 3 "$log")" >&2
      stop_xvfb
      status=1
      break
    fi
    sleep 0.05
  done
  if [ "$status" = 0 ]; then
    DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    export DISPLAY
  fi
  rm -f "$number_file" "$log"
  return "$status"
}

# Servers started side by side by parallel tests may reach for the same display number;
# the one that loses ends at once, and a second try finds another number.
start_xvfb() {
  local attempt
  for attempt in 1 2 3; do
    try_xvfb && return 0
    echo "retrying Xvfb (attempt $attempt failed)" >&2
  done
  return 1
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
