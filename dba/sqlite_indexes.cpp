// The secondary indexes of the file back-end: their definitions, entries and the records
// each entry looked up, in tables of the SQLite file.
#include <sqlite3.h>

#include "dba/errors.h"
#include "dba/sqlite_storage.h"

namespace dba {

namespace {

// The first text greater than every text beginning with `prefix`, or none.
std::optional<std::string> pastPrefix(std::string prefix) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) prefix.pop_back();
    if (prefix.empty()) return std::nullopt;
    prefix.back() = static_cast<char>(static_cast<unsigned char>(prefix.back()) + 1);
    return prefix;
}

}  // namespace

const char* SqliteStorage::kIndexSchema = R"(
CREATE TABLE IF NOT EXISTS indexes(file TEXT NOT NULL, item TEXT NOT NULL, PRIMARY KEY(file, item)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS index_entries(file TEXT NOT NULL, item TEXT NOT NULL, entry BLOB NOT NULL,
                  key TEXT NOT NULL, PRIMARY KEY(file, item, entry, key)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS index_entries_record ON index_entries(file, item, key);
CREATE TABLE IF NOT EXISTS index_lookups(looked_file TEXT NOT NULL, looked_key TEXT NOT NULL, file TEXT NOT NULL,
                  item TEXT NOT NULL, key TEXT NOT NULL,
                  PRIMARY KEY(looked_file, looked_key, file, item, key)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS index_lookups_record ON index_lookups(file, item, key);
)";

bool SqliteStorage::hasIndexTables() {
    // Asked again while absent: another connection may make them.
    if (!indexTables_) {
        Statement s(db_, "SELECT 1 FROM sqlite_master WHERE type='table' AND name='indexes'");
        indexTables_ = s.step();
    }
    return indexTables_;
}

void SqliteStorage::createIndexTables() {
    exec(kIndexSchema);
    indexTables_ = true;
}

std::vector<IndexDef> SqliteStorage::indexDefs() {
    std::vector<IndexDef> defs;
    if (!hasIndexTables()) return defs;
    Statement s(db_, "SELECT file, item FROM indexes");
    while (s.step()) defs.push_back({std::string(s.column(0)), std::string(s.column(1))});
    return defs;
}

void SqliteStorage::insertIndexDef(const IndexDef& index) {
    if (!hasIndexTables()) createIndexTables();
    Statement s(db_, "INSERT INTO indexes(file, item) VALUES(?1, ?2)");
    s.bind(1, index.file).bind(2, index.item).step();
}

void SqliteStorage::deleteIndex(const IndexDef& index) {
    for (const char* sql : {"DELETE FROM indexes WHERE file=?1 AND item=?2", "DELETE FROM index_entries WHERE file=?1 AND item=?2",
                            "DELETE FROM index_lookups WHERE file=?1 AND item=?2"}) {
        Statement s(db_, sql);
        s.bind(1, index.file).bind(2, index.item).step();
    }
}

void SqliteStorage::replaceIndexEntries(const IndexDef& index, std::string_view key, const std::vector<std::string>& entries,
                                        const std::vector<std::pair<std::string, std::string>>& lookedUp) {
    if (!indexStatements_) {
        indexStatements_.reset(new IndexStatements{
            Statement(db_, "DELETE FROM index_entries WHERE file=?1 AND item=?2 AND key=?3"),
            Statement(db_, "INSERT OR IGNORE INTO index_entries(file, item, entry, key) VALUES(?1, ?2, ?3, ?4)"),
            Statement(db_, "DELETE FROM index_lookups WHERE file=?1 AND item=?2 AND key=?3"),
            Statement(db_, "INSERT OR IGNORE INTO index_lookups(looked_file, looked_key, file, item, key) "
                           "VALUES(?1, ?2, ?3, ?4, ?5)")});
    }
    IndexStatements& st = *indexStatements_;
    for (Statement* s : {&st.clearEntries, &st.clearLookups}) {
        Resetter r{*s};
        s->bind(1, index.file).bind(2, index.item).bind(3, key).step();
    }
    for (const std::string& entry : entries) {
        Resetter r{st.addEntry};
        st.addEntry.bind(1, index.file).bind(2, index.item).bindBlob(3, entry).bind(4, key).step();
    }
    for (const auto& [file, looked] : lookedUp) {
        Resetter r{st.addLookup};
        st.addLookup.bind(1, file).bind(2, looked).bind(3, index.file).bind(4, index.item).bind(5, key).step();
    }
}

std::vector<std::string> SqliteStorage::lookUpIndex(const IndexDef& index, const IndexProbe& probe) {
    std::vector<std::string> keys;
    if (!hasIndexTables()) return keys;
    const std::optional<std::string> past = probe.prefix ? pastPrefix(probe.entry) : std::nullopt;
    const char* sql = !probe.prefix ? "SELECT DISTINCT key FROM index_entries WHERE file=?1 AND item=?2 AND entry=?3 ORDER BY key"
                      : past ? "SELECT DISTINCT key FROM index_entries WHERE file=?1 AND item=?2 AND entry>=?3 AND entry<?4 "
                               "ORDER BY key"
                             : "SELECT DISTINCT key FROM index_entries WHERE file=?1 AND item=?2 AND entry>=?3 ORDER BY key";
    Statement s(db_, sql);
    s.bind(1, index.file).bind(2, index.item).bindBlob(3, probe.entry);
    if (past) s.bindBlob(4, *past);
    while (s.step()) keys.emplace_back(s.column(0));
    return keys;
}

std::vector<std::pair<IndexDef, std::string>> SqliteStorage::indexDependents(std::string_view file, std::string_view key) {
    std::vector<std::pair<IndexDef, std::string>> found;
    Statement s(db_, "SELECT file, item, key FROM index_lookups WHERE looked_file=?1 AND looked_key=?2");
    s.bind(1, file).bind(2, key);
    while (s.step()) found.push_back({{std::string(s.column(0)), std::string(s.column(1))}, std::string(s.column(2))});
    return found;
}

}  // namespace dba
