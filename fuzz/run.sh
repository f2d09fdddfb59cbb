#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build for SECONDS each, from its committed seeds,
# and prints per target the inputs run and whether it crashed; fails when one did.
# usage: fuzz/run.sh BUILD_DIR SECONDS
set -uo pipefail
build=$1
seconds=$2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
status=0
for target in "$build"/fuzz/fuzz_*; do
    name=${target##*/fuzz_}
    corpus="$build/corpus/$name"   # what the run learns stays out of the committed seeds
    log="$build/fuzz-$name.log"
    mkdir -p "$corpus" "$build/findings"
    # A slow input is a finding too: no input may take ten seconds.
    "$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" "$corpus" "$seeds/$name" >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
    if [ $rc -eq 0 ]; then
        printf '%-11s %10s inputs, no crash\n' "$name" "${runs:-?}"
    else
        printf '%-11s %10s inputs, CRASHED (exit %d): see %s\n' "$name" "${runs:-?}" $rc "$log"
        status=1
    fi
done
exit $status
