#!/usr/bin/env bash
# Reads the built program as a screen reader does: on an Xvfb of its own, with a session bus and
# the AT-SPI bus, atspi_read.py plays it with xdotool and checks what the bus tells.
#   atspi_smoke.sh PROGRAM
# Exit status 77 (ctest: skipped) when Xvfb, xdotool, dbus-launch, the AT-SPI bus launcher or
# the system Python's pyatspi (the only Python that has it) is missing.
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v Xvfb xdotool dbus-launch >/dev/null || [[ ! -x $launcher ]] ||
    ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIPPED: Xvfb, xdotool, dbus-x11, at-spi2-core or python3-pyatspi is missing" \
        "(bash tools/install-deps.sh --test installs them)"
    exit 77
fi

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for ((i = 0; i < 100; i++)); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
display=$(head -n 1 "$work/display")
export DISPLAY=:$display XDG_RUNTIME_DIR=$work
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
chmod 0700 "$work"
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
"$launcher" --launch-immediately 2>/dev/null &
pids+=($!)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$work/program.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 150; i++)); do
    board=$(xdotool search --onlyvisible --name '^Board$' 2>/dev/null | head -n 1) || true
    [[ -n $board ]] && break
    sleep 0.1
done
timeout 60 /usr/bin/python3 "$(dirname "$0")/atspi_read.py" "${board:?no Board window after 15 s}" ||
    { cat "$work/program.log"; exit 1; }
