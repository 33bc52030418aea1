#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times vimbo-eval on full input lines (32,767 characters) of the costliest shapes, one
# process per input, and prints the median of five runs: wall time and CPU time (user + sys).
#   bench/full_lines.sh [VIMBO_EVAL]   default: build-rel/cli/vimbo-eval
set -euo pipefail

eval_bin="${1:-build-rel/cli/vimbo-eval}"
work="$(mktemp -d)"
trap 'rm -rf "${work}"' EXIT

# full_line TERM SEPARATOR: the term repeated, joined by the separator, while it fits.
full_line() {
  awk -v term="$1" -v sep="$2" 'BEGIN {
    s = term
    while (length(s) + length(sep) + length(term) <= 32767) s = s sep term
    print s
  }'
}

nested() {  # nested OPEN DEPTH INNER
  awk -v open="$1" -v depth="$2" -v inner="$3" 'BEGIN {
    s = ""; e = ""
    for (i = 0; i < depth; i++) { s = s open; e = e ")" }
    print s inner e
  }'
}

full_line 'sqr(2)' '+' >"${work}/sqr"
full_line 'sin(1)' '+' >"${work}/sin"
full_line 'ans' '+' >"${work}/ans"
full_line '-(1)' '*' >"${work}/negated"
full_line '(1)' '' >"${work}/juxtaposed"
full_line '(2)' '+' >"${work}/groups"
full_line '0.5!' '+' >"${work}/factorials"
full_line '1' '+' >"${work}/ones"
full_line 'sin(1)+cos(1)' '+' >"${work}/sincos"
full_line '(1)' '^' >"${work}/grouppowers"
full_line '(1)^2' '+' >"${work}/groupsquares"
full_line '1*-1' '-' >"${work}/negfactors"
full_line '1' '*' >"${work}/products"
full_line '7' 'mod' >"${work}/remainders"
nested '2*-(' 6553 1 >"${work}/nestednegated"
nested 'sqr(' 6553 2 >"${work}/nestedsqr"
nested '(' 16383 1 >"${work}/toodeep"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-15s %10s %10s  %s\n' shape 'wall ms' 'cpu ms' result
for file in sqr sin ans negated juxtaposed groups factorials ones sincos grouppowers \
  groupsquares negfactors products remainders nestednegated nestedsqr toodeep; do
  args=()
  if [ "${file}" = ans ]; then
    args=(--ans 2)
  fi
  walls=()
  cpus=()
  for _ in 1 2 3 4 5; do
    # vimbo-eval exits with 1 when the result is "Error"; only the times matter here.
    times=$( { TIMEFORMAT='%3R %3U %3S'
      time "${eval_bin}" "${args[@]}" <"${work}/${file}" >"${work}/out" || true; } 2>&1)
    walls+=("$(echo "${times}" | awk '{ printf "%d", $1 * 1000 }')")
    cpus+=("$(echo "${times}" | awk '{ printf "%d", ($2 + $3) * 1000 }')")
  done
  printf '%-15s %10s %10s  %s\n' "${file}" "$(printf '%s\n' "${walls[@]}" | median)" \
    "$(printf '%s\n' "${cpus[@]}" | median)" "$(head -c 40 "${work}/out")"
done
