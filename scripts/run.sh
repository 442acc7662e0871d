#!/usr/bin/env bash
# The main job: installs what is missing, builds the module and the panel
# host, and runs the example script on the module it built.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release >/dev/null
cmake --build --preset release -j"${jobs}"

bin=build/release/bin
echo "module: ${bin}/Drennomar.gau"
echo "host:   ${bin}/drennomar-panel"
"${bin}/drennomar-panel" examples/first-drive.panel
