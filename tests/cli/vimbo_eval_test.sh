#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The vimbo-eval program as scripts use it: arguments, standard input, exit status.
set -u
eval_bin="$1"
failures=0
passes=0

check() {  # name, expected output, expected status, command...
  local name="$1" expected="$2" want_status="$3"
  shift 3
  local got status
  got="$("$@" 2>/dev/null)"
  status=$?
  if [ "$got" != "$expected" ] || [ "$status" != "$want_status" ]; then
    echo "FAIL $name: got [$got] status $status, expected [$expected] status $want_status"
    failures=$((failures + 1))
  else
    echo "ok   $name"
    passes=$((passes + 1))
  fi
}

check arguments $'14\n6' 0 "$eval_bin" '2+3*4' '2(3)'
check ans-chain $'5\n10' 0 "$eval_bin" '2+3' 'ans*2'
check ans-option '25' 0 "$eval_bin" --ans 12.5 'ans*2'
check angle '1' 0 "$eval_bin" --angle RAD 'sin(pi/2)'
check angle-after-equals '1' 0 "$eval_bin" --angle=RAD 'sin(pi/2)'
check angle-lower-case '1' 0 "$eval_bin" --angle rad 'sin(pi/2)'
check angle-mixed-case-after-equals '1' 0 "$eval_bin" --angle=Grad 'sin(100)'
check ans-after-equals '25' 0 "$eval_bin" --ans=12.5 'ans*2'
check ans-empty-after-equals $'7\n1' 0 "$eval_bin" --ans= 'ans+7' '1'
check failure-status $'Error\n2' 1 "$eval_bin" '1/0' '2'
check syntax-error 'Syntax error' 1 "$eval_bin" '2+3)'
check negative-expression '-3' 0 "$eval_bin" '-5+2'
check double-minus-expression '5.0' 0 "$eval_bin" '--5.0'
check minus-expressions $'-5\n-3.14159265358979\n5' 0 "$eval_bin" -5 -pi --5
check after-double-dash 'Error' 1 "$eval_bin" -- '--help'
check short-help "$("$eval_bin" --help)" 0 "$eval_bin" -h
check short-help-after-double-dash 'Error' 1 "$eval_bin" -- -h
check unknown-short-option "vimbo-eval: unknown option '-x' (try --help)" 2 \
  sh -c "'$eval_bin' -x 2>&1"
# Only a dash and one letter is a short option; any longer dash-word is an expression.
check minus-decimal '-0.5' 0 "$eval_bin" -.5
check minus-names $'-3\n-3.14159265358979\n-0.5\n-2\n-2' 0 \
  "$eval_bin" --ans 3 -ans -pi '-sin(30)' '-log(100)' '-(2)'
check dash-word-expression 'Error' 1 "$eval_bin" -help
check decimals $'0.33\n0.99' 0 "$eval_bin" --decimals '1/3' 'ans*3'
check stdin-lines $'5\n\n10\nError' 1 sh -c "printf '2+3\n\nans*2\n   \n' | '$eval_bin'"
check stdin-crlf $'5\n6' 0 sh -c "printf '2+3\r\n3*2\r\n' | '$eval_bin'"
check stdin-last-line-without-end $'1\n2' 0 sh -c "printf '1\n2' | '$eval_bin'"
check bad-angle '' 2 "$eval_bin" --angle TURNS '1'
check bad-angle-after-equals '' 2 "$eval_bin" --angle=TURNS '1'
check value-on-a-plain-option '' 2 "$eval_bin" --decimals=yes '1'
check unknown-option '' 2 "$eval_bin" --frobnicate
check missing-value '' 2 "$eval_bin" --ans
check version "vimbo-eval $("$eval_bin" --version | cut -d' ' -f2)" 0 "$eval_bin" --version

usage_line="$("$eval_bin" --bogus 2>&1 >/dev/null)"
if [ "$(printf '%s\n' "$usage_line" | wc -l)" -ne 1 ]; then
  echo "FAIL usage message is not one line: [$usage_line]"
  failures=$((failures + 1))
