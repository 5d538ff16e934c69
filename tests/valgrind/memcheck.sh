#!/usr/bin/env bash
# Runs each window test program under Valgrind's memcheck; fails on any memory error, any
# definitely lost block, a failing test, or when Valgrind is missing (never a silent skip).
#   memcheck.sh PROGRAM...
set -euo pipefail
. "$(dirname "$0")/../../tools/lib.sh"
command -v valgrind >/dev/null ||
    fail "valgrind is not installed (packaging/install-deps.sh installs it)"

for program in "$@"; do
    echo "== memcheck: $(basename "$program")"
    valgrind --tool=memcheck --error-exitcode=1 \
        --leak-check=full --errors-for-leak-kinds=definite \
        "$program"
done
