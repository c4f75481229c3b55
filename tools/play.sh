#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it; arguments go to the game
# (for example --help).
# It shares build/ with tools/test.sh and leaves that folder's settings as they are, so either
# command can follow the other: this one builds only the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)" --target ketterline
exec ./build/ketterline "$@"
