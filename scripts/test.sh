#!/usr/bin/env bash
# Runs every test: installs what is missing, then builds and tests the dev and
# asan presets (and the Windows builds under Wine where their presets exist).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
for preset in dev asan; do
  echo "=== ${preset}"
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}" -j"${jobs}"
  ctest --preset "${preset}" -j"${jobs}"
done

for preset in windows-x86 windows-x64; do
  if grep -q "\"name\": \"${preset}\"" CMakePresets.json; then
    echo "=== ${preset}"
    cmake --preset "${preset}" >/dev/null
    cmake --build --preset "${preset}" -j"${jobs}"
    ctest --preset "${preset}"
  fi
done
