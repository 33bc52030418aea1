#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package twice as the README's Install section does (dpkg-buildpackage),
# side by side from copies of the tree at two different paths, under other umasks, time
# zones and locales, and checks that the two builds give the same binary packages, byte for
# byte. When they differ, shows how: with diffoscope when it is installed, else with the
# archives' listings and which files differ. The package's times are those of the latest
# entry of debian/changelog. The test suite is left out of these builds (nocheck): the test
# command has run it already.
#   scripts/check-reproducible.sh [WORK_DIR]   build/reproducible by default
# Afterwards WORK_DIR/one holds the first build's .changes, source and binary packages.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mkdir -p "${1:-$top/build/reproducible}" && cd "${1:-$top/build/reproducible}" && pwd)"

# shellcheck source=build-package.sh
source "$top/scripts/build-package.sh"

first="$work/one/vimbo-calculator"
second="$work/second-path/a/vimbo-calculator"
copy_tree "$top" "$first"
copy_tree "$top" "$second"
# Side by side: each build has long stretches on one core (configuring, debhelper's steps,
# compressing) that the other's compiling fills.
build_package "$first" 022 UTC C.UTF-8 &
first_pid=$!
build_package "$second" 002 Pacific/Auckland C &
second_pid=$!
built=yes
wait "$first_pid" || built=no
wait "$second_pid" || built=no
[ "$built" = yes ] || exit 1

status=0
compared=0
for deb in "$work"/one/*.deb "$work"/one/*.ddeb; do
  [ -f "$deb" ] || continue
  other="$work/second-path/a/$(basename "$deb")"
  compared=$((compared + 1))
  if [ ! -f "$other" ]; then
    echo "FAIL: the second build made no $(basename "$deb")" >&2
    status=1
  elif cmp -s "$deb" "$other"; then
    echo "reproducible: $(basename "$deb") $(sha256sum <"$deb" | cut -d' ' -f1)"
  else
    echo "FAIL: the two builds' $(basename "$deb") differ" >&2
    status=1
    if command -v diffoscope >/dev/null; then
      diffoscope "$deb" "$other" || true
    else
      echo "(diffoscope is not installed; the archives' listings and the differing files:)"
      for i in 0 1; do
        rm -rf "$work/unpacked/$i" && mkdir -p "$work/unpacked/$i"
      done
      dpkg-deb -R "$deb" "$work/unpacked/0" && dpkg-deb -R "$other" "$work/unpacked/1"
      diff <(ar tv "$deb") <(ar tv "$other") || true
      diff <(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time) \
        <(dpkg-deb --fsys-tarfile "$other" | tar -tv --full-time) || true
      diff -r "$work/unpacked/0" "$work/unpacked/1" || true
    fi
  fi
done
[ "$compared" -gt 0 ] || { echo "FAIL: the first build made no package" >&2; exit 1; }
exit "$status"
