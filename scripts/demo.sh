#!/usr/bin/env bash
# The demo: loads the sample database and runs the contract selection of a quarter on it.
set -euo pipefail
build=${1:-build}
out=${2:-demo-out}
mkdir -p "$out"
db="$out/demo.db"
rm -f "$db" "$db-wal" "$db-shm"
"$build/apps/dnt" db import --db "$db" tests/data/small.jsonl
echo "Contracts of the second quarter of 2011, centre 75 (contract, aidé, name):"
"$build/apps/dnt" db query --db "$db" --fields "0 3 NomAideContrat" \
  'SSELECT CONTRAT AVEC 1 = "02" AND AVEC CtrUrssafContrat = "75" AND AVEC 2 = "E75" AND AVEC 65 # "O" AND AVEC 7 <= "15887" AND AVEC 8 >= "15797" OR = "" PAR NomAideContrat PAR PrenomAideContrat PAR 3 PAR NomPrenomAidantContrat PAR CodeAidant PAR 7'
echo "Database: $db"
