# shellcheck shell=bash
# What the project's scripts share: failing with a message, the program's identity, a private X
# server, finding the window and working its three steps with the keyboard. Sourced:
#   . "$root/tools/lib.sh"
# It only defines functions and variables.

fail() { # message...
    echo "FAIL: $*" >&2
    exit 1
}

# The identity, from its one definition: project() and the set() lines beside it in the top
# CMakeLists.txt, each a quoted value on one line, ${...} naming a value read before it.
_tavrolin_definition=$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt
_tavrolin_read() { # NAME: prints the value of set(NAME "...")
    local value name
    value=$(sed -n "s/^set($1 \"\\(.*\\)\")\$/\\1/p" "$_tavrolin_definition")
    while [[ $value =~ \$\{([A-Z_]+)\} ]]; do
        name=${BASH_REMATCH[1]}
        [ "$name" != PROJECT_NAME ] || name=TAVROLIN_PRODUCT
        value=${value//"\${${BASH_REMATCH[1]}}"/${!name}}
    done
    [ -n "$value" ] || fail "no set($1 \"...\") in $_tavrolin_definition"
    echo "$value"
}
TAVROLIN_PRODUCT=$(sed -n 's/^project(\([A-Za-z0-9_]\{1,\}\)$/\1/p' "$_tavrolin_definition")
[ -n "$TAVROLIN_PRODUCT" ] || fail "no project(NAME on a line of its own in $_tavrolin_definition"
TAVROLIN_VERSION_TEXT=$(_tavrolin_read TAVROLIN_VERSION_TEXT) || return
TAVROLIN_TITLE=$(_tavrolin_read TAVROLIN_TITLE) || return
TAVROLIN_APP_ID=$(_tavrolin_read TAVROLIN_APP_ID) || return
TAVROLIN_PACKAGE=$(_tavrolin_read TAVROLIN_PACKAGE) || return

on_x_server() { # command [args...]
    # xvfb-run -a tries the next display while one is taken, and listens on no TCP port.
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$@"
}

wait_for_window() { # [seconds]: prints the id of the visible window captioned $TAVROLIN_TITLE
    local seconds=${1:-30} pattern id
    local deadline=$((SECONDS + seconds))
    # xdotool takes a regular expression (and ignores case): the exact title is checked after.
    pattern="^$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$TAVROLIN_TITLE")\$"
    while [ "$SECONDS" -le "$deadline" ]; do
        for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id")" = "$TAVROLIN_TITLE" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    fail "no visible window captioned \"$TAVROLIN_TITLE\" within $seconds s"
}

# The keys that work the three steps from the speed box, one a line, in the window's tab order:
# speed, transfer rate, megabytes, Calculate, Convert MB's to Kilobytes, kilobytes, Convert
# Internet Speed, Reset.
three_steps_keys() { # megabytes kbits (whole numbers: a digit is its key's name)
    grep -o . <<<"$2"
    printf '%s\n' Tab Tab
    grep -o . <<<"$1"
    # Past Calculate to the megabytes' conversion, past the kilobytes to the speed's, and back
    # over the kilobytes and the megabytes' conversion to Calculate.
    printf '%s\n' Tab Tab space Tab Tab space shift+Tab shift+Tab shift+Tab space
}

drive_three_steps() { # megabytes kbits
    local keys
    keys=$(three_steps_keys "$1" "$2")
    # shellcheck disable=SC2086 # one key name a word
    xdotool key --delay 150 $keys
}
