#!/usr/bin/env bash
# Builds the release preset and prints every performance figure of the
# module: ns per Control step (Google Benchmark), instructions per step
# (callgrind, counting only inside the step and the services it calls).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null
bin=build/release/bin

"$bin/drennomar_bench_control" --benchmark_min_time=0.5

steps=100000
out=$(mktemp)
trap 'rm -f "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out" \
  --toggle-collect='drennomar::ControlGaugeCallback*' \
  "$bin/drennomar_bench_control" --steps "$steps" 2>/dev/null
total=$(callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}')
echo "Control step, minimal panel: $((total / steps)) instructions per step (callgrind, $steps steps)"
