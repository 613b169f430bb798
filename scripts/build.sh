#!/usr/bin/env bash
# Configures and builds Quarvex into build/ (the program lands in build/bin/).
# QUARVEX_SANITIZE=1 builds with the address and undefined-behaviour sanitizers
# into build-asan/ instead.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
extra=()
if [ "${QUARVEX_SANITIZE:-0}" = 1 ]; then
  dir=build-asan
  extra+=(-DQUARVEX_SANITIZE=ON)
fi
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
