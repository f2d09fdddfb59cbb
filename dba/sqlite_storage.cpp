// The SQLite file back-end: opening without side effects, schema, records, dictionary
// items, transactions and record locks.
#include "dba/sqlite_storage.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "dba/errors.h"
#include "dba/history_tables.h"

namespace dba {

namespace {

constexpr long long kSchemaVersion = 4;

const char* kSchema = R"(
CREATE TABLE files(name TEXT PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE records(file TEXT NOT NULL, key TEXT NOT NULL, data BLOB NOT NULL,
                     PRIMARY KEY(file, key)) WITHOUT ROWID;
CREATE TABLE dict(file TEXT NOT NULL, name TEXT NOT NULL, expr TEXT NOT NULL,
                  PRIMARY KEY(file, name)) WITHOUT ROWID;
CREATE TABLE meta(name TEXT PRIMARY KEY, value) WITHOUT ROWID;
INSERT INTO meta VALUES('dict_version', 0);
INSERT INTO meta VALUES('schema_version', 4);
)";

// How long a writer waits for another run's transaction to end, in milliseconds. Readers
// never wait for a writer (WAL).
int writerWaitMs() {
    const char* env = std::getenv("DNT_WAIT_SECONDS");
    long seconds = env && *env ? std::strtol(env, nullptr, 10) : 300;
    if (seconds < 0) seconds = 0;
    if (seconds > 86400) seconds = 86400;
    return static_cast<int>(seconds * 1000);
}

bool isEmptyOrAbsent(const std::string& path, bool& exists) {
    struct stat st {};
    exists = ::stat(path.c_str(), &st) == 0;
    return !exists || (S_ISREG(st.st_mode) && st.st_size == 0);
}

}  // namespace

std::vector<std::string> SqliteStorage::companions(const std::string& path) {
    return {path, path + "-wal", path + "-shm", path + "-journal", path + "-locks"};
}

SqliteStorage::SqliteStorage(const std::string& path, OpenMode mode) : path_(path) {
    try {
        open(mode);
    } catch (...) {
        get_.reset();
        put_.reset();
        fileExists_.reset();
        createFile_.reset();
        if (db_) sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

SqliteStorage::~SqliteStorage() {
    get_.reset();
    put_.reset();
    fileExists_.reset();
    createFile_.reset();
    addImage_.reset();
    indexStatements_.reset();
    if (db_) sqlite3_close(db_);
    locks_.reset();
}

void SqliteStorage::open(OpenMode mode) {
    if (path_ == ":memory:") {
        // A database in memory (the fuzz targets): nothing on disk, no other user to lock out.
        if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            throw DbError(kErrStorage, "cannot open a database in memory");
        exec(kSchema);
        exec(historySchema(kFileDialect).c_str());
        createIndexTables();
        prepare();
        return;
    }
    bool exists = false;
    const bool blank = isEmptyOrAbsent(path_, exists);
    if (mode != OpenMode::Create && !exists) throw DbError(kErrStorage, "database " + path_ + " does not exist");
    const bool creating = mode == OpenMode::Create && blank;
    if (creating && !exists) {
        // Created by us with the mode of a file that holds names, wages and bank accounts;
        // SQLite gives its -wal and -shm the same mode.
        int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) throw DbError(kErrStorage, "cannot create database " + path_ + ": " + std::strerror(errno));
        ::close(fd);
    }
    readOnly_ = mode == OpenMode::ReadOnly;
    int flags = SQLITE_OPEN_NOMUTEX;
    std::string name = path_;
    if (readOnly_) {
        flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
        // A file we may not write whose log is empty is read as it stands, without
        // creating the shared-memory file that would then keep its mode.
        struct stat wal {};
        bool walEmpty = ::stat((path_ + "-wal").c_str(), &wal) != 0 || wal.st_size == 0;
        if (::access(path_.c_str(), W_OK) != 0 && walEmpty) {
            char* uri = sqlite3_mprintf("file:%q?immutable=1", path_.c_str());
            name = uri;
            sqlite3_free(uri);
        } else {
            char* uri = sqlite3_mprintf("file:%q?mode=ro", path_.c_str());
            name = uri;
            sqlite3_free(uri);
        }
    } else {
        if (::access(path_.c_str(), W_OK) != 0)
            throw DbError(kErrStorage, "database " + path_ + " cannot be written by this user: " + std::strerror(errno));
        flags |= SQLITE_OPEN_READWRITE;
    }
    if (sqlite3_open_v2(name.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
        throw DbError(kErrStorage, "cannot open database " + path_ + ": " + msg);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, writerWaitMs());
    if (creating) {
        exec("PRAGMA journal_mode=WAL");
        exec("BEGIN IMMEDIATE");
        try {
            exec(kSchema);
            exec(historySchema(kFileDialect).c_str());
            createIndexTables();
            exec("COMMIT");
        } catch (...) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } else {
        checkSchema();
    }
    // Settings of this connection only: nothing is written by them.
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=OFF");
    // Reads dominate: a page cache of 32 MB spares most of SQLite's per-read work. Not
    // memory-mapped reads: they were no faster, and every page of the file a run reads
    // would stay mapped in the process (240 MB for a 50,000-aidé database) where the cache
    // keeps its bound whatever the database's size.
    exec("PRAGMA cache_size=-32768");
    exec("PRAGMA mmap_size=0");
    if (!readOnly_) {
        upgradeSchema();
        locks_ = std::make_unique<RecordLocks>(path_ + "-locks");
    }
    prepare();
}

void SqliteStorage::checkSchema() {
    // A read of the catalogue only: a file that is not ours is refused as it is.
    int ours = 0;
    try {
        Statement tables(db_, "SELECT name FROM sqlite_master WHERE type='table'");
        while (tables.step()) {
            std::string_view t = tables.column(0);
            if (t == "files" || t == "records" || t == "dict" || t == "meta") ++ours;
        }
    } catch (const DbError&) {
        throw DbError(kErrStorage, path_ + " is not a declaration database");
    }
    if (ours != 4) throw DbError(kErrStorage, path_ + " is not a declaration database");
}

void SqliteStorage::upgradeSchema() {
    // The index tables came after the fourth version, without changing its number: a
    // program that knows them makes them.
    if (!hasIndexTables()) transaction([&] { createIndexTables(); });
    auto version = meta("schema_version");
    long long v = version ? std::strtoll(version->c_str(), nullptr, 10) : 1;
    if (v >= kSchemaVersion) return;
    // A database of an earlier version, opened for writing: its lock table gave way to
    // the lock file, and the history of runs is added.
    transaction([&] {
        exec("DROP TABLE IF EXISTS locks");
        if (v == 3) exec("ALTER TABLE runs ADD COLUMN note TEXT NOT NULL DEFAULT ''");
        exec(historySchema(kFileDialect).c_str());
        setMeta("schema_version", std::to_string(kSchemaVersion));
    });
}

void SqliteStorage::prepare() {
    get_ = std::make_unique<Statement>(db_, "SELECT data FROM records WHERE file=?1 AND key=?2");
    put_ = std::make_unique<Statement>(db_, "INSERT OR REPLACE INTO records(file, key, data) VALUES(?1, ?2, ?3)");
    fileExists_ = std::make_unique<Statement>(db_, "SELECT 1 FROM files WHERE name=?1");
    createFile_ = std::make_unique<Statement>(db_, "INSERT OR IGNORE INTO files(name) VALUES(?1)");
    // The image of a record a run writes: its text before the run first wrote it, read
    // here, and as the run leaves it.
    addImage_ = std::make_unique<Statement>(
        db_,
        "INSERT INTO run_images(run, file, key, unit, before, after) "
        "VALUES(?1, ?2, ?3, ?4, (SELECT data FROM records WHERE file=?2 AND key=?3), ?5) "
        "ON CONFLICT(run, file, key) DO UPDATE SET after = excluded.after");
}

void SqliteStorage::exec(const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : sqlite3_errmsg(db_);
        sqlite3_free(err);
        throw DbError(kErrStorage, "database " + path_ + ": " + msg);
    }
}

RecordLocks& SqliteStorage::locks() {
    if (!locks_) throw DbError(kErrStorage, "database " + path_ + " is open for reading only");
    return *locks_;
}

void SqliteStorage::beginTransaction() {
    if (readOnly_) throw DbError(kErrStorage, "database " + path_ + " is open for reading only");
    exec("BEGIN IMMEDIATE");
}
void SqliteStorage::commitTransaction() { exec("COMMIT"); }
void SqliteStorage::rollbackTransaction() { sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr); }
void SqliteStorage::savepoint(int level) { exec(("SAVEPOINT s" + std::to_string(level)).c_str()); }
void SqliteStorage::releaseSavepoint(int level) { exec(("RELEASE s" + std::to_string(level)).c_str()); }
void SqliteStorage::rollbackToSavepoint(int level) {
    const std::string n = std::to_string(level);
    exec(("ROLLBACK TO s" + n).c_str());
    exec(("RELEASE s" + n).c_str());
}
void SqliteStorage::beginRead() { exec("BEGIN DEFERRED; SELECT 1 FROM meta LIMIT 1"); }
void SqliteStorage::endRead() { sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr); }

