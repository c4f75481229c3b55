#!/usr/bin/env bash
# The manual page as man and lintian read it: groff must not warn, and the page must describe
# the program as it is: its version and each of its own options and exit statuses.
#   check_manual_page.sh PAGE PROGRAM
set -euo pipefail
page=$1
program=$2

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
if [[ -n $warnings ]]; then
    echo "FAILED: man warns about $page:"
    echo "$warnings"
    exit 1
fi

text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
version=$("$program" --version)
missing=()
for expected in "$version" "-h, --help" "-v, --version" "-platform" "-display" \
    "EXIT STATUS" "DISPLAY" "WAYLAND_DISPLAY"; do
    grep -qF -- "$expected" <<<"$text" || missing+=("$expected")
done
# Each exit status the program uses has its own entry.
for status in 0 1 2; do
    grep -qE "^ +$status +[A-Z]" <<<"$text" || missing+=("exit status $status")
done
if ((${#missing[@]} > 0)); then
    echo "FAILED: $page does not mention: ${missing[*]}"
    exit 1
fi
echo "$page reads without warnings and describes $version"
