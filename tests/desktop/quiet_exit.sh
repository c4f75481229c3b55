#!/usr/bin/env bash
# Starts the built program on an X server of its own (Xvfb, no window manager) and ends it with
# File > Exit, once in English and once in German: each time it must end with status 0 and
# write nothing at all on standard error.
#   quiet_exit.sh PROGRAM
# Exit status 77 (ctest: skipped) when Xvfb or xdotool is missing.
set -euo pipefail
program=$1
# shellcheck source-path=SCRIPTDIR source=desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
desktop_need xdotool

program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    desktop_cleanup
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    echo "--- the program's standard error:"
    cat "$work/err"
    exit 1
}

desktop_start_x

# LANGUAGE TITLE FILE_KEY EXIT_KEY [VARIABLE=VALUE...]: the program started with the variables,
# its window found by its title, its File menu opened and Exit chosen with their access keys.
start_and_exit() {
    local language=$1 title=$2 file_key=$3 exit_key=$4 board='' status=0 i
    shift 4
    env "$@" "$program" >/dev/null 2>"$work/err" &
    program_pid=$!
    for ((i = 0; i < 150; i++)); do
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window showed"
        board=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
        [[ -n $board ]] && break
        sleep 0.1
    done
    [[ -n $board ]] || fail "no $title window after 15 s ($language)"
    xdotool windowfocus --sync "$board"
    xdotool key "alt+$file_key"
    sleep 0.3
    xdotool key "$exit_key"
    for ((i = 0; i < 150; i++)); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$program_pid" 2>/dev/null && fail "the program still runs 15 s after File > Exit ($language)"
    wait "$program_pid" || status=$?
    program_pid=
    ((status == 0)) || fail "the program ended with status $status ($language)"
    [[ ! -s $work/err ]] || fail "the program wrote on standard error at File > Exit ($language)"
}

start_and_exit English Board f e
# Qt reads LANG itself, also where no German locale is generated.
start_and_exit German Spielfeld d b -u LC_ALL LANG=de_DE.UTF-8
echo "The program started and ended by File > Exit in English and in German, silent on standard error"
