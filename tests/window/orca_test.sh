#!/usr/bin/env bash
# The program with a real screen reader: Orca on a private X server and session bus, speaking
# through Speech Dispatcher into a silent sound device, and logging each phrase it speaks as a
# "SPEECH OUTPUT" line. The three steps and a failure are driven with the keyboard alone; every
# answer and the failure must be spoken once, the focus never leaving the button pressed.
#   orca_test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
. "$(dirname "$0")/../../tools/lib.sh"

if [ -z "${TAVROLIN_ORCA_TEST_INNER:-}" ]; then
    export TAVROLIN_ORCA_TEST_INNER=1
    on_x_server dbus-run-session -- bash "$0" "$@"
    exit
fi

# A home of its own: Orca's settings, Speech Dispatcher's configuration and socket. Given one
# in TAVROLIN_ORCA_TEST_HOME, the test leaves it there with Orca's log.
home=${TAVROLIN_ORCA_TEST_HOME:-}
keep=$home
[ -n "$home" ] || home=$(mktemp -d)
log=$home/orca.log
pids=()
finish() {
    if [ $? -ne 0 ] && [ -e "$log" ]; then
        if [ -n "${program_pid:-}" ] && ! kill -0 "$program_pid" 2>/dev/null; then
            echo "The program had ended:" >&2
            cat "$home/program.out" >&2
        fi
        echo "Spoken:" >&2
        spoken >&2 || true
    fi
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    sleep 1
    for pid in "${pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    [ -n "$keep" ] || rm -rf "$home"
}
trap finish EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Speech Dispatcher's dummy voice, played into ALSA's null device: silent, but a working
# speech server as Orca expects one.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
AudioOutputMethod "alsa"
CONF
printf 'pcm.!default { type null }\n' >"$home/.asoundrc"
# Orca's own hook for a user's code at start: its log written a line at a time, so the test
# can wait for each phrase (otherwise it reaches the file in blocks, seconds late).
mkdir -p "$XDG_DATA_HOME/orca"
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PYTHON'
from orca import debug
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
PYTHON

spoken() { # the phrases Orca spoke, one a line
    sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' \?{.*$/\1/p" "$log" 2>/dev/null # no log until Orca writes one
}
# Waits up to 30 s until Orca has spoken, after its first $2 phrases, one that holds the text.
heard() { # text [phrases-before]
    for _ in $(seq 300); do
        spoken | tail -n +"$((${2:-0} + 1))" | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    fail "Orca did not say: $1"
}
# Presses a key and waits until Orca says the text, or anything (its echo of the key). Orca
# hears each key before the program does (Qt asks it whether it takes the key), so the keys
# go one at a time, at its pace.
press() { # key [text]
    local before
    before=$(spoken | wc -l)
    xdotool key "$1"
    heard "${2:-}" "$before"
}

orca --debug-file="$log" >"$home/orca.out" 2>&1 &
pids+=($!)
heard "Screen reader on."
grep -q "Speech Dispatcher service failed to connect" "$log" &&
    fail "Orca found no speech server"

QT_QPA_PLATFORM=xcb "$program" >"$home/program.out" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(wait_for_window 15)
# No window manager here: give the window the focus ourselves.
xdotool windowfocus --sync "$window"
heard "Internet speed in kilobits per second"

# From the speed box, Calculate with a transfer rate of 0, then back; the key that leaves
# Calculate also closes the message.
for key in Tab Tab Tab; do press "$key"; done
press space "transfer rate is 0"
for key in shift+Tab shift+Tab shift+Tab; do press "$key"; done
# The three steps for 700 MB at 512 kbit/s: each press of a button says its answer.
answers=("716800 kilobytes" "62.50 kilobytes per second"
    "11468.80 seconds, 191.15 minutes, 3.19 hours")
while read -r key; do
    if [ "$key" = space ]; then
        press space "${answers[0]}"
        answers=("${answers[@]:1}")
    else
        press "$key"
    fi
done < <(three_steps_keys 700 512)
sleep 2 # time for anything said twice

once() { # text
    local count
    count=$(spoken | grep -cF -- "$1" || true)
    [ "$count" -eq 1 ] || fail "said $count times: $1"
}
once "No download time can be worked out while the transfer rate is 0. Type a transfer rate \
above 0 in the Transfer Speed in KB/s box, or convert your Internet speed first."
once "716800 kilobytes"
once "62.50 kilobytes per second"
once "11468.80 seconds, 191.15 minutes, 3.19 hours"
grep -qF "[frame | $TAVROLIN_TITLE" "$log" || fail "Orca did not see the window as a frame"
repeated=$(spoken | grep '^notification' | sort | uniq -d)
[ -z "$repeated" ] || fail "said twice: $repeated"

# In German, the failure message is German: the program again, its focus moved on to Calculate.
kill "$program_pid"
LANGUAGE=de LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=xcb "$program" >"$home/program.out" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 15 xdotool search --sync --onlyvisible --name '^The Tavrolin - Version') ||
    fail "the program mapped no window in German"
xdotool windowfocus --sync "$window"
for key in Tab Tab Tab; do press "$key"; done
press space "Bei einer Datenrate von 0 l"
spoken
echo "Orca spoke every answer and the failure, each once"
