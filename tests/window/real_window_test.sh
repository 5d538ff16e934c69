#!/usr/bin/env bash
# The real program on a private X server: it maps a window with the right title,
# client area and icon sizes, survives a click on "Calculate" at start (a transfer
# rate of 0, told in a balloon with one beep), and ends promptly with status 0 when the window
# closes. Started with no display server to use, it says so in one line and exits 1.
#   real_window_test.sh PROGRAM X_WINDOW_DRIVER
set -euo pipefail
program=$1
driver=$2
. "$(dirname "$0")/../../tools/lib.sh"

if [ -z "${TAVROLIN_TEST_UNDER_XVFB:-}" ]; then
    # No display server to start on, asked for in each way: exit status 1, one line on stderr
    # naming both variables and nothing on stdout, where Qt itself would abort.
    said=$(mktemp)
    trap 'rm -f "$said"' EXIT
    without_display() {
        local status=0 out
        out=$(timeout 20 env "$@" 2>"$said") || status=$?
        if [ "$status" -ne 1 ] || [ -n "$out" ] || [ "$(wc -l <"$said")" -ne 1 ] ||
            [[ $(cat "$said") != *"graphical session"*DISPLAY*WAYLAND_DISPLAY* ]]; then
            fail "env $*: status $status, stdout: $out, stderr: $(cat "$said")"
        fi
    }
    without_display -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
    without_display DISPLAY= WAYLAND_DISPLAY= "QT_QPA_PLATFORM=wayland;xcb" "$program"
    without_display -u DISPLAY WAYLAND_DISPLAY= QT_QPA_PLATFORM=wayland-egl "$program"
    without_display -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program" -platform xcb
    rm -f "$said"
    export TAVROLIN_TEST_UNDER_XVFB=1
    on_x_server bash "$0" "$@"
    exit
fi

# A headless test has no session bus; without this, libdbus tries to launch one
# for Qt and leaks its read buffer when that fails (seen under LeakSanitizer).
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$("$driver" windows "$pid" 15000 | head -n 1) || fail "the program mapped no window"
[ -n "$window" ] || fail "the program mapped no window"

title=$(xprop -id "$window" -notype _NET_WM_NAME WM_NAME)
expected='_NET_WM_NAME = "The Tavrolin - Version 1.00 "
WM_NAME = "The Tavrolin - Version 1.00 "'
[ "$title" = "$expected" ] || fail "title is: $title"

size=$(xwininfo -id "$window" |
    awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 484x332 ] || fail "client area is $size, not 484x332"

# The window manager finds the program's icon at every size it ships (in any order).
icons=$(xprop -len 1000000 -id "$window" _NET_WM_ICON |
    grep -o 'Icon ([0-9]* x [0-9]*)' | sort -t'(' -k2 -n | tr '\n' ' ')
all_sizes="Icon (16 x 16) Icon (24 x 24) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) "
all_sizes+="Icon (128 x 128) Icon (256 x 256) "
[ "$icons" = "$all_sizes" ] || fail "the window icon has the sizes: $icons"

# No window manager here: activate the window ourselves, then click the middle
# of "Calculate" (left 240, top 272, 137 x 41 pixels).
"$driver" focus "$window"
sleep 0.5
bells=$("$driver" click "$window" 308 292) # waits a second for the program to answer
kill -0 "$pid" 2>/dev/null || fail "the program died after the click"
windows=$("$driver" windows "$pid" 3000 | wc -l)
[ "$windows" -ge 2 ] || fail "no failure balloon after Calculate with a transfer rate of 0"
[ "$bells" -eq 1 ] || fail "$bells beeps with the failure, not one"

"$driver" close "$window"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 5 s after its window closed"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "real window: title, 484x332 client area, click and close all right"
