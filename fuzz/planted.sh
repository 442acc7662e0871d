#!/usr/bin/env bash
# Shows that the module fuzzer bites: builds the module with each planted
# fault in turn (an unbounded text write, a raw double-to-int cast, a switch
# writing 2), runs the module fuzzer from an empty corpus for at most 60
# seconds, and prints how long it took to find the fault.
#
#   fuzz/planted.sh [text|cast|switch ...]     (default: all three)
#
# Exits non-zero if any fault goes unfound. Builds in build/fuzz-planted-*.
set -euo pipefail
cd "$(dirname "$0")/.."

faults=("$@")
((${#faults[@]})) || faults=(text cast switch)
jobs=${JOBS:-2}
status=0

for fault in "${faults[@]}"; do
  dir="build/fuzz-planted-${fault}"
  echo "=== planted fault: ${fault}"
  cmake --preset fuzz -B "${dir}" -DDRENNOMAR_PLANTED_FAULT="${fault}" >/dev/null
  cmake --build "${dir}" -j"${jobs}" --target drennomar-fuzz-module >/dev/null
  work=$(mktemp -d)
  mkdir "${work}/corpus"  # empty: the fuzzer starts from nothing
  start=$(date +%s.%N)
  set +e
  "${dir}/bin/drennomar-fuzz-module" "${work}/corpus" -max_total_time=60 \
    -artifact_prefix="${work}/" >"${work}/log" 2>&1
  rc=$?
  set -e
  end=$(date +%s.%N)
  seconds=$(awk -v a="${start}" -v b="${end}" 'BEGIN { printf "%.1f", b - a }')
  found=$(ls "${work}"/crash-* 2>/dev/null | head -n 1 || true)
  if [[ ${rc} -ne 0 && -n "${found}" ]]; then
    what=$(grep -m1 -E "module promise broken|runtime error|ERROR: AddressSanitizer" "${work}/log" || true)
    execs=$(grep -m1 -oE "^#[0-9]+" <(grep -E "^#[0-9]+" "${work}/log" | tail -n 1) || true)
    echo "found in ${seconds} s (${execs#\#} executions before it): ${what}"
    echo "input: ${found}"
  else
    echo "NOT found within 60 s"
    status=1
  fi
done
exit ${status}
