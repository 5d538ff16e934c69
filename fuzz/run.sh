#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 and runs each for a bounded time, after replaying
# the inputs of earlier findings. Fails on any finding; prints each target's execution count.
#   fuzz/run.sh [build-dir]     build-dir defaults to build-fuzz/ in the repository
#   FUZZ_SECONDS=60             time per target, in seconds
# A finding's input goes into fuzz/regressions/<target>/ and is replayed here on every run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$(realpath -m "${1:-$root/build-fuzz}")
seconds=${FUZZ_SECONDS:-60}
targets=(parse_number format actions)

bash "$root/packaging/install-deps.sh" ci
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=()
for target in "${targets[@]}"; do
    fuzzer="$build/${target}_fuzzer"
    log="$build/$target.log"
    # libFuzzer adds what it finds to the first corpus folder: a copy in the build folder,
    # so that the committed seeds stay as they are.
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/artifacts"

    regressions=()
    if [ -d "$here/regressions/$target" ]; then
        mapfile -t regressions < <(find "$here/regressions/$target" -type f | sort)
    fi
    if [ ${#regressions[@]} -gt 0 ] && ! "$fuzzer" "${regressions[@]}" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz: $target: an earlier finding fails again (fuzz/regressions/$target/)" >&2
        status=1
        continue
    fi

    echo "fuzz: $target for ${seconds}s"
    start=$SECONDS
    if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$corpus" "$here/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz: $target: finding, input saved in $build/artifacts/" >&2
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    summary+=("$target: ${runs:-?} executions in $((SECONDS - start)) s")
done

printf 'fuzz: %s\n' "${summary[@]}"
exit $status
