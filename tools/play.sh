#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it; arguments go to the game
# (for example --help).
#   KETTERLINE_BUILD_DIR    build folder (default: build)
# It shares build/ with tools/test.sh and leaves that folder's settings as they are, so either
# command can follow the other: this one builds only the program and the files installed with it
# (a folder it makes itself is configured without the tests, which need packages the game does
# not).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
build=${KETTERLINE_BUILD_DIR:-build}
if [[ -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build"
else
    cmake -S . -B "$build" -DKETTERLINE_TESTS=OFF
fi
cmake --build "$build" -j"$(nproc)" --target ketterline
exec "$build/ketterline" "$@"
