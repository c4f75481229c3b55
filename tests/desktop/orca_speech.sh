#!/usr/bin/env bash
# What the screen reader Orca says while the game is played with the keyboard: on an Xvfb of its
# own, with a session bus and the AT-SPI bus of its own, Orca runs with a speech server that only
# logs (orca/logonly_speech.py) and settings of its own, then the game; orca_speech.py plays the
# steps of orca_speech_steps.py and checks Orca's log after each. The game runs twice: in English
# (STEPS), and then in German (GERMAN_STEPS), with the desktop's language German for both: each
# pass starts an Orca of its own in the pass's language (LANGUAGE=de under LC_ALL=C.UTF-8 is
# enough for Orca's own words, its role names and key echo, to be German too, with no German
# locale installed). Each pass plays a deal of its own.
#   orca_speech.sh PROGRAM [--deals N] [--record]
# --deals N plays both passes N times, each on a fresh deal and with an Orca started afresh for
# it, and goes on after a failed pass;
# the last line counts the deals played, the steps checked and the passes that failed. --record
# checks nothing: it prints what Orca says and brailles after each step. With
# KETTERLINE_ORCA_LOG=FILE set, the debug logs of all Orcas started are kept in FILE.
# Exit status 77 (ctest: skipped) when Orca, Xvfb, xdotool, dbus-launch, the AT-SPI bus launcher
# or the system Python's pyatspi is missing, or when another Orca of this user runs (Orca refuses
# to start beside it, and that one is left alone).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shift
deals=1
if [[ ${1:-} == --deals ]]; then
    deals=${2:?--deals needs a number}
    shift 2
fi
# shellcheck source-path=SCRIPTDIR source=desktop_session.sh
source "$here/desktop_session.sh"
desktop_need --buses orca xdotool script pgrep pyatspi

script_pid=
program_pid=
orca_language=

# Orca runs in a session of its own, made by script(1): its process group is its own pid.
stop_orca() {
    [[ -n $script_pid ]] || return 0
    local orca
    orca=$(pgrep -P "$script_pid" | head -n 1) || true
    if [[ -n $orca ]]; then
        kill -TERM -- "-$orca" 2>/dev/null || true
        for ((i = 0; i < 20; i++)); do
            kill -0 -- "-$orca" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$orca" 2>/dev/null || true
    fi
    # script reaps Orca and ends; until then a new Orca would take it for one already running.
    for ((i = 0; i < 20; i++)); do
        kill -0 "$script_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$script_pid" 2>/dev/null || true
    wait "$script_pid" 2>/dev/null || true
    script_pid=
    if [[ -n ${KETTERLINE_ORCA_LOG:-} ]]; then
        cat "$work/orca.log" >>"$KETTERLINE_ORCA_LOG"
    fi
}

cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    stop_orca
    desktop_cleanup
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    if [[ -s $work/program.log ]]; then
        echo "--- the program's output:"
        cat "$work/program.log"
    fi
    exit 1
}

# Up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

desktop_start_x
# Nothing of the user's own desktop: folders, settings and buses all live in $work, in English.
mkdir -m 0700 "$work/home" "$work/orca" "$work/speech"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config \
    XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache \
    GSETTINGS_BACKEND=memory LC_ALL=C.UTF-8
unset LANGUAGE
desktop_start_buses

cp "$here/orca/user-settings.conf" "$work/orca/"
cp "$here/orca/logonly_speech.py" "$work/speech/"
[[ -z ${KETTERLINE_ORCA_LOG:-} ]] || : >"$KETTERLINE_ORCA_LOG"
orca_starts=0

