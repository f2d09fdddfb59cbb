// The database dump: JSON Lines of records and dictionary items, imported in one
// transaction and exported in the shortest form, so that a round trip is exact.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "dba/database.h"

namespace dba {

// A dump line holds at most 16 MiB: the largest record of a declaration database holds
// a few kilobytes, and a longer line is refused before it is all held in memory.
inline constexpr size_t kMaxDumpLineBytes = 16 * 1024 * 1024;

struct ImportCounts {
    long records = 0;
    long dictItems = 0;
};

// A dump read and checked, not yet written anywhere.
struct Dump {
    struct Record {
        std::string file, key, text;
    };
    std::vector<std::string> files;  // of file lines
    std::vector<DictItem> dictItems;
    std::vector<Record> records;
};

// Reads a whole dump; any bad line (a key given twice in an object, a line longer than
// the limit included) raises DbError(kErrBadDump) naming its line number.
Dump readDump(std::istream& in);
// Writes a dump read before into the database, in one transaction.
ImportCounts loadDump(Database& db, const Dump& dump);

// Imports a whole dump (records, dictionary items and file lines, which create a file
// that may stay empty); any bad line raises DbError(kErrBadDump) naming its line
// number, and then nothing at all is written.
ImportCounts importJsonl(Database& db, std::istream& in);

// Writes the dictionary items, then the records, of the files named (all files when
// none), files in name order and records in key order; a file with neither a record nor
// a dictionary item is written as a file line at its place among the records.
void exportJsonl(Database& db, std::ostream& out, const std::vector<std::string>& files = {});

// One record as a dump line (without the newline).
std::string recordLine(std::string_view file, std::string_view key, std::string_view data);

}  // namespace dba
