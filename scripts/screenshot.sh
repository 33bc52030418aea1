#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes docs/screenshot.png: the calculator in a private Xvfb server after two calculations.
#   scripts/screenshot.sh [PATH-TO-vimbo-calculator]
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
app="${1:-$top/build/release/app/vimbo-calculator}"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 800x500x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app_pid" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
sleep 2
# A fixed day that is not a fifth day, so no picture window comes first.
faketime '2026-12-08 12:00:00' "$app" &
app_pid=$!
for _ in $(seq 50); do
  wid="$(xdotool search --name 'Vimbo Calculator' 2>/dev/null | head -1 || true)"
  [ -n "$wid" ] && break
  sleep 0.2
done
for expression in '2(1+3)^2' '4*5'; do
  xdotool type --window "$wid" "$expression"
  xdotool key --window "$wid" Return
  sleep 0.5
done
mkdir -p "$top/docs"
import -window "$wid" "$top/docs/screenshot.png"
echo "wrote docs/screenshot.png"
