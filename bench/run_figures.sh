#!/bin/sh
# Runs the whole-run benchmark (dnt_bench_run) of an already built tree on a 5,000-aidé demo database.
# usage: bench/run_figures.sh BUILD_DIR [dnt_bench_run options, e.g. --db PATH --single 20 --keep]
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [dnt_bench_run options]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
shift
runner="$build/bench/dnt_bench_run"
dnt="$build/apps/dnt"
for program in "$runner" "$dnt"; do
    if [ ! -x "$program" ]; then
        echo "$0: $program is missing; build it first:" >&2
        echo "  cmake --build $build --target dnt_bench_run dnt" >&2
        exit 2
    fi
done
# PDF output without a display.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$runner" --dnt "$dnt" --aides 5000 --seed 1 --centre 75 --quarter 20254 --aide 01001 --single 20 "$@"
