#!/usr/bin/env bash
# Prints 32 fault variants of the samples and keeps what each run leaves, so that a change
# that must not alter what is printed or written can be checked against them: eight faults,
# each on the small and old samples, centres 75 and 92. Kept per run: the print journal,
# the exit status, the messages and the REGULDNT and DETAILCHGPARTEMP records. Two folders
# made before and after a change compare with `diff -r`.
# The faults: the rates of contribution key 01, then of key 06, that cannot be converted;
# the first regularisation amount of each REGULDNT record, the third value of each
# calculation detail (the month's amount), and the constants' rates that are not numbers;
# the first ELTSPARTEMP record and the first CIVILAIDE record of centre 75 removed; a user
# who sees only sectors S01 and S03.
# usage: tools/variants.sh OUT_DIR [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
build=$(cd "${2:-$root/build}" && pwd)
dnt="$build/apps/dnt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while read -r sample quarter; do
  for fault in rate01 rate06 regul detail constants nopartemp nocivil sectors; do
    python3 - "$root/tests/data/$sample.jsonl" "$fault" > "$work/variant.jsonl" <<'PY'
import json, sys
path, fault = sys.argv[1], sys.argv[2]
removed = None
def broken(record):
    global removed
    f, fields = record.get("file"), record.get("fields")
    if fields is None:
        return record
    if f == "CHGPARTEMP" and fault == "rate" + record["key"][-2:] and record["key"] in ("01", "06"):
        rates = fields[1]
        fields[1] = ["x"] * len(rates) if isinstance(rates, list) else "x"
    elif f == "REGULDNT" and fault == "regul":
        fields[0] = ["x"] + fields[0][1:] if isinstance(fields[0], list) else "x"
    elif f == "DETAILCALCUL" and fault == "detail" and len(fields) > 2:
        fields[2] = "x"
    elif f == "CONSTANTESPAIE" and fault == "constants" and len(fields) > 2:
        fields[2] = ["x"] * len(fields[2]) if isinstance(fields[2], list) else "x"
    elif f == "ELTSPARTEMP" and fault in ("nopartemp", "nocivil") and removed is None and fields[0] == "75":
        removed = record["key"]
        if fault == "nopartemp":
            return None
    return record
records = [json.loads(l) for l in open(path, encoding="utf-8") if l.strip()]
kept = [broken(r) for r in records]
for r in kept:
    if r is None or (fault == "nocivil" and r.get("file") == "CIVILAIDE" and r.get("key") == removed):
        continue
    print(json.dumps(r, ensure_ascii=False))
PY
    user=golden
    [ "$fault" = sectors ] && user=secteurs
    for centre in 75 92; do
      name="$sample-$fault-$centre"
      db="$work/$name.db"
      "$dnt" db import --db "$db" "$work/variant.jsonl" >/dev/null
      status=0
      "$dnt" print --db "$db" --quarter "$quarter" --centre "$centre" --today 15/07/2025 --user "$user" \
        --output "$work/o.pdf" --journal "$out/$name.journal" 2>"$out/$name.err" || status=$?
      # The messages without the folder of the run.
      sed -i "s#$work#WORK#g" "$out/$name.err"
      echo "$status" > "$out/$name.status"
      "$dnt" db export --db "$db" REGULDNT DETAILCHGPARTEMP > "$out/$name.records.jsonl"
    done
  done
done <<'LIST'
small 20132
old 20102
LIST
echo "variants: $(ls "$out"/*.status | wc -l) runs in $out"
