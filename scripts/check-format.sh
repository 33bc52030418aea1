#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ source differs from the committed .clang-format style.
#   scripts/check-format.sh [CLANG_FORMAT]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"
mapfile -t sources < <(find app bench cli engine fuzz history tests window \
  -name '*.cpp' -o -name '*.h' | sort)
"${1:-clang-format}" --dry-run -Werror "${sources[@]}"
echo "format: ${#sources[@]} sources follow .clang-format"
