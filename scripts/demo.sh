#!/usr/bin/env bash
# The demo: makes a demo database and prints the declarations of its latest quarter,
# one PDF per URSSAF centre, with the print journal beside each.
set -euo pipefail
build=${1:-build}
out=${2:-demo-out}
dnt="$build/apps/dnt"
mkdir -p "$out"
db="$out/demo.db"
"$dnt" demo --db "$db" --aides "${DEMO_AIDES:-60}" --seed "${DEMO_SEED:-1}"
quarter=$("$dnt" db query --db "$db" 'SSELECT PERIODESPAIE' --fields 1 | head -n 1)
key="${quarter:0:4}$(( (10#${quarter:4:2} + 2) / 3 ))"
for centre in $("$dnt" db query --db "$db" 'SSELECT CENTREURSSAF PAR 0'); do
  pdf="$out/DNT-$key-$centre.pdf"
  status=0
  "$dnt" print --db "$db" --quarter "$key" --centre "$centre" --output "$pdf" --journal "${pdf%.pdf}.journal" || status=$?
  case $status in
    0) echo "centre $centre: $pdf" ;;
    1) echo "centre $centre: nothing to declare" ;;
    *) exit "$status" ;;
  esac
done
echo "Demo database: $db"
