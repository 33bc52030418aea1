#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the tape through a real print spooler: starts a private cupsd with a file-backed
# queue as its default printer, runs the real vimbo-calculator in a private Xvfb server,
# makes two calculations, presses "GT" and "Print", and reads the spooled PDF's text; then
# saves the tape with Ctrl+S as a PDF file, whose text must be the spooled report's.
#
#   print_e2e.sh PROGRAM            the report must reach the queue's file
#   print_e2e.sh PROGRAM stopped    the spooler stops before "Print": it must return quietly
#                                   and the program go on working
# The program runs on 7 December 2026 (faketime), a day without the picture window.
# Exit status 77 (skipped) when not root or a tool is missing.
set -euo pipefail
program="$1"
mode="${2:-running}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../support/xvfb_server.sh
source "$here/../support/xvfb_server.sh"
# shellcheck source=../support/app_driver.sh
source "$here/../support/app_driver.sh"

driver=lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd
require_tools cupsd lpadmin lpstat Xvfb xdotool xclip faketime pdftotext
[ -f /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd ] ||
  { echo "skipped: the Generic PDF printer driver is not installed"; exit 77; }
[ "$(id -u)" = 0 ] || { echo "skipped: a private cupsd with a file device needs root"; exit 77; }

work="$(mktemp -d)"
chmod 755 "$work"  # the filters run as the spooler's own user
app_pid=""
cupsd_pid=""
stop_cupsd() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
    cupsd_pid=""
  fi
}
cleanup() {
  stop_pid "$app_pid"
  stop_xvfb
  stop_cupsd
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A spooler of the test's own, on a socket of its own: the machine's printers stay untouched.
mkdir -p "$work"/{root,spool,cache,state,log,out}
mkdir -m 1777 "$work/spool/tmp"
chmod 1777 "$work/out"
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
FileDevice Yes
SystemGroup root
CONF
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
export CUPS_SERVER="$work/cups.sock"
cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
# lpstat -r exits 0 whether the scheduler runs or not: only its words tell.
scheduler_up() { [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
for _ in $(seq 100); do
  scheduler_up && break
  kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd did not start: $(cat "$work/log/error_log" 2>/dev/null)"
  sleep 0.1
done
scheduler_up || fail "cupsd does not answer"
report="$work/out/report.pdf"
lpadmin -p vimbo-test -E -v "file://$report" -m "$driver" 2>/dev/null
lpadmin -d vimbo-test
[ "$(lpstat -d)" = "system default destination: vimbo-test" ] || fail "no default printer: $(lpstat -d)"

start_calculator "$program"
calculate '2+3'
calculate '4*5'
click_twips "$main" 2600 1090 615 290  # "GT"

if [ "$mode" = stopped ]; then
  stop_cupsd
  click_twips "$main" 1680 4060 1815 320  # "Print"
  # The program goes on working: the next calculation comes out, typed into the input line.
  calculate '6*7'
  result="$(output_line)"
  [ "$result" = 42 ] || fail "after Print without a spooler the output line shows '$result'"
  [ ! -e "$report" ] || fail "a report was written with the spooler stopped"
  exit_by_button "$main"
  echo "passed"
  exit 0
fi

click_twips "$main" 1680 4060 1815 320  # "Print"
for _ in $(seq 300); do
  [ -n "$(lpstat -W completed -o vimbo-test 2>/dev/null)" ] && [ -s "$report" ] && break
  sleep 0.1
done
[ -s "$report" ] || fail "no report reached the queue: $(tail -n 5 "$work/log/error_log")"

saved="$work/out/saved.pdf"
xdotool key ctrl+s
dialog="$(wait_for_window --name '^Save tape$')" || fail "Ctrl+S opened no save dialog"
wait_for_focus "$dialog"
xdotool type --delay 10 "$saved"
xdotool key Return
for _ in $(seq 100); do
  [ -s "$saved" ] && break
  sleep 0.1
done
[ -s "$saved" ] || fail "Ctrl+S saved no file"
wait_for_focus "$main"
calculate '6*7'
result="$(output_line)"
[ "$result" = 42 ] || fail "after Print the output line shows '$result'"
exit_by_button "$main"

# The report's lines, in order, as the printer got them.
text="$(pdftotext -layout "$report" - | sed 's/[[:space:]]*$//')"
expected=(
  'Vimbo Calculator Report 7/12/2026'
  '----------------------------------------------------'
  '2+3' '=' '5' '****************'
  '4*5' '=' '20' '****************'
  '25 GT' '****************'
)
line=0
for want in "${expected[@]}"; do
  found="$(printf '%s\n' "$text" | awk -v from="$line" -v want="$want" \
    'NR > from { s = $0; sub(/^[[:space:]]+/, "", s); if (s == want) { print NR; exit } }')"
  [ -n "$found" ] || fail "the report lacks '$want' after line $line:
$text"
  line="$found"
done
[ "$(printf '%s\n' "$text" | grep -c 'Vimbo Calculator Report')" = 1 ] || fail "the title is not printed once"

words() { pdftotext -layout "$1" - | tr -s ' \t\f' '\n' | grep -v '^$'; }
[ "$(words "$saved")" = "$(words "$report")" ] || fail "the saved PDF is not the printed report:
$(diff <(words "$report") <(words "$saved") | head -n 20)"
echo "passed"
