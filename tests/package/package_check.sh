#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a build of the Debian package as the archive would: lintian on the .changes (source
# and binary packages), the .deb's times and modes, that every file the desktop needs is in
# it, the AppStream and desktop entry validators and man's own warnings on what it holds
# (any error or warning fails), and last autopkgtest on the installed package, through the
# "null" server: on this machine itself, which it installs the package on (removed again
# afterwards unless it was installed before).
#   package_check.sh CHANGES_FILE OUT_DIR
set -uo pipefail
changes="$1" out="$2"
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

[ -f "$changes" ] || { echo "FAIL: no such .changes file: $changes" >&2; exit 1; }
rm -rf "$out" && mkdir -p "$out" || exit 1
built="$(dirname "$changes")"
debs=("$built"/vimbo-calculator_*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb in $built" >&2; exit 1; }
deb="${debs[0]}"
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Version Depends Recommends

echo "== lintian (source and binary)"
report="$(lintian --pedantic --display-info --fail-on error,warning "$changes" 2>&1)" ||
  fail "lintian reports errors or warnings"
grep -v 'running with root privileges' <<<"$report"

echo "== times and modes"
# One time in the whole package, the changelog's latest, however late it is built; and the
# .deb's own members as dpkg-deb writes them, whatever the umask. The .changes carries the
# date of the changelog's latest entry.
when="$(date -u -d "$(sed -n 's/^Date: //p' "$changes")" '+%F %T')"
for part in --ctrl-tarfile --fsys-tarfile; do
  dpkg-deb "$part" "$deb" | TZ=UTC tar -tv --full-time | grep -vF " $when ./" &&
    fail "a time other than $when in the package (above)"
done
ar tv "$deb" | grep -v '^rw-r--r-- 0/0 ' && fail "a .deb member's mode is not rw-r--r-- (above)"

root="$out/root"
dpkg-deb -x "$deb" "$root" || exit 1
for file in usr/bin/vimbo-calculator usr/bin/vimbo-eval \
    usr/share/man/man1/vimbo-calculator.1.gz usr/share/man/man1/vimbo-eval.1.gz \
    usr/share/doc/vimbo-calculator/copyright usr/share/doc/vimbo-calculator/changelog.gz \
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

echo "== autopkgtest (null server)"
installed_before=no
dpkg-query -W -f='${Status}' vimbo-calculator 2>/dev/null | grep -q 'ok installed' &&
  installed_before=yes
autopkgtest --output-dir "$out/autopkgtest" "$changes" -- null >"$out/autopkgtest.log" 2>&1 ||
  { tail -n 60 "$out/autopkgtest.log" >&2; fail "autopkgtest"; }
cat "$out/autopkgtest/summary" 2>/dev/null
if [ "$installed_before" = no ]; then
  apt-get purge -y -qq vimbo-calculator >/dev/null 2>&1 || true
fi

[ "$status" = 0 ] && echo "passed"
exit "$status"
