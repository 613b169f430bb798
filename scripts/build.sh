#!/usr/bin/env bash
# Configures and builds Quarvex into build/ (the program lands in build/bin/).
# QUARVEX_SANITIZE=1 builds with the address, undefined-behaviour and leak sanitizers
# into build-asan/ instead: any report ends the program and fails the test that
# triggered it (options and suppressions: cmake/Sanitize.cmake, tests/sanitizer/).
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
