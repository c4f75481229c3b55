#!/usr/bin/env bash
# Checks that every C++ file of the repository follows .clang-format, as clang-format 14 (Debian's
# clang-format) lays it out: prints each difference and fails on any. Installs clang-format when
# it is missing. To fix a file: clang-format -i FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh --format
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "Every C++ file follows .clang-format"
