#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   tools/test.sh              warnings as errors, build/
#   tools/test.sh --sanitize   the same under AddressSanitizer + UBSan, build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROLIN_WERROR=ON)
if [ "${1:-}" = --sanitize ]; then
    build=build-asan
    flags+=(-DTAVROLIN_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

bash packaging/install-deps.sh
cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure
