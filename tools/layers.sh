#!/bin/sh
# Checks that no folder includes a folder above it: each folder's level is below, and a
# file may include headers of its own folder or of folders of lower levels only.
# Usage: tools/layers.sh [SOURCE_DIR]; prints each offending include, exits 1 if any.
# One pass of awk over every file: the check runs in the suite, twice in `make test`.
cd "${1:-.}" || exit 2
files=$(find numbers dba ui common demo rights selection payroll printing declaration dialogs control desktop apps \
    -name '*.cpp' -o -name '*.h' | sort)
# shellcheck disable=SC2086  # the paths hold no blanks
exec awk '
# The folder a path names: printing/qt is a folder of its own.
function folder(path,    parts) {
    split(path, parts, "/")
    if (parts[1] == "printing" && parts[2] == "qt") return "printing/qt"
    return parts[1]
}
BEGIN {
    level["numbers"] = 0
    level["dba"] = 1; level["ui"] = 1
    level["common"] = 2; level["demo"] = 2; level["printing"] = 2
    level["rights"] = 3; level["selection"] = 3; level["payroll"] = 3; level["printing/qt"] = 3
    level["declaration"] = 4
    level["dialogs"] = 5; level["control"] = 5
    level["desktop"] = 6
    level["apps"] = 7
    status = 0
}
/^#include "[a-z_]*\/[^"]*"/ {
    header = $0
    sub(/^#include "/, "", header)
    sub(/".*/, "", header)
    from = folder(FILENAME)
    to = folder(header)
    if (!(to in level)) next  # not one of our folders
    if (to != from && level[to] >= level[from]) {
        print FILENAME " includes " header ": " from " (level " level[from] ") may not include " to " (level " level[to] ")"
        status = 1
    }
}
END {
    if (status == 0) print "layers: no folder includes a folder above it"
    exit status
}' $files
