#!/bin/sh
# Runs the benchmarks of an already built tree with a throw-away PostgreSQL cluster of their
# own, started and stopped here as the tests' is (this one keeps fsync on): the request and
# the reads on 100,000 generated contracts, then the 5,000-aidé journal print, each on the
# file and on the server.
# usage: bench/server_figures.sh BUILD_DIR
set -eu
if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
for program in "$build/bench/dnt_bench" "$build/bench/dnt_bench_run" "$build/apps/dnt"; do
    if [ ! -x "$program" ]; then
        echo "$0: $program is missing; build it first" >&2
        exit 2
    fi
done
cluster="$build/pg-bench"
"$source/scripts/test_cluster.sh" start "$cluster" --durable
trap '"$source/scripts/test_cluster.sh" stop "$cluster"' EXIT
trap 'exit 130' INT TERM
uri=$("$source/scripts/test_cluster.sh" uri "$cluster")
"$build/bench/dnt_bench" --server="$uri"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$build/bench/dnt_bench_run" --dnt "$build/apps/dnt" --aides 5000 --seed 1 --centre 75 --main-centre-only \
    --no-what-if --single 5 --server "$uri"
