#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; a run that finds no tests fails.
#   KETTERLINE_BUILD_DIR    build folder (default: build)
#   KETTERLINE_CMAKE_ARGS   extra configure arguments, e.g. -DKETTERLINE_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh --test
build=${KETTERLINE_BUILD_DIR:-build}
# The tests are switched on every time: a build folder configured without them (by hand, or by an
# older tools/play.sh) would otherwise build and then run nothing.
# shellcheck disable=SC2086
cmake -S . -B "$build" -DKETTERLINE_TESTS=ON ${KETTERLINE_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --no-tests=error \
    -j"$(nproc)"
