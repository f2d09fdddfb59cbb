// SQLite storage: schema, prepared statements, atomic writes and cross-process locks.
#include "dba/storage.h"

#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "dba/errors.h"

namespace dba {

namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw DbError(kErrStorage, what + ": " + (db ? sqlite3_errmsg(db) : "cannot open"));
}

// The start time of a process in clock ticks since boot (field 22 of /proc/PID/stat),
// or empty when the process does not exist: with the pid it names one process for
// its whole life, even when the pid is later reused.
std::string processStartTime(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    if (!in) return {};
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t close = all.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream rest(all.substr(close + 2));
    std::string token;
    for (int field = 3; field <= 22 && (rest >> token); ++field) {
        if (field == 22) return token;
    }
    return {};
}

std::atomic<long> connectionSerial{0};

const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS files(name TEXT PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS records(file TEXT NOT NULL, key TEXT NOT NULL, data BLOB NOT NULL,
                                   PRIMARY KEY(file, key)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS dict(file TEXT NOT NULL, name TEXT NOT NULL, expr TEXT NOT NULL,
                                PRIMARY KEY(file, name)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS locks(file TEXT NOT NULL, key TEXT NOT NULL, owner TEXT NOT NULL,
                                 PRIMARY KEY(file, key)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS meta(name TEXT PRIMARY KEY, value INTEGER) WITHOUT ROWID;
INSERT OR IGNORE INTO meta VALUES('dict_version', 0);
)";

}  // namespace

Statement::Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK)
        fail(db, std::string("prepare ") + sql);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

// Bound texts are not copied: every caller keeps them alive until the statement is
// reset, which the Resetter or the statement's end does within the same call.
Statement& Statement::bind(int i, std::string_view text) {
    sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bindBlob(int i, std::string_view data) {
    sqlite3_bind_blob(stmt_, i, data.data(), static_cast<int>(data.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bind(int i, long long number) {
    sqlite3_bind_int64(stmt_, i, number);
    return *this;
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    std::string msg = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    throw DbError(kErrStorage, "database: " + msg);
}

std::string_view Statement::column(int i) {
    const char* p = static_cast<const char*>(sqlite3_column_blob(stmt_, i));
    int n = sqlite3_column_bytes(stmt_, i);
    return p ? std::string_view(p, static_cast<size_t>(n)) : std::string_view{};
}

long long Statement::columnInt(int i) { return sqlite3_column_int64(stmt_, i); }

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

namespace {
// Resets a statement at the end of a scope, whatever happens inside.
struct Resetter {
    Statement& s;
    ~Resetter() { s.reset(); }
};
}  // namespace

Storage::Storage(const std::string& path, bool create) : path_(path) {
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw DbError(kErrStorage, "cannot open database " + path + ": " + msg);
    }
    sqlite3_busy_timeout(db_, 10000);
    sqlite3_extended_result_codes(db_, 1);
    try {
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=FULL");
        exec("PRAGMA foreign_keys=OFF");
        // Reads dominate: a larger page cache and memory-mapped reads spare most of
        // SQLite's per-read work.
        exec("PRAGMA cache_size=-65536");
        exec("PRAGMA mmap_size=268435456");
        // A file that is not one of ours is refused before anything is written to it.
        Statement probe(db_, "SELECT count(*) FROM sqlite_master WHERE type='table'");
        probe.step();
        long long tables = probe.columnInt(0);
        probe.reset();
        if (tables > 0) {
            Statement ours(db_, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='records'");
            ours.step();
            if (ours.columnInt(0) == 0) throw DbError(kErrStorage, path + " is not a declaration database");
        } else if (!create) {
            throw DbError(kErrStorage, path + " is not a declaration database");
        }
        exec(kSchema);
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
    long pid = static_cast<long>(getpid());
    owner_ = std::to_string(pid) + ":" + processStartTime(pid) + ":" + std::to_string(++connectionSerial);
    get_ = std::make_unique<Statement>(db_, "SELECT data FROM records WHERE file=?1 AND key=?2");
    put_ = std::make_unique<Statement>(db_, "INSERT OR REPLACE INTO records(file, key, data) VALUES(?1, ?2, ?3)");
    fileExists_ = std::make_unique<Statement>(db_, "SELECT 1 FROM files WHERE name=?1");
    createFile_ = std::make_unique<Statement>(db_, "INSERT OR IGNORE INTO files(name) VALUES(?1)");
    lockGet_ = std::make_unique<Statement>(db_, "SELECT owner FROM locks WHERE file=?1 AND key=?2");
    lockPut_ = std::make_unique<Statement>(db_, "INSERT OR REPLACE INTO locks(file, key, owner) VALUES(?1, ?2, ?3)");
    lockDel_ = std::make_unique<Statement>(db_, "DELETE FROM locks WHERE file=?1 AND key=?2 AND owner=?3");
}

Storage::~Storage() {
    if (!db_) return;
    try {
        unlockAll();
    } catch (...) {
        // Closing must not throw; a lock left behind is freed once this process is gone.
    }
    get_.reset(); put_.reset(); fileExists_.reset(); createFile_.reset();
    lockGet_.reset(); lockPut_.reset(); lockDel_.reset();
    sqlite3_close(db_);
}

void Storage::exec(const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw DbError(kErrStorage, std::string("database: ") + msg);
    }
}

void Storage::transaction(const std::function<void()>& work) {
    if (depth_ > 0) {  // already inside: the outer transaction decides
        work();
        return;
    }
    exec("BEGIN IMMEDIATE");
    ++depth_;
    try {
        work();
        --depth_;
        exec("COMMIT");
    } catch (...) {
        if (depth_ > 0) --depth_;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

bool Storage::fileExists(std::string_view file) {
    Resetter r{*fileExists_};
    return fileExists_->bind(1, file).step();
}

void Storage::createFile(std::string_view file) {
    Resetter r{*createFile_};
    createFile_->bind(1, file).step();
}

std::vector<std::string> Storage::fileNames() {
    Statement s(db_, "SELECT name FROM files ORDER BY name");
    std::vector<std::string> names;
    while (s.step()) names.emplace_back(s.column(0));
    return names;
}

std::optional<std::string> Storage::get(std::string_view file, std::string_view key) {
    Resetter r{*get_};
    if (!get_->bind(1, file).bind(2, key).step()) return std::nullopt;
    return std::string(get_->column(0));
}

void Storage::put(std::string_view file, std::string_view key, std::string_view data) {
    Resetter r{*put_};
    put_->bind(1, file).bind(2, key).bindBlob(3, data);
    put_->step();
}

void Storage::scan(std::string_view file,
                   const std::function<void(std::string_view, std::string_view)>& visit) {
    // A separate statement, so that a visitor may read other records meanwhile.
    Statement s(db_, "SELECT key, data FROM records WHERE file=?1 ORDER BY key");
    s.bind(1, file);
    while (s.step()) visit(s.column(0), s.column(1));
}

long long Storage::count(std::string_view file) {
    Statement s(db_, "SELECT count(*) FROM records WHERE file=?1");
    s.bind(1, file).step();
    return s.columnInt(0);
}

std::vector<DictItem> Storage::dictItems(std::string_view file) {
    Statement s(db_, file.empty() ? "SELECT file, name, expr FROM dict ORDER BY file, name"
                                  : "SELECT file, name, expr FROM dict WHERE file=?1 ORDER BY name");
    if (!file.empty()) s.bind(1, file);
    std::vector<DictItem> items;
    while (s.step()) items.push_back({std::string(s.column(0)), std::string(s.column(1)), std::string(s.column(2))});
    return items;
}

void Storage::putDict(const DictItem& item) {
    transaction([&] {
        Statement s(db_, "INSERT OR REPLACE INTO dict(file, name, expr) VALUES(?1, ?2, ?3)");
        s.bind(1, item.file).bind(2, item.name).bind(3, item.expr).step();
        exec("UPDATE meta SET value = value + 1 WHERE name='dict_version'");
    });
}

long long Storage::dictVersion() {
    Statement s(db_, "SELECT value FROM meta WHERE name='dict_version'");
    return s.step() ? s.columnInt(0) : 0;
}

bool Storage::ownerAlive(std::string_view owner) {
    // owner = pid:start:serial. Our own process: alive (another connection of ours).
    size_t c1 = owner.find(':');
    size_t c2 = owner.find(':', c1 == std::string_view::npos ? 0 : c1 + 1);
    if (c1 == std::string_view::npos || c2 == std::string_view::npos) return false;
    long pid = std::stol(std::string(owner.substr(0, c1)));
    std::string start(owner.substr(c1 + 1, c2 - c1 - 1));
    if (pid == static_cast<long>(getpid())) return true;
    std::string now = processStartTime(pid);
    return !now.empty() && now == start;
}

bool Storage::tryLock(std::string_view file, std::string_view key) {
    bool granted = false;
    transaction([&] {
        std::optional<std::string> holder;
        {
            Resetter r{*lockGet_};
            if (lockGet_->bind(1, file).bind(2, key).step()) holder = std::string(lockGet_->column(0));
        }
        if (holder && *holder != owner_ && ownerAlive(*holder)) return;
        Resetter r{*lockPut_};
        lockPut_->bind(1, file).bind(2, key).bind(3, owner_).step();
        granted = true;
    });
    return granted;
}

void Storage::unlock(std::string_view file, std::string_view key) {
    Resetter r{*lockDel_};
    lockDel_->bind(1, file).bind(2, key).bind(3, owner_).step();
}

void Storage::unlockAll() {
    Statement s(db_, "DELETE FROM locks WHERE owner=?1");
    s.bind(1, owner_).step();
}

void Storage::write(std::string_view file, std::string_view key, std::string_view data) {
    transaction([&] {
        // A record another live connection holds for update is not overwritten under it.
        {
            Resetter r{*lockGet_};
            if (lockGet_->bind(1, file).bind(2, key).step()) {
                std::string holder(lockGet_->column(0));
                if (holder != owner_ && ownerAlive(holder))
                    throw DbError(kErrLockRefused, "record " + std::string(key) + " of " + std::string(file) +
                                                       " is locked by another user");
            }
        }
        put(file, key, data);
        unlock(file, key);
    });
}

}  // namespace dba
