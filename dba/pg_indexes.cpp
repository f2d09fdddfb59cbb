// The secondary indexes of the server back-end, in tables of the schema dnt, and the
// records of many keys read in one request.
#include <endian.h>

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "dba/errors.h"
#include "dba/pg_schema_sql.h"
#include "dba/pg_storage.h"

namespace dba {

namespace {

using pg::Param;
using pg::Query;

const Query kIndexDefs{"index_defs", "SELECT file, item FROM dnt.indexes"};
const Query kIndexTablesExist{"index_tables_exist", "SELECT to_regclass('dnt.indexes') IS NOT NULL"};
const Query kAddIndex{"add_index", "INSERT INTO dnt.indexes(file, item) VALUES ($1, $2)"};
const Query kClearEntries{"clear_entries", "DELETE FROM dnt.index_entries WHERE file = $1 AND item = $2 AND key = $3"};
const Query kAddEntry{"add_entry", "INSERT INTO dnt.index_entries(file, item, entry, key) VALUES ($1, $2, $3, $4) "
                                   "ON CONFLICT DO NOTHING"};
const Query kClearLookups{"clear_lookups", "DELETE FROM dnt.index_lookups WHERE file = $1 AND item = $2 AND key = $3"};
const Query kAddLookup{"add_lookup", "INSERT INTO dnt.index_lookups(looked_file, looked_key, file, item, key) "
                                     "VALUES ($1, $2, $3, $4, $5) ON CONFLICT DO NOTHING"};
const Query kLookUp{"look_up", "SELECT DISTINCT key FROM dnt.index_entries WHERE file = $1 AND item = $2 AND entry = $3 "
                               "ORDER BY key"};
const Query kLookUpRange{"look_up_range", "SELECT DISTINCT key FROM dnt.index_entries WHERE file = $1 AND item = $2 "
                                          "AND entry >= $3 AND entry < $4 ORDER BY key"};
const Query kLookUpFrom{"look_up_from", "SELECT DISTINCT key FROM dnt.index_entries WHERE file = $1 AND item = $2 "
                                        "AND entry >= $3 ORDER BY key"};
const Query kDependents{"dependents", "SELECT file, item, key FROM dnt.index_lookups "
                                      "WHERE looked_file = $1 AND looked_key = $2"};
const Query kGetMany{"get_many", "SELECT key, data, version FROM dnt.records WHERE file = $1 AND key = ANY($2::bytea[]) "
                                 "ORDER BY key"};

// Keys asked for in one request: a few round trips for a whole selection, a bounded answer.
constexpr size_t kKeysPerRequest = 1000;

// The first text greater than every text beginning with `prefix`, or none.
std::optional<std::string> pastPrefix(std::string prefix) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) prefix.pop_back();
    if (prefix.empty()) return std::nullopt;
    prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
    return prefix;
}

void put32(std::string& out, uint32_t v) {
    v = htobe32(v);
    out.append(reinterpret_cast<const char*>(&v), 4);
}

}  // namespace

std::string byteaArray(const std::vector<std::string>& values, size_t from, size_t to) {
    // The server's binary form of a one-dimensional bytea[]: dimensions, no nulls, the
    // element type (bytea, 17), the length and lower bound, then each element's length and bytes.
    std::string out;
    put32(out, 1);
    put32(out, 0);
    put32(out, 17);
    put32(out, static_cast<uint32_t>(to - from));
    put32(out, 1);
    for (size_t i = from; i < to; ++i) {
        put32(out, static_cast<uint32_t>(values[i].size()));
        out += values[i];
    }
    return out;
}

bool PgStorage::hasIndexTables() {
    // Asked again while absent (a schema made before them): its owner may make them.
    if (!indexTables_) indexTables_ = conn_.run(kIndexTablesExist, {}).boolean(0, 0);
    return indexTables_;
}

std::vector<IndexDef> PgStorage::indexDefs() {
    // Read once per transaction: an index is made under a lock that waits for every
    // transaction writing records (createIndexTables).
    if (indexDefs_ && conn_.inTransaction()) return *indexDefs_;
    std::vector<IndexDef> defs;
    if (hasIndexTables()) {
        pg::Result r = conn_.run(kIndexDefs, {});
        for (int i = 0; i < r.rows(); ++i) defs.push_back({std::string(r.bytes(i, 0)), std::string(r.bytes(i, 1))});
    }
    if (conn_.inTransaction()) indexDefs_ = defs;
    return defs;
}

void PgStorage::insertIndexDef(const IndexDef& index) {
    // No record is written meanwhile: a writer reads the indexes after its first write
    // and so waits for this transaction, or finished before it.
    if (!hasIndexTables()) {
        conn_.exec(pg::sql::kIndexTables);
        // Who may read the records may read the indexes.
        pg::Result readers = conn_.exec(
            "SELECT DISTINCT grantee FROM information_schema.role_table_grants WHERE table_schema = 'dnt' "
            "AND table_name = 'records' AND privilege_type = 'SELECT' AND grantee <> current_user");
        for (int i = 0; i < readers.rows(); ++i)
            conn_.exec("GRANT SELECT ON dnt.indexes, dnt.index_entries, dnt.index_lookups TO " +
                       conn_.identifier(std::string(readers.bytes(i, 0))));
        indexTables_ = true;
    }
    conn_.exec("LOCK TABLE dnt.records IN SHARE MODE");
    indexDefs_.reset();
    conn_.run(kAddIndex, {Param{index.file}, Param{index.item}});
}

