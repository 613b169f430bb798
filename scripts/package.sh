#!/usr/bin/env bash
# Installs what is missing, builds and makes the Debian package build/quarvex_<version>_<arch>.deb,
# which installs with: sudo apt install ./build/quarvex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
cpack -G DEB
