#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the calculator (installing what is missing) and starts it.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh" run
build="$top/build/release"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DVIMBO_BUILD_TESTS=OFF -DVIMBO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target vimbo-calculator vimbo-eval
exec "$build/app/vimbo-calculator" "$@"
