#!/bin/sh
# Every benchmark of an already built tree, with a throw-away PostgreSQL cluster of their
# own (started and stopped here as the tests' is, but with fsync on): the contract request
# and the random reads on 100,000 generated contracts, then the whole runs of a 5,000-aidé
# database (PDF against rendering alone, the journal on the server, the single-aidé
# unattended run, the desktop's start), then whole quarters of 500, 5,000 and 50,000 aidés.
# Each goal is printed with its figure, and the table of them all at the end with the
# command that reproduces it.
# usage: bench/figures.sh BUILD_DIR   (SCALE="500,5000,50000" and SINGLE=20 may be changed)
set -eu
if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
for program in "$build/bench/dnt_bench" "$build/bench/dnt_bench_run" "$build/apps/dnt" "$build/apps/dnt-gui"; do
    if [ ! -x "$program" ]; then
        echo "$0: $program is missing; build it first" >&2
        exit 2
    fi
done
cluster="$build/pg-bench"
log=$(mktemp)
"$source/scripts/test_cluster.sh" start "$cluster" --durable
trap '"$source/scripts/test_cluster.sh" stop "$cluster"; rm -f "$log"' EXIT
trap 'exit 130' INT TERM
uri=$("$source/scripts/test_cluster.sh" uri "$cluster")
# The server's processor time is the benchmarks' own, not the rest of the machine's.
DNT_BENCH_SERVER_PID=$(head -n 1 "$cluster/data/postmaster.pid")
export DNT_BENCH_SERVER_PID
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

query="$build/bench/dnt_bench --server=$uri"
runs="$build/bench/dnt_bench_run --dnt $build/apps/dnt --gui $build/apps/dnt-gui --aides 5000 --seed 1 --centre 75 \
--main-centre-only --single ${SINGLE:-20} --server $uri --scale ${SCALE:-500,5000,50000}"
$query | tee -a "$log"
$runs | tee -a "$log"

echo
echo "Goals (measured on this machine, one run each):"
echo
grep '^goal: ' "$log" | sed 's/^goal: //' | awk -F' \\| ' '{ printf "  %-58s %-34s %-10s %s\n", $1, $2, $3, $4 }'
echo
echo "Reproduce (with a server of your own for the server figures):"
echo "  $query"
echo "  $runs"
