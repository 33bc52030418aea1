#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages the project needs, only those that are missing.
#   scripts/install-deps.sh run    what building and running the calculator needs
#   scripts/install-deps.sh test   that, plus what the tests, benchmarks and fuzzing need
set -euo pipefail

run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev qt6-qpa-plugins
  fonts-liberation
)
test_packages=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev libxcb-damage0-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils
  cups cups-client cups-filters poppler-utils
  python3 faketime xclip
  dbus dbus-bin at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  dpkg-dev debhelper lintian autopkgtest appstream desktop-file-utils man-db diffoscope-minimal
)
# Installed where the archives have them: .clang-format is written for clang-format 14, which
# later Debian releases no longer carry (there the format check is reported as skipped).
optional_test_packages=(clang-format-14)

optional=()
case "${1:-run}" in
  run) wanted=("${run_packages[@]}") ;;
  test)
    wanted=("${run_packages[@]}" "${test_packages[@]}")
    optional=("${optional_test_packages[@]}")
    ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q '^install ok installed$'; }
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
updated=no
update() {
  if [ "$updated" = no ]; then
    "${as_root[@]}" apt-get update -qq
    updated=yes
  fi
}

missing=()
for pkg in "${wanted[@]}"; do
  installed "$pkg" || missing+=("$pkg")
done
# Optional packages are looked up after the update that missing ones need anyway.
if [ ${#missing[@]} -gt 0 ]; then
  update
fi
for pkg in "${optional[@]}"; do
  if installed "$pkg"; then
    continue
  elif apt-cache show "$pkg" >/dev/null 2>&1; then
    missing+=("$pkg")
  else
    echo "Not in this system's package archives, left out: $pkg"
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

update
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
