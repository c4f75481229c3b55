#!/usr/bin/env bash
# Plays the built program on a real X server (an Xvfb of its own, no window manager): deals with
# the New button, clicks a few cards, closes the Rules window with its OK button and then with a
# close request, and ends with File > Exit. Passes when each window comes and goes as it should,
# the deal changes the board, the window class is the desktop entry's StartupWMClass, and the
# program ends with status 0 without a sanitizer report.
#   x11_smoke.sh PROGRAM CLOSE_REQUEST_TOOL DESKTOP_ENTRY
# Exit status 77 (ctest: skipped) when Xvfb, xdotool, xwd or xprop is missing.
set -euo pipefail
program=$1
close_request=$2
desktop_entry=$3
# shellcheck source-path=SCRIPTDIR source=desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
desktop_need xdotool xwd xprop

program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
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

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
alive() { kill -0 "$program_pid" 2>/dev/null; }

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
# The id of the visible top-level window with this title, waiting up to 15 s for it.
window() {
    local id=
    for ((i = 0; i < 150; i++)); do
        alive || fail "the program ended while waiting for the $1 window"
        id=$(visible "$1")
        [[ -n $id ]] && echo "$id" && return 0
        sleep 0.1
    done
    fail "no $1 window after 15 s"
}
hidden() { [[ -z $(visible "$1") ]]; }
picture() { xwd -silent -id "$1" | md5sum; }
# Clicks at client coordinates; without a window manager the client origin is the window's.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
keys() {
    xdotool windowfocus --sync "$1"
    shift
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
}

board=$(window Board)
# WM_CLASS(STRING) = "instance", "class": docks match the class to the desktop entry.
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
wm_class=$(xprop -id "$board" WM_CLASS)
[[ $wm_class == *", \"$startup_class\"" && -n $startup_class ]] ||
    fail "the window's $wm_class does not end in StartupWMClass '$startup_class'"
# The board is drawn once it stops changing.
before=$(picture "$board")
for ((i = 0; i < 30; i++)); do
    sleep 0.2
    now=$(picture "$board")
    [[ $now == "$before" ]] && break
    before=$now
done

# The New button lies below the menu bar, at 0,24 in the board's client area, 57 x 25.
click "$board" 28 55
changed() { [[ $(picture "$board") != "$before" ]]; }
wait_for 50 changed || fail "the board did not change after a click on New"

# Top cards of a left and a right side stack, a center stack, the background.
for point in "320 200" "720 300" "520 400" "150 300" "330 300" "700 200"; do
    # shellcheck disable=SC2086
    click "$board" $point
    sleep 0.1
done
alive || fail "the program ended while cards were clicked"

keys "$board" alt+i r
rules=$(window Rules)
click "$rules" 212 196  # OK
wait_for 50 hidden Rules || fail "the Rules window stayed open after a click on OK"

keys "$board" alt+i r
rules=$(window Rules)
"$close_request" "$rules" || fail "the close request could not be sent"
wait_for 50 hidden Rules || fail "the Rules window stayed open after a close request"
alive || fail "the program ended when the Rules window was closed"

keys "$board" alt+f e
wait_for 150 eval '! alive' || fail "the program still runs 15 s after File > Exit"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 0)) || fail "the program ended with status $status"
if grep -qE 'Sanitizer|runtime error:' "$work/program.log"; then
    fail "a sanitizer report"
fi
echo "The program dealt, took clicks, closed the Rules window both ways and ended with status 0"
