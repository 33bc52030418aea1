#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, removes and purges the built package in a new, minimal Debian 12 root with
# piuparts, which fails on any error and on any file left behind. The root is made once by
# mmdebstrap (both tools installed when missing) and kept as a tarball under OUT_DIR. Needs
# root and Debian's archive.
#   scripts/piuparts.sh [PACKAGE.deb ...]   by default the .deb of scripts/build-in-clean-root.sh,
#                                           else that of scripts/check-reproducible.sh
# OUT_DIR is build/piuparts, or PIUPARTS_OUT when that is set.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(mkdir -p "${PIUPARTS_OUT:-$top/build/piuparts}" && cd "${PIUPARTS_OUT:-$top/build/piuparts}" && pwd)"
[ "$(id -u)" = 0 ] || { echo "$0: piuparts needs root" >&2; exit 2; }

packages=("$@")
if [ ${#packages[@]} = 0 ]; then
  for built in "$top"/build/clean-root/packages "$top"/build/reproducible/one; do
    packages=("$built"/vimbo-calculator_*.deb)
    [ -f "${packages[0]}" ] && break
  done
fi
[ -f "${packages[0]}" ] || { echo "$0: no package given, and none built: ${packages[*]}" >&2; exit 2; }

missing=()
for tool in mmdebstrap piuparts; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

base="$out/bookworm-minbase.tar.gz"
if [ ! -f "$base" ]; then
  echo "== A minimal Debian 12 root: $base"
  # Written under a name that still ends in .tar.gz, which chooses the format.
  mmdebstrap --variant=minbase --mode=root bookworm "$out/part-$(basename "$base")" </dev/null
  mv "$out/part-$(basename "$base")" "$base"
fi

echo "== piuparts: ${packages[*]}"
start=$SECONDS
status=0
rm -f "$out/piuparts.log"  # piuparts adds to an old log
# The root's own sources (the release, its updates and security) stay as mmdebstrap wrote them.
piuparts --basetgz="$base" --keep-sources-list --distribution=bookworm \
  --log-file="$out/piuparts.log" "${packages[@]}" >/dev/null 2>&1 || status=$?
grep -E '^[0-9m.]+s (ERROR|FAIL|INFO: (PASS|Installation|Can.t test))' "$out/piuparts.log" || tail -n 30 "$out/piuparts.log"
echo "-- piuparts: $((SECONDS - start)) s, exit status $status (log: $out/piuparts.log)"
exit "$status"