#   start_orca LANGUAGE
# Starts Orca in the language given (as LANGUAGE) with a fresh log, $work/orca.log, and waits
# until it has said it is on, in that language.
start_orca() {
    orca_language=$1
    rm -f "$work/orca.log"
    # Orca writes its debug log block by block to a file; to a terminal it writes line by line.
    LANGUAGE=$1 PYTHONPATH=$work/speech SHELL=/bin/sh script -qfc \
        "exec orca -u '$work/orca' --debug-file /dev/tty" "$work/orca.log" >/dev/null 2>&1 \
        </dev/null &
    script_pid=$!
    orca_starts=$((orca_starts + 1))
    wait_for 600 orca_started || fail "Orca did not say '$(orca_on)' within 60 s"
}
# What Orca says first, in its language.
orca_on() {
    if [[ $orca_language == de ]]; then echo "Bildschirmleser an."; else echo "Screen reader on."; fi
}
orca_started() {
    grep -aq "SPEECH OUTPUT: '$(orca_on)'" "$work/orca.log" 2>/dev/null && return 0
    kill -0 "$script_pid" 2>/dev/null && return 1
    # Only another user's Orca is left alone; one of these that outlived its stop is a failure.
    if ((orca_starts == 1)) && grep -aq "Another screen reader process is already running" \
        "$work/orca.log"; then
        script_pid=
        echo "SKIPPED: another Orca runs for this user; it is left alone"
        exit 77
    fi
    fail "Orca ended before it spoke: $(tail -n 20 "$work/orca.log")"
}

# The window named $1, in $board.
board_window() {
    board=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [[ -n $board ]]
}

#   play TITLE SECONDS [ENV_ARGUMENT...] -- [DRIVER_ARGUMENT...]
# Starts the program with env(1)'s arguments before "--", waits for its window (named TITLE in the
# program's language) and plays the steps with orca_speech.py, which gets the arguments after
# "--" and SECONDS to play them in; its output is also kept in $work/driver.log.
play() {
    local title=$1 seconds=$2 environment=()
    shift 2
    while [[ $1 != -- ]]; do
        environment+=("$1")
        shift
    done
    shift
    env "${environment[@]}" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" \
        >"$work/program.log" 2>&1 &
    program_pid=$!
    wait_for 300 board_window "$title" || fail "no $title window after 30 s"
    timeout "$seconds" /usr/bin/python3 -B -u "$here/orca_speech.py" "$work/orca.log" "$board" \
        "$program_pid" "$@" | tee "$work/driver.log"
}

# Ends the program and waits for it; Orca keeps running.
stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

declare -A played=() checked=() failed=()
#   pass LANGUAGE CODE PLAY_ARGUMENT...
# One pass: Orca started in the language CODE, the program played with play's arguments and
# ended, Orca stopped, and the pass counted for LANGUAGE: its steps checked (the failed one too),
# and whether it failed.
pass() {
    local language=$1 status=0 steps
    start_orca "$2"
    shift 2
    play "$@" || status=$?
    stop_program
    stop_orca
    played[$language]=$((${played[$language]:-0} + 1))
    steps=$(grep -c '^[0-9][0-9]*\. ' "$work/driver.log" || true)
    checked[$language]=$((${checked[$language]:-0} + steps))
    failed[$language]=${failed[$language]:-0}
    if ((status != 0)); then
        failed[$language]=$((failed[$language] + 1))
        echo "FAILED: the speech is not as expected (see above)"
        echo "--- the program's output:"
        cat "$work/program.log"
    fi
}

# In English first, then in German, as the desktop's language tells it to the program alone.
for ((deal = 1; deal <= deals; deal++)); do
    ((deals == 1)) || echo "=== deal $deal of $deals"
    pass English en Board 120 -- "$@"
    pass German de Spielfeld 90 -u LC_ALL -u LC_MESSAGES LANGUAGE=de LANG=de_DE.UTF-8 -- \
        --language de "$@"
done
failures=0
for language in English German; do
    echo "$language: ${played[$language]} deals played, ${checked[$language]} steps checked," \
        "${failed[$language]} failures"
    failures=$((failures + failed[$language]))
done
((failures == 0))
