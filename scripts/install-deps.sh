#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the main job need.
# Asks apt only when something is missing, so a prepared machine needs no
# network.
set -euo pipefail

packages=(
  cmake make g++ pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev valgrind
  libcairo2-dev libpango1.0-dev fonts-liberation libwebp-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64 wine64 icoutils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
