#!/usr/bin/env bash
# Measures time to map, time to first paint and memory of the calculator against an empty Qt
# window (the floor) and two other calculators, each started RUNS times under a private Xvfb.
# The floor with one label ("floor+text") shows what drawing any text adds by itself.
#
#   bench/startup/measure.sh [BUILD_DIR]      (default: build-perf; a new one is configured
#                                              Release, and any with TAVROLIN_BENCHMARKS on)
#
# Environment: RUNS (counted runs per program, default 15), WARMUPS (default 3),
# RAW_RESULTS (file to keep the per-run figures in), NO_BUILD=1 (use the build as it is),
# EXTRA="name=program ..." (more programs to measure in the same run, such as an earlier
# build of the calculator).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-$repo/build-perf}")
runs=${RUNS:-15}
warmups=${WARMUPS:-3}

if [ -z "${NO_BUILD:-}" ]; then
    configure=(-DTAVROLIN_BENCHMARKS=ON)
    [ -f "$build/CMakeCache.txt" ] || configure+=(-G Ninja -DCMAKE_BUILD_TYPE=Release)
    cmake -S "$repo" -B "$build" "${configure[@]}" >/dev/null
    wanted=(empty_window label_window startup_watcher)
    targets=$(cmake --build "$build" --target help)
    if grep -q '^tavrolin:' <<<"$targets"; then
        wanted+=(tavrolin)
    fi
    cmake --build "$build" -j2 --target "${wanted[@]}" >/dev/null
fi

work=$(mktemp -d /tmp/tavrolin-startup.XXXXXX)
started=() # PIDs of the servers started here, stopped in reverse order on exit

# Services the session bus started on demand (the accessibility bus and the like) detach from
# it; they are found by the bus address in their environment.
bus_clients() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" != $$ ] || continue
        grep -qsF "unix:path=$work/bus" "$environ" && echo "$pid"
    done
}

stop() { # pid...: SIGTERM, then up to a second for each to go
    local pid
    kill "$@" 2>/dev/null || true
    for pid in "$@"; do
        for _ in $(seq 20); do
            [ -e "/proc/$pid" ] || break
            sleep 0.05
        done
    done
}

cleanup() {
    local i
    mapfile -t clients < <(bus_clients)
    [ ${#clients[@]} -eq 0 ] || stop "${clients[@]}"
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        stop "${started[i]}"
        wait "${started[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wait_for_file() { # path, what
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.05
    done
    echo "$2 did not start" >&2
    exit 1
}

# A private X server; it picks a free display number and writes it to fd 3 when ready.
Xvfb -displayfd 3 -noreset -dpi 96 -nolisten tcp -screen 0 1280x1024x24 \
    3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_for_file "$work/display" Xvfb
export DISPLAY=":$(head -n1 "$work/display")"

# A private session bus, as a desktop session would have.
dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" \
    --print-address=1 >"$work/bus-address" 2>"$work/dbus.log" &
started+=($!)
wait_for_file "$work/bus-address" dbus-daemon
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus-address")

# A fresh home and runtime directory, so no run reads settings left by the user.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
unset LC_ALL WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS SESSION_MANAGER

fc-cache >/dev/null 2>&1 || true
fc-list >/dev/null
fc-match sans-serif >/dev/null

load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)

names=(floor floor+text)
commands=("$build/bench/startup/empty_window" "$build/bench/startup/label_window")
if [ -x "$build/window/tavrolin" ]; then
    names+=(ours)
    commands+=("$build/window/tavrolin")
else
    echo "note: $build/window/tavrolin is not built; measuring without it" >&2
fi
for extra in ${EXTRA:-}; do
    names+=("${extra%%=*}")
    commands+=("${extra#*=}")
done
for peer in xcalc galculator; do
    if command -v "$peer" >/dev/null; then
        names+=("$peer")
        commands+=("$(command -v "$peer")")
    else
        echo "note: $peer is not installed; measuring without it" >&2
    fi
done

watcher=$build/bench/startup/startup_watcher
results=$work/results
: >"$results"
count=${#names[@]}
for ((round = 0; round < warmups + runs; round++)); do
    # The programs take turns, and the one that goes first changes every round.
    for ((k = 0; k < count; k++)); do
        i=$(((round + k) % count))
        if line=$("$watcher" -- "${commands[i]}" 2>>"$work/programs.log"); then
            if ((round >= warmups)); then
                echo "${names[i]} $line" >>"$results"
            fi
        else
            echo "run $round of ${names[i]} failed; see below" >&2
            tail -n 5 "$work/programs.log" >&2
        fi
        sleep 0.2
    done
done

[ -n "${RAW_RESULTS:-}" ] && cp "$results" "$RAW_RESULTS"

echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)," \
    "$(uname -sr); Qt $(qtpaths6 --qt-version 2>/dev/null || echo unknown);" \
    "load average $load_at_start at the start, $(cut -d' ' -f1-3 /proc/loadavg) at the end"
echo "Xvfb 1280x1024x24 at 96 dpi; $warmups warm-up and $runs counted runs per program," \
    "alternating; times in ms from the fork, memory in MiB"
awk -v order="${names[*]}" -f "$here/summarize.awk" "$results"
