#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package once as the README's Install section does (dpkg-buildpackage),
# from a copy of the tree, without the test suite (nocheck): the test command has run it
# already. scripts/check-reproducible.sh builds it twice with the same functions.
#   scripts/build-package.sh [WORK_DIR]   build/package by default
# Afterwards WORK_DIR holds the .changes, the source and the binary packages.
set -euo pipefail

# Copies the tree's files as git sees them (committed or not, without what it ignores).
copy_tree() {  # top of the tree, destination
  rm -rf "$(dirname "$2")" && mkdir -p "$2"
  git -C "$1" ls-files -z --cached --others --exclude-standard |
    (cd "$1" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
    (cd "$1" && tar --null -T - -cf -) | tar -xf - -C "$2"
}

build_package() {  # source copy, umask, time zone, locale
  local src="$1"
  echo "== Package from $src (umask $2, TZ=$3, LC_ALL=$4)"
  (
    umask "$2"
    export TZ="$3" LC_ALL="$4" DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)"
    cd "$src"
    dpkg-buildpackage -us -uc -Pnocheck >../build.log 2>&1 ||
      { tail -n 40 ../build.log >&2; echo "FAIL: dpkg-buildpackage in $src" >&2; exit 1; }
  )
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  work="$(mkdir -p "${1:-$top/build/package}" && cd "${1:-$top/build/package}" && pwd)"
  copy_tree "$top" "$work/vimbo-calculator"
  build_package "$work/vimbo-calculator" 022 UTC C.UTF-8
fi
