// The demo database as a file: made beside its target and moved into place, so that a
// failed run leaves the old file whole. A file that is not a declaration database is
// never replaced; a declaration database not made by the generator only when asked.
#pragma once

#include <string>

#include "dba/database.h"
#include "demo/generator.h"

namespace demo {

enum class DemoTarget {
    Absent,         // nothing at the path
    EmptyFile,      // a file of 0 bytes: replaced like an absent one
    DemoDatabase,   // a database made by the generator: replaced
    OtherDatabase,  // a declaration database of another origin: replaced only when asked
    NotDatabase,    // anything else (another SQLite file, a text, a folder): never replaced
};

DemoTarget classifyDemoTarget(const std::string& path);

// Marks a database as made by the generator (outside the records, so dumps do not show it).
void markDemoDatabase(dba::Database& db, unsigned seed);

// Creates the demo database at `path`, or replaces what is there as said above. A refusal
// raises dba::DbError(kErrStorage) and leaves the path untouched. A server (a "postgresql:"
// URI) follows the same rules: its schema is replaced whole, in one transaction.
DemoSummary writeDemoDatabase(const std::string& path, const DemoOptions& o, bool replaceOtherDatabase = false);

}  // namespace demo
