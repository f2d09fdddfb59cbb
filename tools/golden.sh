#!/usr/bin/env bash
# Writes again the expected files of the golden runs (tests/data/golden/): for each sample
# database, its latest quarter printed for each centre with the print journal, then the
# REGULDNT and DETAILCHGPARTEMP records the runs left. Run it only after reading what
# changed in them against the rules of the declaration: the test compares every later
# build with these files.
# usage: tools/golden.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
dnt="$build/apps/dnt"
out="$root/tests/data/golden"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
while read -r sample quarter; do
  db="$work/$sample.db"
  "$dnt" db import --db "$db" "$root/tests/data/$sample.jsonl" 2>/dev/null
  for centre in 75 92 93; do
    status=0
    "$dnt" print --db "$db" --quarter "$quarter" --centre "$centre" --today 15/07/2025 --user golden \
      --output "$work/o.pdf" --journal "$out/$sample-$centre.journal" 2>"$work/err" || status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 1 ]; then cat "$work/err" >&2; exit "$status"; fi
    [ "$status" -eq 1 ] && rm -f "$out/$sample-$centre.journal"
  done
  "$dnt" db export --db "$db" REGULDNT DETAILCHGPARTEMP > "$out/$sample.records.jsonl"
  echo "golden: $sample ($quarter)"
done <<'LIST'
small 20132
old 20102
recent 20251
LIST
