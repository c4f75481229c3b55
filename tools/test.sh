#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   KETTERLINE_BUILD_DIR    build folder (default: build)
#   KETTERLINE_CMAKE_ARGS   extra configure arguments, e.g. -DKETTERLINE_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
build=${KETTERLINE_BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build" ${KETTERLINE_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