bool SqliteStorage::acquireLock(std::string_view file, std::string_view key) {
    return path_ == ":memory:" || locks().acquire(file, key);
}
void SqliteStorage::releaseLock(std::string_view file, std::string_view key) {
    if (locks_) locks_->release(file, key);
}

bool SqliteStorage::fileExists(std::string_view file) {
    Resetter r{*fileExists_};
    return fileExists_->bind(1, file).step();
}

void SqliteStorage::createFile(std::string_view file) {
    Resetter r{*createFile_};
    createFile_->bind(1, file).step();
}

std::vector<std::string> SqliteStorage::fileNames() {
    Statement s(db_, "SELECT name FROM files ORDER BY name");
    std::vector<std::string> names;
    while (s.step()) names.emplace_back(s.column(0));
    return names;
}

std::optional<std::string> SqliteStorage::get(std::string_view file, std::string_view key, Version*) {
    Resetter r{*get_};
    if (!get_->bind(1, file).bind(2, key).step()) return std::nullopt;
    return std::string(get_->column(0));
}

void SqliteStorage::put(std::string_view file, std::string_view key, std::string_view data) {
    // The record and its index entries are one change.
    if (depth() == 0 && !isRunFile(file) && !indexDefs().empty()) {
        transaction([&] { put(file, key, data); });
        return;
    }
    {
        Resetter r{*put_};
        put_->bind(1, file).bind(2, key).bindBlob(3, data);
        put_->step();
    }
    keepIndexes(file, key, data);
}

