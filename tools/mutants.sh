#!/usr/bin/env bash
# Mutation testing: puts each fault of a list into the sources, one at a time, rebuilds, runs the suite and restores the file, then tells which faults the suite caught.
#
# usage: tools/mutants.sh [BUILD_DIR] [MUTANT_FILE]
#   BUILD_DIR    build folder, configured here when it has no CMakeCache.txt (default build-mutants)
#   MUTANT_FILE  the list of faults (default tools/mutants.txt): one per line,
#                file<TAB>original text<TAB>mutated text<TAB>description; the original text
#                must occur exactly once in the file, else the fault is "not applied".
#                Blank lines and lines starting with # are ignored.
#
# Run it from a clean checkout: it edits the listed files in place and always puts them
# back (also on Ctrl-C), checking that git sees no change left in them.
#
# For each fault: phase 1 runs every GoogleTest program directly, the fastest first, without
# the tests that need the PostgreSQL cluster, each rebuilt only when its turn comes and
# stopped after 120 s; the first failing program catches the fault. Phase 2, only for a
# fault that phase 1 missed, builds everything and runs the complete suite through ctest
# (which starts and stops its own cluster). A fault whose build fails is "not compiled".
# Environment: JOBS (default 2) parallel jobs of the builds and of ctest; TEST_TIMEOUT
# (default 120) seconds per test program.
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(git -C "$here" rev-parse --show-toplevel) || { echo "mutants: not inside a git checkout" >&2; exit 2; }
cd "$root" || exit 2

BUILD=${1:-build-mutants}
LIST=${2:-tools/mutants.txt}
JOBS=${JOBS:-2}
TEST_TIMEOUT=${TEST_TIMEOUT:-120}
SERVER_FILTER='*/server*:*_server:Server*'
export QT_QPA_PLATFORM=offscreen

[ -f "$LIST" ] || { echo "mutants: no mutant list $LIST" >&2; exit 2; }
BUILD=$(mkdir -p "$BUILD" && cd "$BUILD" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/mutants.XXXXXX")
logs="$BUILD/mutants-logs"
rm -rf "$logs"
mkdir -p "$logs"

# ---------------------------------------------------------------------------------------
# Restoring the file under mutation, whatever ends the run.

current=""  # the file holding a fault right now, relative to the root
restore() {
    [ -n "$current" ] || return 0
    local f=$current
    # Written back through the same file, with a new modification time, so that the
    # next build recompiles it.
    cat "$work/original" >"$f"
    if ! git diff --quiet -- "$f"; then
        echo "mutants: $f still differed after restoring it: checked out again" >&2
        git checkout -- "$f"
    fi
    current=""
}
on_exit() {
    restore
    rm -rf "$work"
}
on_signal() {
    echo >&2
    echo "mutants: interrupted; restoring ${current:-nothing}" >&2
    restore
    trap - EXIT
    rm -rf "$work"
    exit 130
}
trap on_exit EXIT
trap on_signal INT TERM

now() { date +%s; }
elapsed() { local s=$(($(now) - $1)); printf '%dm%02ds' $((s / 60)) $((s % 60)); }

# ---------------------------------------------------------------------------------------
# The mutant list, checked before anything is built.

files=() originals=() mutations=() descriptions=() lines=()
n=0
while IFS= read -r line || [ -n "$line" ]; do
    n=$((n + 1))
    line=${line%$'\r'}
    case "$line" in '' | '#'*) continue ;; esac
    [[ "$line" =~ ^[[:space:]]*$ ]] && continue
    IFS=$'\t' read -r f o m d <<<"$line"
    if [ -z "${f:-}" ] || [ -z "${o:-}" ] || [ -z "${m+x}" ]; then
        echo "mutants: $LIST:$n: expected file<TAB>original<TAB>mutated<TAB>description" >&2
        exit 2
    fi
    files+=("$f") originals+=("$o") mutations+=("$m") descriptions+=("${d:-}") lines+=("$n")
