# shellcheck shell=bash
# A desktop of its own for a desktop test, sourced by the test's script: an Xvfb and, where the
# test reads what a screen reader reads, a D-Bus session bus and the AT-SPI bus, all stopped at
# the end; nothing of the user's own desktop is touched.
#   desktop_need [--buses] NEED...  exits with status 77 (ctest: skipped), naming what is missing,
#                                   when Xvfb, with --buses dbus-launch or the AT-SPI bus
#                                   launcher, or a NEED is missing: a command, or pyatspi for the
#                                   system Python's pyatspi (the only Python that has it)
#   desktop_start_x                 makes the work folder $work and starts Xvfb; exports DISPLAY
#                                   and XDG_RUNTIME_DIR ($work/runtime)
#   desktop_start_buses             starts the session bus and the AT-SPI bus
#   desktop_cleanup                 stops what these started and removes $work; the script calls
#                                   it on exit, after stopping what it started itself

desktop_launcher=/usr/libexec/at-spi-bus-launcher
work=
desktop_xvfb_pid=
desktop_bus_pid=
desktop_launcher_pid=

desktop_need() {
    local need missing=()
    local needs=(Xvfb)
    if [[ ${1:-} == --buses ]]; then
        needs+=(dbus-launch "$desktop_launcher")
        shift
    fi
    for need in "${needs[@]}" "$@"; do
        case $need in
            pyatspi) /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ;;
            /*) [[ -x $need ]] ;;
            *) command -v "$need" >/dev/null ;;
        esac || missing+=("$need")
    done
    if ((${#missing[@]} > 0)); then
        echo "SKIPPED: ${missing[*]} missing (bash tools/install-deps.sh --test installs what is needed)"
        exit 77
    fi
}

desktop_start_x() {
    local i display
    work=$(mktemp -d)
    # Xvfb picks a free display and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    desktop_xvfb_pid=$!
    for ((i = 0; i < 100; i++)); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    if [[ ! -s $work/display ]]; then
        echo "FAILED: Xvfb did not start: $(cat "$work/xvfb.log")"
        exit 1
    fi
    display=$(head -n 1 "$work/display")
    export DISPLAY=:$display
    mkdir -m 0700 "$work/runtime"
    export XDG_RUNTIME_DIR=$work/runtime
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    # The tests read the program's English texts, whatever the desktop's language is.
    export LC_ALL=C.UTF-8
    unset LANGUAGE
}

desktop_start_buses() {
    local bus
    bus=$(dbus-launch --sh-syntax) || {
        echo "FAILED: dbus-launch did not start a session bus"
        exit 1
    }
    eval "$bus"
    desktop_bus_pid=$DBUS_SESSION_BUS_PID
    # In a process group of its own, which also holds the bus daemon and registry it starts.
    setsid "$desktop_launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
    desktop_launcher_pid=$!
}

desktop_cleanup() {
    [[ -n $desktop_launcher_pid ]] && kill -- "-$desktop_launcher_pid" 2>/dev/null
    [[ -n $desktop_bus_pid ]] && kill "$desktop_bus_pid" 2>/dev/null
    [[ -n $desktop_xvfb_pid ]] && kill "$desktop_xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    [[ -z $work ]] || rm -rf "$work"
}
