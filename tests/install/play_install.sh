#!/usr/bin/env bash
# The play command's build alone, in a build folder of its own, then a stripped install into a
# temporary DESTDIR: the installed tree must hold exactly the files listed in installed_files.txt.
#   play_install.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

run() {
    local log=$work/$1.log
    shift
    if ! "$@" >"$log" 2>&1; then
        cat "$log"
        echo "FAILED: $*"
        exit 1
    fi
}
run play env KETTERLINE_BUILD_DIR="$work/build" bash "$source/tools/play.sh" --version
run install env DESTDIR="$work/root" cmake --install "$work/build" --prefix /usr --strip

if ! diff -u "$(dirname "$0")/installed_files.txt" <(cd "$work/root" && find . ! -type d | LC_ALL=C sort); then
    echo "FAILED: the installed files differ from installed_files.txt (- expected, + installed)"
    exit 1
fi
echo "The play command's build installs every file"