done <"$LIST"
total=${#files[@]}
[ "$total" -gt 0 ] || { echo "mutants: $LIST lists no mutant" >&2; exit 2; }

dirty=()
for f in $(printf '%s\n' "${files[@]}" | sort -u); do
    [ -f "$f" ] && ! git diff --quiet HEAD -- "$f" && dirty+=("$f")
done
if [ ${#dirty[@]} -gt 0 ]; then
    echo "mutants: these files have changes of their own; commit or stash them first:" >&2
    printf '  %s\n' "${dirty[@]}" >&2
    exit 2
fi

# Number of occurrences of a literal text in a file.
occurrences() {
    ORIG=$2 perl -e 'local $/; open my $h, "<", $ARGV[0] or exit 1; my $t = <$h>; my ($n, $p) = (0, 0);
        while (($p = index($t, $ENV{ORIG}, $p)) >= 0) { $n++; $p += length $ENV{ORIG} } print $n' "$1"
}
# Replaces the one occurrence of a literal text, in place.
mutate() {
    ORIG=$2 MUT=$3 perl -e 'local $/; my $f = $ARGV[0]; open my $h, "<", $f or die; my $t = <$h>; close $h;
        my $p = index($t, $ENV{ORIG}); die if $p < 0; substr($t, $p, length $ENV{ORIG}) = $ENV{MUT};
        open $h, ">", $f or die; print $h $t; close $h or die' "$1"
}

# ---------------------------------------------------------------------------------------
# The build: configured when new, then the targets the suite needs, and a first run of
# every program without a fault, which must pass and gives their order, fastest first.

start_all=$(now)
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    echo "== configuring $BUILD"
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >"$logs/configure.log" 2>&1 ||
        { echo "mutants: configuring failed, see $logs/configure.log" >&2; exit 2; }
fi

# The test programs are those tests/CMakeLists.txt makes with dnt_test(); the ones this
# build leaves out (no Qt) are dropped.
mapfile -t candidates < <(sed -n 's/^[[:space:]]*dnt_test(\([A-Za-z0-9_]*\) .*/\1/p' tests/CMakeLists.txt)
known=$(cmake --build "$BUILD" --target help 2>/dev/null || true)
has_target() { [ -z "$known" ] || grep -Eq "(^|[ .:])$1(:|$| )" <<<"$known"; }
gtests=()
for t in "${candidates[@]}"; do has_target "$t" && gtests+=("$t"); done
extras=()
for t in dnt dnt-gui crash_test; do has_target "$t" && extras+=("$t"); done
all_targets=("${gtests[@]}" "${extras[@]}")

build_targets() {  # log, targets...
    local log=$1
    shift
    cmake --build "$BUILD" -j "$JOBS" --target "$@" >>"$log" 2>&1
}

echo "== building ${all_targets[*]}"
t0=$(now)
if ! build_targets "$logs/baseline-build.log" "${all_targets[@]}"; then
    echo "mutants: the build fails without any fault, see $logs/baseline-build.log" >&2
    exit 2
fi
echo "   built in $(elapsed "$t0")"

# Where each program is: under BUILD/tests for the Makefile and Ninja generators.
program() { echo "$BUILD/tests/$1"; }
fail_fast=()
if "$(program "${gtests[0]}")" --help 2>/dev/null | grep -q gtest_fail_fast; then fail_fast=(--gtest_fail_fast); fi

# Runs one program, phase 1; its status, its log in $2.
run_program() {
    (cd "$BUILD/tests" && timeout -k 10 "$TEST_TIMEOUT" "$(program "$1")" --gtest_filter="-$SERVER_FILTER" \
        "${fail_fast[@]}" --gtest_color=no) >"$2" 2>&1
}
# The first test that failed in a GoogleTest log.
first_failure() {
    sed -n 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' "$1" | grep -v '^[0-9]*$' | head -n 1
}

echo "== running the programs without any fault"
declare -A duration=()
for t in "${gtests[@]}"; do
    t0=$(date +%s%N)
    if ! run_program "$t" "$logs/baseline-$t.log"; then
        echo "mutants: $t fails without any fault ($(first_failure "$logs/baseline-$t.log")), see $logs/baseline-$t.log" >&2
        exit 2
    fi
    duration[$t]=$((($(date +%s%N) - t0) / 1000000))
done
mapfile -t order < <(for t in "${gtests[@]}"; do echo "${duration[$t]} $t"; done | sort -n | cut -d' ' -f2)
for t in "${order[@]}"; do printf '   %-20s %6d ms\n' "$t" "${duration[$t]}"; done

# The complete suite without any fault, run once before the first phase 2: its failures
# (a test that needs what this machine lacks) cannot tell a fault.
baseline_ctest_done=0
declare -A baseline_failed=()
ctest_failures() {  # the names of the tests a ctest log says failed
    sed -n '/The following tests FAILED:/,$p' "$1" | sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (.*)$/\1/p'
}
baseline_ctest() {
    [ $baseline_ctest_done -eq 1 ] && return
    baseline_ctest_done=1
    echo "== running the complete suite without any fault (before the first phase 2)"
    local t0
    t0=$(now)
    (cd "$BUILD" && ctest -j "$JOBS" --timeout "$TEST_TIMEOUT") >"$logs/baseline-ctest.log" 2>&1
    local name
    while IFS= read -r name; do
        [ -n "$name" ] && baseline_failed[$name]=1
    done < <(ctest_failures "$logs/baseline-ctest.log")
    if [ ${#baseline_failed[@]} -gt 0 ]; then
        echo "   WARNING: ${#baseline_failed[@]} test(s) fail without any fault; phase 2 ignores them:"
        printf '     %s\n' "${!baseline_failed[@]}"
    fi
    echo "   done in $(elapsed "$t0")"
}

# ---------------------------------------------------------------------------------------
# The mutants.

caught=0 survived=0 not_applied=0 not_compiled=0
results=()  # one line per mutant for the summary

record() {  # index, status, detail
    local i=$1 status=$2 detail=$3
    results+=("$(printf '%-3s %-13s %-32s %-56s %s' "$((i + 1))" "$status" "${files[$i]}" "${descriptions[$i]}" "$detail")")
    printf '   -> %s %s\n' "$status" "$detail"
}

for ((i = 0; i < total; i++)); do
    f=${files[$i]}
    m0=$(now)
    echo
    echo "== mutant $((i + 1))/$total: $f: ${descriptions[$i]}"
    echo "   - ${originals[$i]}"
    echo "   + ${mutations[$i]}"
    if [ ! -f "$f" ]; then
        not_applied=$((not_applied + 1))
        record "$i" "not applied" "(no such file)"
        continue
    fi
    count=$(occurrences "$f" "${originals[$i]}")
    if [ "$count" != 1 ]; then
        not_applied=$((not_applied + 1))
        record "$i" "not applied" "(original text found $count times)"
        continue
    fi

    cp "$f" "$work/original"
    current=$f
    mutate "$f" "${originals[$i]}" "${mutations[$i]}"
    log="$logs/mutant-$((i + 1))"

    # Phase 1: each program rebuilt when its turn comes, the fastest first.
    status="" detail=""
    for t in "${order[@]}"; do
        if ! build_targets "$log-build.log" "$t"; then
            status="not compiled" detail="(see $log-build.log)"
            break
        fi
        run_program "$t" "$log-$t.log"
        rc=$?
        if [ $rc -ne 0 ]; then
            status="caught"
            if [ $rc -eq 124 ]; then
                detail="$t: timeout after ${TEST_TIMEOUT}s"
            elif failed=$(first_failure "$log-$t.log") && [ -n "$failed" ]; then
                detail="$t: $failed"
            else
                detail="$t: exit status $rc"
            fi
            break
        fi
    done

    # Phase 2: the complete suite.
    if [ -z "$status" ]; then
        if ! build_targets "$log-build.log" "${all_targets[@]}"; then
            status="not compiled" detail="(see $log-build.log)"
        else
            # The run without a fault needs the original sources: built and run now,
            # before this mutant's own run.
            if [ $baseline_ctest_done -eq 0 ]; then
                restore
                if build_targets "$logs/baseline-build.log" "${all_targets[@]}"; then baseline_ctest; fi
                cp "$f" "$work/original"
                current=$f
                mutate "$f" "${originals[$i]}" "${mutations[$i]}"
                build_targets "$log-build.log" "${all_targets[@]}" || status="not compiled"
            fi
            if [ -z "$status" ]; then
                echo "   phase 1 passed; running the complete suite"
                (cd "$BUILD" && timeout -k 10 3600 ctest -j "$JOBS" --timeout "$TEST_TIMEOUT") >"$log-ctest.log" 2>&1
                new=()
                while IFS= read -r name; do
                    [ -n "$name" ] && [ -z "${baseline_failed[$name]:-}" ] && new+=("$name")
                done < <(ctest_failures "$log-ctest.log")
                if [ ${#new[@]} -gt 0 ]; then
                    status="caught" detail="ctest: ${new[0]}"
                    [ ${#new[@]} -gt 1 ] && detail="$detail (+$((${#new[@]} - 1)) more)"
                else
                    status="SURVIVED" detail="(complete suite passed)"
                fi
            else
                detail="(see $log-build.log)"
            fi
        fi
    fi
    restore
    case "$status" in
    caught) caught=$((caught + 1)) ;;
    SURVIVED) survived=$((survived + 1)) ;;
    "not compiled") not_compiled=$((not_compiled + 1)) ;;
    esac
    record "$i" "$status" "$detail in $(elapsed "$m0")"
done

if [ "$i" -lt "$total" ]; then
    echo "mutants: the run stopped at mutant $((i + 1)) of $total" >&2
fi

# ---------------------------------------------------------------------------------------
# The summary.

echo
echo "== summary"
printf '%-3s %-13s %-32s %-56s %s\n' "#" "result" "file" "fault" "caught by"
printf '%s\n' "${results[@]}"
echo
tested=$((caught + survived))
echo "$caught of $tested mutants caught ($survived survived, $not_applied not applied, $not_compiled not compiled, $total listed)"
echo "total time $(elapsed "$start_all"); logs in $logs"
exit 0
