#!/usr/bin/env bash
# Installs what building and starting the program needs, builds the program alone (no tests,
# no benchmarks), and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash packaging/install-deps.sh run
# The test command shares build/: every option either command sets, both set.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_REQUIRE_FIND_PACKAGE_benchmark=OFF
cmake --build build --target tavrolin

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tavrolin is a desktop program and needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec build/window/tavrolin
