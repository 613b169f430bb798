#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (core, windows and the
# real program under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
dir=build
[ "${QUARVEX_SANITIZE:-0}" = 1 ] && dir=build-asan
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
