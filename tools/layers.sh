#!/bin/sh
# Checks that no folder includes a folder above it: each folder's level is below, and a
# file may include headers of its own folder or of folders of lower levels only.
# Usage: tools/layers.sh [SOURCE_DIR]; prints each offending include, exits 1 if any.
cd "${1:-.}" || exit 2
level() {
    case "$1" in
    numbers) echo 0 ;;
    dba | ui) echo 1 ;;
    common | demo) echo 2 ;;
    rights | selection | payroll) echo 3 ;;
    printing) echo 4 ;;
    printing/qt) echo 5 ;;
    dialogs | control) echo 6 ;;
    ui/qt) echo 7 ;;
    apps) echo 8 ;;
    *) echo "" ;;
    esac
}
# The folder a path names: printing/qt and ui/qt are folders of their own.
folder() {
    case "$1" in
    printing/qt/* | ui/qt/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "$1" | cut -d/ -f1 ;;
    esac
}
status=0
for file in $(find numbers dba ui common demo rights selection payroll printing dialogs control apps \
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
