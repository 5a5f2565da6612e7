#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it as the desktop menu does: in the home
# directory, so a first start keeps its records in the data directory (~/.local/share/kvelli99).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_TESTS=OFF -DKV_BENCH=OFF >/dev/null
cmake --build build --target kvelli99
exe=$PWD/build/kvelli99
cd "$HOME"
exec "$exe"
