#!/usr/bin/env bash
# The main job: installs what is missing, builds the module and the panel
# host, runs the default drive on the default panel and writes to out/ a PNG
# of each window at each stage of the drive and an animated WebP of the
# whole drive; then builds the rest (benchmarks) and Drennomar.gau for the
# simulator, and says where everything is.
#
# The drive runs as soon as the module and the host are built, so that the
# first pictures do not wait for the benchmarks or the Windows module.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

start=$(now)
jobs=$(nproc 2>/dev/null || echo 2)
bin=build/release/bin
gau_x86=build/windows-x86/bin/Drennomar.gau

echo "building the module and the panel host (release)..."
cmake --preset release >/dev/null
cmake --build --preset release -j"${jobs}" --target drennomar_module drennomar-panel >/dev/null

rm -rf out
mkdir -p out
echo "running the default drive on the default panel..."
# The checkpoints the drive prints go to out/drive.txt; the progress line,
# the list of what was written and the time to the first picture (from the
# start of the drive) come to the terminal.
"${bin}/drennomar-panel" --panel default --out out examples/drive.panel >out/drive.txt
first_picture=$(find out -name '*.png' -printf '%T@\n' | sort -n | head -n 1)
drive_done=$(now)

echo "building the benchmarks (release)..."
cmake --build --preset release -j"${jobs}" >/dev/null
echo "building Drennomar.gau for the simulator (windows-x86)..."
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 -j"${jobs}" --target drennomar_module >/dev/null
finish=$(now)

echo
echo "first picture $(seconds_since "${start}" "${first_picture}") s after the start (build included)"
echo "pictures and animation done $(seconds_since "${start}" "${drive_done}") s after the start"
echo "the whole command took $(seconds_since "${start}" "${finish}") s"
echo
echo "pictures:          out/*-2d.png (2D panel), out/*-vc.png (virtual cockpit)"
echo "animation:         out/drive.webp"
echo "drive checkpoints: out/drive.txt"
echo "module (Linux):    ${bin}/Drennomar.gau"
echo "panel host:        ${bin}/drennomar-panel"
echo "benchmarks:        ${bin}/drennomar_bench_*"
echo "for the simulator: ${gau_x86} (32-bit Windows), with examples/panel.cfg"
