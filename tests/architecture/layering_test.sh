#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The project's folders keep their one-way dependencies, and the check itself sees a
# dependency that points the wrong way.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
check="$top/scripts/check-layering.sh"

"$check" "$top"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/engine" "$scratch/cli" "$scratch/window" "$scratch/history"
echo '#include "engine/engine.h"' >"$scratch/window/ok.cpp"
echo '#include "window/controls.h"' >"$scratch/history/ok.h"
"$check" "$scratch" >/dev/null

for bad in 'engine/x.cpp:#include <QString>' 'engine/x.h:#include "window/controls.h"' \
  'cli/x.cpp:#include "window/main_window.h"' 'window/x.cpp:#include "history/default_printer.h"' \
  'history/x.h:  #  include "app/x.h"'; do
  file="$scratch/${bad%%:*}"
  printf '%s\n' "${bad#*:}" >"$file"
  if "$check" "$scratch" >/dev/null; then
    echo "not caught: ${bad}" >&2
    exit 1
  fi
  rm "$file"
done
echo "layering: every dependency points one way"