else
  passes=$((passes + 1))
fi
if ! "$eval_bin" --help | grep -q -- '--angle'; then
  echo "FAIL --help does not describe --angle"
  failures=$((failures + 1))
else
  passes=$((passes + 1))
fi
if ! "$eval_bin" --help | grep -q '3 when the results cannot be written'; then
  echo "FAIL --help does not describe exit status 3"
  failures=$((failures + 1))
else
  passes=$((passes + 1))
fi

# Output that cannot be written: one line on standard error and status 3; a reader that
# stops early ends it without a word. Each row: name, status (a regular expression),
# standard error (a pattern, or "quiet"), standard output, and the shell command ($1 is
# the program, $2 a long input file).
work_dir="$(mktemp -d)"
yes '1+1' | head -n 300000 >"$work_dir/long"
check_output_failure() {
  local name="$1" want_status="$2" want_err="$3" want_out="$4" command="$5"
  local out err status ok=yes
  out="$(bash -c "$command" _ "$eval_bin" "$work_dir/long" 2>"$work_dir/err")"
  status=$?
  err="$(cat "$work_dir/err")"
  [[ "$status" =~ ^($want_status)$ ]] || ok=no
  [ "$out" = "$want_out" ] || ok=no
  if [ "$want_err" = quiet ]; then
    [ -z "$err" ] || ok=no
  elif [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ]; then
    ok=no
  else
    # shellcheck disable=SC2053  # want_err is a pattern
    [[ "$err" == $want_err ]] || ok=no
  fi
  if [ "$ok" = yes ]; then
    echo "ok   $name"
    passes=$((passes + 1))
  else
    echo "FAIL $name: status $status (want $want_status), stdout [$out], stderr [$err]"
    failures=$((failures + 1))
  fi
}
full_disk='vimbo-eval: cannot write the results: No space left on device'
# shellcheck disable=SC2016  # each command expands in its own shell
{
  check_output_failure full-disk-arguments 3 "$full_disk" '' '"$1" 1+1 >/dev/full'
  check_output_failure full-disk-failed-result 3 "$full_disk" '' '"$1" 1/0 >/dev/full'
  check_output_failure full-disk-stdin 3 "$full_disk" '' '"$1" <"$2" >/dev/full'
  check_output_failure full-disk-help 3 "$full_disk" '' '"$1" --help >/dev/full'
  check_output_failure full-disk-version 3 "$full_disk" '' '"$1" --version >/dev/full'
  check_output_failure closed-output 3 'vimbo-eval: cannot write the results: *' '' \
    '"$1" 1+1 >&-'
  # Killed by SIGPIPE (128 + 13) as other tools are, or 3 where the caller ignores SIGPIPE.
  check_output_failure reader-stops-early '141|3' quiet '2' \
    'set -o pipefail; "$1" <"$2" | head -n 1'
  check_output_failure reader-stops-early-sigpipe-ignored 3 quiet '2' \
    'set -o pipefail; trap "" PIPE; "$1" <"$2" | head -n 1'
  check_output_failure all-written-status-kept 1 quiet $'2\nError' \
    'set -o pipefail; "$1" 1+1 1/0 | cat'
}
rm -rf "$work_dir"

# A person typing: each answer appears before the next line is written.
fifo_dir="$(mktemp -d)"
trap 'rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/in" "$fifo_dir/out"
"$eval_bin" <"$fifo_dir/in" >"$fifo_dir/out" &
exec 3>"$fifo_dir/in" 4<"$fifo_dir/out"
echo '6*7' >&3
if read -r -t 10 answer <&4 && [ "$answer" = 42 ]; then
  echo "ok   interactive-answer-flushed"
  passes=$((passes + 1))
else
  echo "FAIL interactive: no answer to the first line while the input stays open"
  failures=$((failures + 1))
fi
exec 3>&- 4<&-
wait

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
