#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package twice as the README's Install section does, from copies of the
# tree at two different paths, under other umasks, time zones and locales and at other
# times, and checks that the two packages are the same bytes. When they differ, shows how:
# with diffoscope when it is installed, else with the archives' listings and which files
# differ. Without SOURCE_DATE_EPOCH set, the package's times come from packaging/changelog.
#   scripts/check-reproducible.sh [WORK_DIR]   build/reproducible by default
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mkdir -p "${1:-$top/build/reproducible}" && cd "${1:-$top/build/reproducible}" && pwd)"
jobs="$(nproc)"

# Copies the tree's files as git sees them (committed or not, without what it ignores).
copy_tree() {  # destination
  rm -rf "$1" && mkdir -p "$1"
  git -C "$top" ls-files -z --cached --others --exclude-standard |
    (cd "$top" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
    (cd "$top" && tar --null -T - -cf -) | tar -xf - -C "$1"
}

build_package() {  # source copy, umask, time zone, locale
  local src="$1"
  echo "== Package from $src (umask $2, TZ=$3, LC_ALL=$4)"
  (
    umask "$2"
    export TZ="$3" LC_ALL="$4"
    cd "$src"
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVIMBO_BUILD_TESTS=OFF \
      -DVIMBO_BUILD_BENCH=OFF >/dev/null
    cmake --build build/release -j"$jobs" >/dev/null
    (cd build/release && cpack >/dev/null)
  )
}

first="$work/one/vimbo-calculator"
second="$work/second-path/a/vimbo-calculator"
copy_tree "$first"
copy_tree "$second"
build_package "$first" 022 UTC C.UTF-8
build_package "$second" 002 Pacific/Auckland C

debs=("$first"/build/release/vimbo-calculator_*.deb "$second"/build/release/vimbo-calculator_*.deb)
[ "${#debs[@]}" = 2 ] && [ -f "${debs[0]}" ] && [ -f "${debs[1]}" ] ||
  { echo "FAIL: expected one package from each build: ${debs[*]}" >&2; exit 1; }
if cmp -s "${debs[0]}" "${debs[1]}"; then
  echo "reproducible: $(basename "${debs[0]}") $(sha256sum <"${debs[0]}" | cut -d' ' -f1)"
  exit 0
fi

echo "FAIL: the two packages differ" >&2
if command -v diffoscope >/dev/null; then
  diffoscope "${debs[@]}" || true
else
  echo "(diffoscope is not installed; the archives' listings and the differing files:)"
  for i in 0 1; do
    mkdir -p "$work/unpacked/$i"
    (cd "$work/unpacked/$i" && rm -rf ./* && ar x "${debs[i]}" && mkdir control data &&
      tar -xf control.tar.* -C control && tar -xf data.tar.* -C data)
  done
  diff <(ar tv "${debs[0]}") <(ar tv "${debs[1]}") || true
  for member in control data; do
    diff <(tar -tvf "$work"/unpacked/0/$member.tar.* --full-time) \
      <(tar -tvf "$work"/unpacked/1/$member.tar.* --full-time) || true
  done
  diff -r "$work/unpacked/0" "$work/unpacked/1" || true
fi
exit 1
