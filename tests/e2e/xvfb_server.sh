# shellcheck shell=bash
# Sourced by the end-to-end scripts: a private Xvfb server on a free display number.
# start_xvfb sets DISPLAY and XVFB_PID; stop_xvfb ends the server again.

start_xvfb() {
  local number_file
  number_file="$(mktemp)"
  # -displayfd picks a free display and writes its number once the server is ready.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$number_file" 2>/dev/null &
  XVFB_PID=$!
  local tries=0
  while [ ! -s "$number_file" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      rm -f "$number_file"
      echo "Xvfb did not start" >&2
      return 1
    fi
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
  rm -f "$number_file"
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
