#!/usr/bin/env bash
# Reads the built program as a screen reader does: on an Xvfb of its own, with a session bus and
# the AT-SPI bus, atspi_read.py plays it with xdotool and checks what the bus tells.
#   atspi_smoke.sh PROGRAM
# Exit status 77 (ctest: skipped) when Xvfb, xdotool, dbus-launch, the AT-SPI bus launcher or
# the system Python's pyatspi (the only Python that has it) is missing.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
desktop_need --buses xdotool pyatspi

program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    desktop_cleanup
}
trap cleanup EXIT
desktop_start_x
desktop_start_buses
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$work/program.log" 2>&1 &
program_pid=$!
for ((i = 0; i < 150; i++)); do
    board=$(xdotool search --onlyvisible --name '^Board$' 2>/dev/null | head -n 1) || true
    [[ -n $board ]] && break
    sleep 0.1
done
timeout 60 /usr/bin/python3 "$(dirname "$0")/atspi_read.py" "${board:?no Board window after 15 s}" ||
    { cat "$work/program.log"; exit 1; }
