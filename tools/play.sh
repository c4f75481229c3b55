#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DKETTERLINE_TESTS=OFF
cmake --build build -j"$(nproc)" --target ketterline
exec ./build/ketterline
