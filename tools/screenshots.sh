#!/usr/bin/env bash
# Writes the pictures of the desktop program to docs/screenshots/: the application window,
# the selection screen, the individual selection window, the preview and Historique,
# rendered by dnt-gui itself on Qt's offscreen platform (no X server needed), on a demo
# database (dnt demo) or, failing that or with --small, on the small test sample.
#
# usage: tools/screenshots.sh [BUILD_DIR] [--small]
#   BUILD_DIR  the CMake build folder holding apps/dnt and apps/dnt-gui (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=build
source=auto
for arg in "$@"; do
  case $arg in
    --small) source=small ;;
    -h|--help) sed -n '2,9p' "$0"; exit 0 ;;
    *) build=$arg ;;
  esac
done
case $build in /*) ;; *) build="$root/$build" ;; esac
dnt="$build/apps/dnt"
gui="$build/apps/dnt-gui"
for program in "$dnt" "$gui"; do
  [[ -x $program ]] || { echo "screenshots: $program is missing; build it first" >&2; exit 2; }
done

out="$root/docs/screenshots"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db="$work/screens.db"

if [[ $source != small ]] && "$dnt" demo --db "$db" --aides 40 --seed 7 > /dev/null 2>&1; then
  echo "screenshots: demo database"
  today=""
else
  rm -f "$db"
  "$dnt" db import --db "$db" "$root/tests/data/small.jsonl" > /dev/null 2>&1
  echo "screenshots: small sample database"
  today="15/07/2013"
fi

# The first centre of the database, and a name that the search finds.
centre=$("$dnt" db query --db "$db" 'SSELECT CENTREURSSAF PAR 0' | head -n 1)
name=$("$dnt" db query --db "$db" "SSELECT CIVILAIDE AVEC CentreUrssafAide = \"$centre\" PAR 2" --fields 2 |
       head -n 1 | cut -c1)

common=(--db "$db" --user "${SCREENSHOT_USER:-screenshots}" --centre "$centre")
[[ -n $today ]] && common+=(--today "$today")

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
# One run for Historique to show: the first quarter the screen offers, printed to a file.
user=${SCREENSHOT_USER:-screenshots}
quarter=$("$dnt" print --db "$db" --quarter none --centre "$centre" --user "$user" 2>&1 |
          sed -n 's/^  \([0-9]\{5\}\) .*/\1/p' | head -n 1 || true)
"$dnt" print --db "$db" --quarter "$quarter" --centre "$centre" --user "$user" --output "$work/run.pdf" \
  ${today:+--today "$today"} > /dev/null 2>&1 || echo "screenshots: no run for Historique" >&2

for picture in application screen selection preview history; do
  case $picture in
    application) file=application-window.png ;;
    screen) file=selection-screen.png ;;
    selection) file=individual-selection.png ;;
    preview) file=preview.png ;;
    history) file=history.png ;;
  esac
  "$gui" "${common[@]}" --screenshot "$out/$file" --picture "$picture" --search "${name:-D}"
  echo "screenshots: $out/$file"
done
