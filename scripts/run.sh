#!/usr/bin/env bash
# The main job: installs what is missing, builds the module, the panel host
# and the Windows module for the simulator, then runs the default drive on
# the default panel and writes to out/ a PNG of each window at each stage of
# the drive and an animated WebP of the whole drive.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

start=$(date +%s)
jobs=$(nproc 2>/dev/null || echo 2)
echo "building the module and the panel host (release)..."
cmake --preset release >/dev/null
cmake --build --preset release -j"${jobs}" >/dev/null
echo "building Drennomar.gau for the simulator (windows-x86)..."
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 -j"${jobs}" >/dev/null

bin=build/release/bin
rm -rf out
mkdir -p out
echo "running the default drive on the default panel..."
# The checkpoints the drive prints go to out/drive.txt; the progress line,
# the list of what was written and the time to the first picture come to
# the terminal.
"${bin}/drennomar-panel" --panel default --out out examples/drive.panel >out/drive.txt
echo "the whole command took $(($(date +%s) - start)) s (build included)"
echo "module:   ${bin}/Drennomar.gau"
echo "host:     ${bin}/drennomar-panel"
echo "for the simulator: build/windows-x86/bin/Drennomar.gau, with examples/panel.cfg"
echo "drive checkpoints: out/drive.txt"