void SqliteStorage::refuseLockedElsewhere(std::string_view file, std::string_view key) {
    // Writers take turns on the file, so what was read is still what is there; and no one
    // takes a lock held meanwhile, since they may not write either.
    if (path_ != ":memory:" && !holds(file, key) && locks().heldElsewhere(file, key))
        throw DbError(kErrLockRefused, lockedMessage(file, key));
}

void SqliteStorage::writeRecord(std::string_view file, std::string_view key, std::string_view data, const Version&) {
    refuseLockedElsewhere(file, key);
    if (openRunNumber()) keepImage(file, key, data);
    put(file, key, data);
}

void SqliteStorage::scan(std::string_view file, const ScanVisitor& visit) {
    // A statement of its own, so that a visitor may read other records meanwhile.
    Statement s(db_, "SELECT key, data FROM records WHERE file=?1 ORDER BY key");
    s.bind(1, file);
    while (s.step()) visit(s.column(0), s.column(1));
}

long long SqliteStorage::count(std::string_view file) {
    Statement s(db_, "SELECT count(*) FROM records WHERE file=?1");
    s.bind(1, file).step();
    return s.columnInt(0);
}

std::vector<DictItem> SqliteStorage::dictItems(std::string_view file) {
    Statement s(db_, file.empty() ? "SELECT file, name, expr FROM dict ORDER BY file, name"
                                  : "SELECT file, name, expr FROM dict WHERE file=?1 ORDER BY name");
    if (!file.empty()) s.bind(1, file);
    std::vector<DictItem> items;
    while (s.step()) items.push_back({std::string(s.column(0)), std::string(s.column(1)), std::string(s.column(2))});
    return items;
}

void SqliteStorage::putDict(const DictItem& item) {
    transaction([&] {
        Statement s(db_, "INSERT OR REPLACE INTO dict(file, name, expr) VALUES(?1, ?2, ?3)");
        s.bind(1, item.file).bind(2, item.name).bind(3, item.expr).step();
        exec("UPDATE meta SET value = value + 1 WHERE name='dict_version'");
        dictItemChanged(item.file, item.name);
    });
}

long long SqliteStorage::dictVersion() {
    Statement s(db_, "SELECT value FROM meta WHERE name='dict_version'");
    return s.step() ? s.columnInt(0) : 0;
}

std::optional<std::string> SqliteStorage::meta(std::string_view name) {
    Statement s(db_, "SELECT value FROM meta WHERE name=?1");
    s.bind(1, name);
    if (!s.step() || s.columnIsNull(0)) return std::nullopt;
    return std::string(s.column(0));
}

void SqliteStorage::setMeta(std::string_view name, std::string_view value) {
    transaction([&] {
        Statement s(db_, "INSERT OR REPLACE INTO meta(name, value) VALUES(?1, ?2)");
        s.bind(1, name).bind(2, value).step();
    });
}

void SqliteStorage::removeRecord(std::string_view file, std::string_view key, const Version&) {
    refuseLockedElsewhere(file, key);
    if (openRunNumber()) keepImage(file, key, std::nullopt);
    Statement s(db_, "DELETE FROM records WHERE file=?1 AND key=?2");
    s.bind(1, file).bind(2, key).step();
}

void SqliteStorage::clear() {
    transaction([&] { clearStore(*this, hasIndexTables()); });
}

}  // namespace dba
