#!/bin/sh
# Checks that no folder includes a folder above it: each folder's level is below, and a
# file may include headers of its own folder or of folders of lower levels only.
# Usage: tools/layers.sh [SOURCE_DIR]; prints each offending include, exits 1 if any.
cd "${1:-.}" || exit 2
level() {
    case "$1" in
    numbers) echo 0 ;;
    dba | ui) echo 1 ;;
    common | demo | printing) echo 2 ;;
    rights | selection | payroll | printing/qt) echo 3 ;;
    declaration) echo 4 ;;
    dialogs | control) echo 5 ;;
    desktop) echo 6 ;;
    apps) echo 7 ;;
    *) echo "" ;;
    esac
}
# The folder a path names: printing/qt is a folder of its own.
folder() {
    case "$1" in
    printing/qt/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
    esac
}
status=0
for file in $(find numbers dba ui common demo rights selection payroll printing declaration dialogs control desktop apps \
    -name '*.cpp' -o -name '*.h' | sort); do
    from=$(folder "$file")
    mine=$(level "$from")
    for header in $(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$file"); do
        to=$(folder "$header")
        theirs=$(level "$to")
        [ -z "$theirs" ] && continue  # not one of our folders
        if [ "$to" != "$from" ] && [ "$theirs" -ge "$mine" ]; then
            echo "$file includes $header: $from (level $mine) may not include $to (level $theirs)"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "layers: no folder includes a folder above it"
exit $status
