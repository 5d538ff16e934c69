#!/usr/bin/env bash
# Installs what building and starting the program needs, builds the program alone (no tests,
# no benchmarks), and starts it, on X11 or natively on Wayland.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/lib.sh

no_session() { # why
    echo "$TAVROLIN_PRODUCT needs a graphical session: $1" >&2
    exit 1
}
# Unless Qt is asked for another platform (QT_QPA_PLATFORM=offscreen, say), the window needs
# an X11 or a Wayland display.
display_server=""
case ${QT_QPA_PLATFORM:-} in "" | xcb* | wayland*) display_server=1 ;; esac
[ -z "$display_server" ] || [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] ||
    no_session "neither DISPLAY nor WAYLAND_DISPLAY is set."

bash packaging/install-deps.sh run
# The test command shares build/. The options set here override what it left there;
# TAVROLIN_WERROR, which only it sets, stays as it was (on after a test run), so switching
# between the two commands rebuilds nothing.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DTAVROLIN_BENCHMARKS=OFF
cmake --build build --target tavrolin

# A Wayland session without X11 is enough only with Qt's Wayland platform plugin.
if [ -n "$display_server" ] && [ -z "${DISPLAY:-}" ] &&
    ! [ -e "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so" ]; then
    no_session "DISPLAY is not set, and WAYLAND_DISPLAY is but Qt's Wayland platform \
plugin (Debian qt6-wayland) is not installed."
fi
exec build/window/tavrolin
