#!/usr/bin/env bash
# Runs every fuzz target of a sanitizer build for SECONDS each, from its committed seeds,
# JOBS targets at a time (default 1), and prints per target the inputs run and whether it
# crashed; fails when one did.
# usage: fuzz/run.sh BUILD_DIR SECONDS [JOBS]
set -uo pipefail
build=$1
seconds=$2
jobs=${3:-1}
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
targets=("$build"/fuzz/fuzz_*)
[ -x "${targets[0]}" ] || { echo "fuzz: no fuzz target in $build/fuzz" >&2; exit 2; }
mkdir -p "$build/findings"

# One target: its run, then its line in $build/fuzz-NAME.result.
fuzz_one() {
    local target=$1 name=${1##*/fuzz_}
    local corpus="$build/corpus/$name" log="$build/fuzz-$name.log"  # what the run learns stays out of the seeds
    mkdir -p "$corpus"
    # A slow input is a finding too: no input may take ten seconds.
    "$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" "$corpus" "$seeds/$name" >"$log" 2>&1
    local rc=$? runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
    if [ $rc -eq 0 ]; then
        printf '%-11s %10s inputs, no crash\n' "$name" "${runs:-?}"
    else
        printf '%-11s %10s inputs, CRASHED (exit %d): see %s\n' "$name" "${runs:-?}" $rc "$log"
    fi >"$build/fuzz-$name.result"
    return $rc
}

status=0
running=0
for target in "${targets[@]}"; do
    fuzz_one "$target" &
    running=$((running + 1))
    if [ $running -ge "$jobs" ]; then
        wait -n || status=1
        running=$((running - 1))
    fi
done
while [ $running -gt 0 ]; do
    wait -n || status=1
    running=$((running - 1))
done
for target in "${targets[@]}"; do cat "$build/fuzz-${target##*/fuzz_}.result"; done
exit $status
