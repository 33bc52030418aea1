#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build folder with plain cpack and checks it as a
# distribution would: lintian, the AppStream and desktop entry validators and man's own
# warnings on what it holds; any error or warning fails. Also that every file the desktop
# needs is in it.
#   package_check.sh BUILD_DIR OUT_DIR
set -uo pipefail
build="$1" out="$2"
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

rm -rf "$out" && mkdir -p "$out" || exit 1
(cd "$out" && cpack --config "$build/CPackConfig.cmake" -B "$out" >cpack.log 2>&1) ||
  { cat "$out/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
debs=("$out"/vimbo-calculator_*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
deb="${debs[0]}"
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Version Depends Recommends

echo "== lintian"
report="$(lintian --fail-on error,warning --display-info "$deb" 2>&1)" ||
  fail "lintian reports errors or warnings"
grep -v 'running with root privileges' <<<"$report"

echo "== times and modes"
# One time in the whole package, the changelog's latest (or SOURCE_DATE_EPOCH), however late
# it is built; and the .deb's own members as dpkg-deb writes them, whatever the umask.
changelog="$(dirname "${BASH_SOURCE[0]}")/../../packaging/changelog"
when="$(date -u -d "@${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l "$changelog" -S Timestamp)}" '+%F %T')"
for part in --ctrl-tarfile --fsys-tarfile; do
  dpkg-deb "$part" "$deb" | TZ=UTC tar -tv --full-time | grep -vF " $when ./" &&
    fail "a time other than $when in the package (above)"
done
ar tv "$deb" | grep -v '^rw-r--r-- 0/0 ' && fail "a .deb member's mode is not rw-r--r-- (above)"

root="$out/root"
dpkg-deb -x "$deb" "$root" || exit 1
for file in usr/bin/vimbo-calculator usr/bin/vimbo-eval \
    usr/share/man/man1/vimbo-calculator.1.gz usr/share/man/man1/vimbo-eval.1.gz \
    usr/share/doc/vimbo-calculator/copyright usr/share/doc/vimbo-calculator/changelog.Debian.gz \
    usr/share/applications/io.github.vimbo_calculator.VimboCalculator.desktop \
    usr/share/metainfo/io.github.vimbo_calculator.VimboCalculator.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/vimbo-calculator.svg; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/vimbo-calculator.png" ] ||
    fail "the package lacks the ${size} px icon"
done

echo "== appstreamcli validate"
for file in "$root"/usr/share/metainfo/*.xml; do
  report="$(appstreamcli validate --no-net "$file" 2>&1)" || fail "appstreamcli: $file"
  echo "$report"
  grep -qE '^[EW]:' <<<"$report" && fail "appstreamcli reports errors or warnings"
done
# The metadata with what it points at: the desktop entry and the icon.
report="$(appstreamcli validate-tree --no-net "$root" 2>&1)" || fail "appstreamcli validate-tree"
grep -E '^[EW]:' <<<"$report" && fail "appstreamcli validate-tree reports errors or warnings"

echo "== desktop-file-validate"
for file in "$root"/usr/share/applications/*.desktop; do
  report="$(desktop-file-validate "$file" 2>&1)" || fail "desktop-file-validate: $file"
  [ -z "$report" ] || { echo "$report"; fail "desktop-file-validate reports problems"; }
done

echo "== man --warnings"
for page in "$root"/usr/share/man/man1/*.gz; do
  report="$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
  [ -z "$report" ] || { echo "$report"; fail "man warns about $(basename "$page")"; }
done

[ "$status" = 0 ] && echo "passed"
exit "$status"
