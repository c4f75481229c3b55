#!/usr/bin/env bash
# Start-up time and peak memory of the game against an empty Qt main window, under Xvfb.
#
#   bash bench/run_startup.sh [--phases | --languages] [RUNS]    # RUNS per program, default 30
#
# Builds the start-up targets in build-bench/ (Release), starts Xvfb on display :97 unless a
# server already answers there (and stops only the one it started), then runs startup_driver:
# baseline, game and baseline_text (the baseline with one label and one button) in turn,
# RUNS times each after 3 warm-up rounds; ratios are to the baseline. With --phases it runs
# startup_phases instead of the game, to see where time and memory go; with --languages it runs
# the game in English, German, Simplified Chinese and Japanese instead (ratios to English). Set BENCH_NO_BUILD=1
# to skip the build, BENCH_DISPLAY to use another display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench"
game=startup_game
languages=false
if [[ "${1:-}" == --phases ]]; then
    game=startup_phases
    shift
elif [[ "${1:-}" == --languages ]]; then
    languages=true
    shift
fi
runs=${1:-30}
display=${BENCH_DISPLAY:-:97}

if [[ "${BENCH_NO_BUILD:-0}" != 1 ]]; then
    cmake -S "$root" -B "$build" -DKETTERLINE_BENCH=ON -DKETTERLINE_TESTS=OFF \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j2 --target startup_game startup_baseline startup_baseline_text startup_phases startup_driver >/dev/null
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
xvfb_pid=""
cleanup() {
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

if ! DISPLAY="$display" xdpyinfo >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$runtime/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
fi

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "display $display (xcb)"
if $languages; then
    programs=("english@en_US=$build/bench/startup_game" "german@de_DE=$build/bench/startup_game"
              "chinese@zh_CN=$build/bench/startup_game" "japanese@ja_JP=$build/bench/startup_game")
else
    programs=("baseline=$build/bench/startup_baseline" "game=$build/bench/$game"
              "baseline_text=$build/bench/startup_baseline_text")
fi
DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" \
    "$build/bench/startup_driver" --runs "$runs" --warmup 3 "${programs[@]}"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