void PgStorage::deleteIndex(const IndexDef& index) {
    indexDefs_.reset();
    for (const char* table : {"indexes", "index_entries", "index_lookups"})
        conn_.runOnce(std::string("DELETE FROM dnt.") + table + " WHERE file = $1 AND item = $2",
                      {Param{index.file}, Param{index.item}});
}

void PgStorage::replaceIndexEntries(const IndexDef& index, std::string_view key, const std::vector<std::string>& entries,
                                    const std::vector<std::pair<std::string, std::string>>& lookedUp) {
    // Nobody needs the answers before the commit: they go in the pipeline.
    conn_.send(kClearEntries, {Param{index.file}, Param{index.item}, Param{key}});
    conn_.send(kClearLookups, {Param{index.file}, Param{index.item}, Param{key}});
    for (const std::string& entry : entries)
        conn_.send(kAddEntry, {Param{index.file}, Param{index.item}, Param{entry}, Param{key}});
    for (const auto& [file, looked] : lookedUp)
        conn_.send(kAddLookup, {Param{file}, Param{looked}, Param{index.file}, Param{index.item}, Param{key}});
}

std::vector<std::string> PgStorage::lookUpIndex(const IndexDef& index, const IndexProbe& probe) {
    std::vector<std::string> keys;
    if (!hasIndexTables()) return keys;
    const std::optional<std::string> past = probe.prefix ? pastPrefix(probe.entry) : std::nullopt;
    pg::Result r = !probe.prefix ? conn_.run(kLookUp, {Param{index.file}, Param{index.item}, Param{probe.entry}})
                   : past ? conn_.run(kLookUpRange, {Param{index.file}, Param{index.item}, Param{probe.entry}, Param{*past}})
                          : conn_.run(kLookUpFrom, {Param{index.file}, Param{index.item}, Param{probe.entry}});
    keys.reserve(static_cast<size_t>(r.rows()));
    for (int i = 0; i < r.rows(); ++i) keys.emplace_back(r.bytes(i, 0));
    return keys;
}

std::vector<std::pair<IndexDef, std::string>> PgStorage::indexDependents(std::string_view file, std::string_view key) {
    std::vector<std::pair<IndexDef, std::string>> found;
    if (!hasIndexTables()) return found;
    pg::Result r = conn_.run(kDependents, {Param{file}, Param{key}});
    for (int i = 0; i < r.rows(); ++i)
        found.push_back({{std::string(r.bytes(i, 0)), std::string(r.bytes(i, 1))}, std::string(r.bytes(i, 2))});
    return found;
}

Storage::Wanted PgStorage::sendReads(const Wanted& wanted) {
    Wanted asked;
    if (!conn_.inTransaction()) return asked;
    for (const auto& [file, keys] : wanted) {
        std::vector<std::string> missing;
        for (const std::string& key : keys)
            if (!holds(file, key) && !cache_.find(file, key)) missing.push_back(key);
        std::sort(missing.begin(), missing.end());
        missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
        for (size_t from = 0; from < missing.size(); from += kKeysPerRequest) {
            const size_t to = std::min(missing.size(), from + kKeysPerRequest);
            const std::string array = byteaArray(missing, from, to);
            conn_.sendKept(kKeptRead, kGetMany, {Param{file}, Param{array}});
            asked.emplace_back(file, std::vector<std::string>(missing.begin() + static_cast<long>(from),
                                                              missing.begin() + static_cast<long>(to)));
        }
    }
    return asked;
}

void PgStorage::rememberReads(const Wanted& asked, const std::vector<pg::Result>& answers) {
    if (answers.size() != asked.size()) return;  // a request failed: the reads will ask again
    for (size_t i = 0; i < asked.size(); ++i) {
        const std::string& file = asked[i].first;
        const pg::Result& r = answers[i];
        std::unordered_set<std::string_view> found;
        for (int row = 0; row < r.rows(); ++row) {
            cache_.remember(file, r.bytes(row, 0), {std::string(r.bytes(row, 1)), {true, r.int64(row, 2)}});
            found.insert(r.bytes(row, 0));
        }
        for (const std::string& key : asked[i].second)
            if (!found.count(key)) cache_.remember(file, key, {std::nullopt, {true, 0}});
    }
}

void PgStorage::readAhead(const Wanted& wanted) {
    // Every request goes out in one pipeline; the answers come back in one wait.
    const Wanted asked = sendReads(wanted);
    if (asked.empty()) return;
    conn_.drain();
    rememberReads(asked, conn_.takeKept(kKeptRead));
}

void PgStorage::getMany(std::string_view file, const std::vector<std::string>& keys, const ScanVisitor& visit) {
    const bool remember = conn_.inTransaction();
    for (size_t from = 0; from < keys.size(); from += kKeysPerRequest) {
        const size_t to = std::min(keys.size(), from + kKeysPerRequest);
        const std::string array = byteaArray(keys, from, to);
        pg::Result r = conn_.run(kGetMany, {Param{file}, Param{array}});
        for (int i = 0; i < r.rows(); ++i) {
            if (remember && !holds(file, r.bytes(i, 0)))
                cache_.remember(file, r.bytes(i, 0), {std::string(r.bytes(i, 1)), {true, r.int64(i, 2)}});
            visit(r.bytes(i, 0), r.bytes(i, 1));
        }
    }
}

}  // namespace dba
