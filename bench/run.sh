#!/usr/bin/env bash
# Builds the release preset and prints every performance figure of the
# module: Google Benchmark times, instructions per Control step under
# callgrind (through the panel host's services and through a minimal panel),
# the headless three-hour drive through drennomar-panel, and the frames per
# second of drawing the default panel (docs/rendering.md).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null
bin=build/release/bin

"$bin/drennomar_bench_control" --benchmark_min_time=0.5

steps=100000
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for panel in host minimal; do
  valgrind --tool=callgrind --callgrind-out-file="$out" \
    --toggle-collect='drennomar::ControlGaugeCallback*' \
    "$bin/drennomar_bench_control" --steps "$panel" "$steps" 2>/dev/null
  # Everything inside the step, and the module's own share of it (the
  # functions of the module, not of the panel or of the C library).
  callgrind_annotate --inclusive=no "$out" | awk -v steps="$steps" -v panel="$panel" '
    /PROGRAM TOTALS/ { gsub(",", "", $1); total = $1 }
    /:drennomar::/ && !/drennomar::(host|bench)::/ { gsub(",", "", $1); own += $1 }
    END {
      printf "Control step, %s panel: %d instructions per step, %d of them the module'"'"'s own\n",
             panel, total / steps, own / steps
    }'
done

# Wall time on a shared machine varies with the load; user time less so.
TIMEFORMAT='Three-hour drive (run 194400, every gauge placed), drennomar-panel: %R s wall, %U s user'
time "$bin/drennomar-panel" bench/three_hour_drive.panel >/dev/null

# Drawing the default panel's 2D window: by changes against from scratch.
# One core, where taskset is there to pin it.
pin=()
if command -v taskset >/dev/null; then pin=(taskset -c 0); fi
"${pin[@]}" "$bin/drennomar_bench_render"
