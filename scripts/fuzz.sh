#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang and runs each on a copy of the committed corpus.
#   scripts/fuzz.sh [SECONDS]   60 by default; the run takes 2 x SECONDS, shared equally
#                               by the targets
# Exits non-zero when a target finds a crash, a leak, a hang, a bad result or a difference
# between the engine and the reference evaluator.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${root}/build-fuzz"
targets=(evaluator_fuzz eval_lines_fuzz reference_fuzz pasted_text_fuzz)
share=$((seconds * 2 / ${#targets[@]}))
if [ "${share}" -lt 1 ]; then
  share=1
fi

CXX=clang++ cmake -S "${root}" -B "${build}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVIMBO_BUILD_FUZZ=ON -DVIMBO_WITH_QT=OFF -DVIMBO_BUILD_TESTS=OFF -DVIMBO_BUILD_BENCH=OFF >/dev/null
cmake --build "${build}" -j2 --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
  corpus_name="${target%_fuzz}"
  # The reference evaluator is slow by design (quadratic in the text's length): its target
  # skips longer inputs anyway and gets more time per input.
  max_len=4096
  timeout=1
  if [ "${target}" = reference_fuzz ]; then
    max_len=256
    timeout=5
  fi
  work="$(mktemp -d)"
  cp "${root}/fuzz/corpus/${corpus_name}/"* "${work}/"
  artifacts="${build}/artifacts/${target}"
  mkdir -p "${artifacts}"
  echo "== ${target}: ${share} s"
  if ! "${build}/fuzz/${target}" -max_total_time="${share}" -timeout="${timeout}" -rss_limit_mb=2048 \
      -max_len="${max_len}" -print_final_stats=1 -artifact_prefix="${artifacts}/" "${work}" \
      2>"${build}/${target}.log"; then
    echo "${target}: finding; see ${build}/${target}.log and ${artifacts}" >&2
    tail -n 40 "${build}/${target}.log" >&2
    status=1
  fi
  grep -E '^stat::number_of_executed_units' "${build}/${target}.log" || true
  rm -rf "${work}"
done
exit "${status}"
