// Synthetic contracts, aidés and aidants for the benchmarks, written both as multivalue
// records (with the standard dictionary) and as plain SQL tables holding the same values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dba/database.h"

struct sqlite3;

namespace bench {

struct GenerateOptions {
    size_t contracts = 100000;
    uint64_t seed = 20100331;
};

struct Generated {
    std::vector<std::string> contractKeys;  // every CONTRAT key, in key order
    size_t aides = 0;
    size_t aidants = 0;
    size_t records = 0;  // multivalue records written, all files together
};


// Fills `db` (an empty database) with records and dictionary items, and `sql` (an
// empty SQLite connection) with the tables contrat, civilaide, civilaidant,
// eltspartemp and eltsfactaide holding the same data. Deterministic for one seed.
Generated generate(dba::Database& db, sqlite3* sql, const GenerateOptions& options);

}  // namespace bench
