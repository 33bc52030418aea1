#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the folders depend on each other one way only:
#   app -> history -> window -> engine, and cli -> engine.
# Prints every include that breaks the rule and exits 1; exits 0 when there is none.
#   scripts/check-layering.sh [TOP]     TOP defaults to the project's top folder
set -euo pipefail
top="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

# folder, then the pattern of what its files must not include.
rules=(
  'engine' '#[[:space:]]*include[[:space:]]*("(app|cli|history|window)/|<Q)'
  'cli' '#[[:space:]]*include[[:space:]]*("(app|history|window)/|<Q)'
  'window' '#[[:space:]]*include[[:space:]]*"(app|cli|history)/'
  'history' '#[[:space:]]*include[[:space:]]*"(app|cli)/'
)

status=0
for ((i = 0; i < ${#rules[@]}; i += 2)); do
  folder="$top/${rules[i]}"
  [ -d "$folder" ] || continue
  if hits=$(grep -rnE --include='*.h' --include='*.cpp' "${rules[i + 1]}" "$folder"); then
    printf '%s\n' "$hits" | sed "s|^$top/||; s|\$|   <- ${rules[i]}/ may not include this|"
    status=1
  fi
done
exit "$status"
