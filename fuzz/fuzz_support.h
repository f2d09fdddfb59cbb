// What the fuzz targets share: a broken invariant aborts with its reason, inputs are cut
// into the parts a target reads, and databases live in memory for speed.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "dba/database.h"

namespace fuzz {

// A broken invariant is a finding: say which, and abort so that libFuzzer keeps the input.
inline void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The text before the first newline (all of it when there is none); `rest` keeps what follows.
inline std::string_view takeLine(std::string_view& rest) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return line;
}

// A fresh, empty database: SQLite in memory behaves as a file does, without the disk.
inline std::shared_ptr<dba::Database> freshDatabase() { return dba::Database::Open(":memory:", dba::OpenMode::Create); }

}  // namespace fuzz
