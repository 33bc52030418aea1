#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Started with no display at all, vimbo-calculator says so in one line and exits 1.
set -uo pipefail
program="$1"
errors="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)"
status=$?
[ "$status" = 1 ] || { echo "FAIL: exit status $status, not 1" >&2; exit 1; }
[ "$(printf '%s\n' "$errors" | wc -l)" = 1 ] || { echo "FAIL: not one line: $errors" >&2; exit 1; }
grep -qF 'xvfb-run vimbo-calculator' <<<"$errors" || { echo "FAIL: no hint: $errors" >&2; exit 1; }
echo "passed"
