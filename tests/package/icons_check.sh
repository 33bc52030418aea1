#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The committed icons are exactly what scripts/make_icon.py draws: none edited by hand,
# none missing, none left over from an older drawing.
set -euo pipefail
top="$1"
drawn="$(mktemp -d)"
trap 'rm -rf "$drawn"' EXIT
python3 "$top/scripts/make_icon.py" "$drawn"
status=0
for file in "$drawn"/*; do
  name="$(basename "$file")"
  cmp -s "$file" "$top/window/pictures/$name" || { echo "FAIL: $name differs from the script's drawing" >&2; status=1; }
done
for file in "$top"/window/pictures/vimbo-calculator*; do
  [ -e "$drawn/$(basename "$file")" ] || { echo "FAIL: $(basename "$file") is not drawn by the script" >&2; status=1; }
done
[ "$status" = 0 ] && echo "passed: $(ls "$drawn" | wc -l) files"
exit "$status"
