#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows that debian/control names every build dependency: makes the source package, then
# builds it, test suite included, in a new Debian 12 root that holds nothing but
# build-essential and what Build-Depends names, as a user without root rights. The root is
# made by mmdebstrap (installed when missing) and thrown away afterwards; the packages it
# built are copied out. Needs root and Debian's archive.
#   scripts/build-in-clean-root.sh [OUT_DIR]   build/clean-root by default
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(mkdir -p "${1:-$top/build/clean-root}" && cd "${1:-$top/build/clean-root}" && pwd)"
jobs="$(nproc)"
[ "$(id -u)" = 0 ] || { echo "$0: mmdebstrap's root mode needs root" >&2; exit 2; }
command -v mmdebstrap >/dev/null ||
  { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq mmdebstrap; }

# The source package, from the tree's files as git sees them (committed or not).
rm -rf "$out/source" "$out/packages" && mkdir -p "$out/source/vimbo-calculator" "$out/packages"
git -C "$top" ls-files -z --cached --others --exclude-standard |
  (cd "$top" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
  (cd "$top" && tar --null -T - -cf -) | tar -xf - -C "$out/source/vimbo-calculator"
(cd "$out/source" && dpkg-source -b vimbo-calculator >/dev/null)
dsc="$(cd "$out/source" && ls vimbo-calculator_*.dsc)"

# The "buildd" variant is Debian's essential packages, apt and build-essential; apt-get
# build-dep adds what the .dsc's Build-Depends names, and nothing it recommends.
start=$SECONDS
# shellcheck disable=SC2016  # "$1", the new root, expands in mmdebstrap's hooks
mmdebstrap --variant=buildd --mode=root \
  --customize-hook='mkdir "$1/build"' \
  --customize-hook="copy-in $out/source/$dsc $out/source/${dsc%.dsc}.tar.xz /build" \
  --customize-hook="chroot \"\$1\" apt-get build-dep -y -q --no-install-recommends /build/$dsc" \
  --customize-hook='chroot "$1" useradd --create-home builder && chroot "$1" chown -R builder /build' \
  --customize-hook="chroot \"\$1\" runuser -u builder -- sh -ec 'cd /build && dpkg-source -x $dsc vimbo-calculator && cd vimbo-calculator && DEB_BUILD_OPTIONS=parallel=$jobs dpkg-buildpackage -us -uc -b'" \
  --customize-hook='rm -rf "$1/build/vimbo-calculator"' \
  --customize-hook="sync-out /build $out/packages" \
  bookworm /dev/null </dev/null 2>&1 | tee "$out/build.log"
echo "-- clean-root build: $((SECONDS - start)) s"
ls -l "$out/packages"
