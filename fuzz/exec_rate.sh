#!/usr/bin/env bash
# Measures each fuzzer's executions per second on one core: runs it pinned
# to CPU 0 for SECONDS (default 60) from a copy of its committed corpus and
# prints the executions, the engine's own executions per wall second, and
# executions per second of CPU time the program used (the figure that holds
# when other jobs share the core).
#
#   fuzz/exec_rate.sh [SECONDS] [module|script|panel_config|bmp ...]
#
# Needs the fuzzers built: cmake --workflow --preset fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(module script panel_config bmp)

printf '%-13s %12s %12s %14s\n' fuzzer executions "exec/s wall" "exec/s of CPU"
for t in "${targets[@]}"; do
  work=$(mktemp -d)
  cp fuzz/corpus/"${t}"/* "${work}/"
  log="${work}.log"
  TIMEFORMAT='cpu %U %S'
  { time taskset -c 0 "build/fuzz/bin/drennomar-fuzz-${t}" "${work}" \
    -max_total_time="${seconds}" -print_final_stats=1 -artifact_prefix="${work}.crash-" \
    >"${log}" 2>&1; } 2>>"${log}.time" || { echo "${t}: the fuzzer stopped (see ${log})"; continue; }
  cat "${log}.time" >>"${log}"
  runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "${log}")
  wall=$(awk '/stat::average_exec_per_sec/ { print $2 }' "${log}")
  cpu=$(awk '/^cpu / { print $2 + $3 }' "${log}")
  rate=$(awk -v r="${runs}" -v c="${cpu}" 'BEGIN { printf "%d", r / c }')
  printf '%-13s %12s %12s %14s\n' "${t}" "${runs}" "${wall}" "${rate}"
  rm -rf "${work}" "${log}" "${log}.time"
done
