#!/usr/bin/env bash
# Reads the built program the way a screen reader does: on an Xvfb of its own, with a session bus
# and the AT-SPI accessibility bus, atspi_read.py deals, tabs into the cards, moves with the arrows
# and selects a card with Space, checking each time what the accessibility bus tells.
#   atspi_smoke.sh PROGRAM
# Exit status 77 (ctest: skipped) when Xvfb, xdotool, dbus-launch, the AT-SPI bus launcher or
# the system Python's pyatspi is missing.
set -euo pipefail
program=$1
here=$(dirname "$0")
bus_launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3  # pyatspi lives only in the system Python

for tool in Xvfb xdotool dbus-launch; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (bash tools/install-deps.sh --test installs it)"
        exit 77
    fi
done
if [[ ! -x $bus_launcher ]] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIPPED: at-spi2-core or python3-pyatspi is missing (bash tools/install-deps.sh --test)"
    exit 77
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    echo "--- the program's output:"
    cat "$work/program.log" 2>/dev/null || true
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=$(head -n 1 "$work/display")
export DISPLAY=:$display
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
"$bus_launcher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
pids+=($!)
board=
for ((i = 0; i < 150; i++)); do
    board=$(xdotool search --onlyvisible --name '^Board$' 2>/dev/null | head -n 1) || true
    [[ -n $board ]] && break
    sleep 0.1
done
[[ -n $board ]] || fail "no Board window after 15 s"

timeout 60 "$python" "$here/atspi_read.py" "$board" || fail "the accessibility bus told otherwise"
