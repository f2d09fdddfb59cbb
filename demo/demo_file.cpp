// Classifying, marking and replacing the demo database, a file or a server's schema.
#include "demo/demo_file.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

#include "dba/errors.h"
#include "dba/sqlite_storage.h"

namespace demo {

namespace fs = std::filesystem;

namespace {

// Runs a one-value query; false when the file cannot be read as SQLite.
bool queryOne(sqlite3* db, const char* sql, long long& value, bool& row) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) return false;
    int rc = sqlite3_step(st);
    row = rc == SQLITE_ROW;
    if (row) value = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

void removeWithCompanions(const std::string& path) {
    std::error_code ec;
    for (const std::string& file : dba::SqliteStorage::companions(path)) fs::remove(file, ec);
}

}  // namespace

DemoTarget classifyDemoTarget(const std::string& path) {
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) return DemoTarget::Absent;
    if (!fs::is_regular_file(st)) return DemoTarget::NotDatabase;
    if (fs::file_size(path, ec) == 0 && !ec) return DemoTarget::EmptyFile;

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return DemoTarget::NotDatabase;
    }
    sqlite3_busy_timeout(db, 10000);
    DemoTarget kind = DemoTarget::NotDatabase;
    long long n = 0;
    bool row = false;
    if (queryOne(db, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN ('records','meta')", n, row) &&
        n == 2) {
        kind = queryOne(db, "SELECT value FROM meta WHERE name='demo_seed'", n, row) && row ? DemoTarget::DemoDatabase
                                                                                           : DemoTarget::OtherDatabase;
    }
    sqlite3_close(db);
    return kind;
}

void markDemoDatabase(dba::Database& db, unsigned seed) {
    db.storage().setMeta("demo_seed", std::to_string(seed));
}

namespace {

// On a server the schema is ours or refused when opened; emptied and filled in one
// transaction, it shows the old data to its readers until the new is whole.
DemoSummary writeDemoServer(const std::string& uri, const DemoOptions& o, bool replaceOtherDatabase) {
    auto db = dba::Database::Open(uri, dba::OpenMode::Create);
    dba::Storage& st = db->storage();
    const bool empty = st.fileNames().empty() && st.dictItems().empty();
    if (!empty && !st.meta("demo_seed") && !replaceOtherDatabase)
        throw dba::DbError(dba::kErrStorage, st.where() +
                                                 " holds a declaration database that the demo generator did not make: "
                                                 "it is replaced only when asked (--replace)");
    DemoSummary summary;
    st.transaction([&] {
        st.clear();
        summary = generateDemo(*db, o);
        markDemoDatabase(*db, o.seed);
    });
    return summary;
}

}  // namespace

DemoSummary writeDemoDatabase(const std::string& path, const DemoOptions& o, bool replaceOtherDatabase) {
    checkOptions(o);
    if (dba::isServerTarget(path)) return writeDemoServer(path, o, replaceOtherDatabase);
    switch (classifyDemoTarget(path)) {
    case DemoTarget::NotDatabase:
        throw dba::DbError(dba::kErrStorage, path + " is not a declaration database: it is left as it is");
    case DemoTarget::OtherDatabase:
        if (!replaceOtherDatabase)
            throw dba::DbError(dba::kErrStorage,
                               path + " is a declaration database that the demo generator did not make: "
                                      "it is replaced only when asked (--replace)");
        break;
    default: break;
    }
    const std::string next = path + ".demo-new";
    removeWithCompanions(next);
    DemoSummary summary;
    try {
        auto db = dba::Database::Open(next, dba::OpenMode::Create);
        summary = generateDemo(*db, o);
        markDemoDatabase(*db, o.seed);
    } catch (...) {
        removeWithCompanions(next);
        throw;
    }
    std::error_code ec;
    for (const char* suffix : {"-wal", "-shm", "-journal"}) fs::remove(path + suffix, ec);
    fs::rename(next, path, ec);
    fs::remove(next + "-locks", ec);  // the lock file goes with the name it was made for
    if (ec) {
        removeWithCompanions(next);
        throw dba::DbError(dba::kErrStorage, "cannot move the new database to " + path + ": " + ec.message());
    }
    return summary;
}

}  // namespace demo
