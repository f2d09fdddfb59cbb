// The store under the multivalue database, as one interface with two back-ends: an
// SQLite file (sqlite_storage.h) and a PostgreSQL server (pg_storage.h). It keeps files of
// records keyed by text, dictionary items, update locks on records and transactions.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dba/run_history.h"

namespace dba {

struct DictItem {
    std::string file;
    std::string name;
    std::string expr;
};

// How a database is opened. ReadOnly never writes anything, not even a lock or a
// journal mode; Create makes an empty database when there is none.
enum class OpenMode { ReadOnly, ReadWrite, Create };

// What a read saw of a record, for a write that must not overwrite another user's
// change made since: 0 when the record did not exist. A back-end that cannot be written
// by two users at once (the file: runs take turns) keeps none.
struct Version {
    bool known = false;
    long long value = 0;
};

using ScanVisitor = std::function<void(std::string_view key, std::string_view data)>;

class Storage {
public:
    virtual ~Storage();
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    // Where the data live, for messages: "/path/base.db" or "postgresql://host/db".
    virtual std::string where() const = 0;
    virtual bool readOnly() const = 0;

    // Files.
    virtual bool fileExists(std::string_view file) = 0;
    virtual void createFile(std::string_view file) = 0;
    virtual std::vector<std::string> fileNames() = 0;

    // Records. get gives the record's text, and what was read of it in `version`.
    virtual std::optional<std::string> get(std::string_view file, std::string_view key, Version* version = nullptr) = 0;
    // Stores a record as it is, with no lock or version check (imports, generators).
    virtual void put(std::string_view file, std::string_view key, std::string_view data) = 0;
    // Visits every record of a file in key byte order; the views live for one call.
    virtual void scan(std::string_view file, const ScanVisitor& visit) = 0;
    virtual long long count(std::string_view file) = 0;

    // Dictionary items; the version changes whenever any item changes, in any connection.
    virtual std::vector<DictItem> dictItems(std::string_view file = {}) = 0;
    virtual void putDict(const DictItem& item) = 0;
    virtual long long dictVersion() = 0;

    // Named values of the database itself (a demo database's seed, the schema version).
    virtual std::optional<std::string> meta(std::string_view name) = 0;
    virtual void setMeta(std::string_view name, std::string_view value) = 0;

    // Removes a record, with no lock or version check (an undo puts back an absence).
    virtual void remove(std::string_view file, std::string_view key) = 0;

    // The history of runs (run_history.h), in tables of the store. addRun and addImages
    // write inside the open transaction, so that the history commits with the records.
    virtual long long addRun(const RunInfo& info) = 0;
    // Adds images of a run; an image of a record the run already has keeps its before
    // image and takes the new after image.
    virtual void addImages(long long run, const std::vector<RecordImage>& images) = 0;
    virtual void setRunUnits(long long run, long units) = 0;
    virtual void removeRun(long long run) = 0;
    virtual void setUndoneBy(long long run, long long by) = 0;
    // Every run, in number order.
    virtual std::vector<RunRow> runs() = 0;
    virtual std::optional<RunDetail> run(long long number) = 0;
    // The runs after `run` that wrote the record.
    virtual std::vector<long long> laterRuns(long long run, std::string_view file, std::string_view key) = 0;

    // Empties the database: every file, record and dictionary item, and the demo mark. Done
    // inside the transaction open, so that what replaces the data comes whole or not at all.
    virtual void clear() = 0;

    // The login the store itself authenticated, whose rights then apply: a server's role.
    // None for a file, whose users say who they are.
    virtual std::optional<std::string> authenticatedUser() { return std::nullopt; }

    // Update locks on records, held by this connection until the record is written or
    // released, or the connection ends (a crashed holder's locks go with it). tryLock
    // succeeds when the record is free or already ours.
    bool tryLock(std::string_view file, std::string_view key);
    void unlock(std::string_view file, std::string_view key);
    void unlockAll();
    bool holds(std::string_view file, std::string_view key) const;

    // Writes a record back: refused with DbError(kErrLockRefused) when another user holds
    // its lock or, where versions are kept, changed it since `read`. Frees this
    // connection's lock on it. Atomic and durable once its transaction commits; outside a
    // transaction it commits at once.
    void write(std::string_view file, std::string_view key, std::string_view data, const Version& read = {});

    // Transactions. begin() opens one, or a savepoint inside the one open; commit() and
    // rollback() end the innermost. Locks taken inside a part that is rolled back are
    // freed with it.
    void begin();
    void commit();
    void rollback();
    int depth() const { return depth_; }
    // Runs `work` in a transaction (a savepoint when one is open): everything or nothing.
    void transaction(const std::function<void()>& work);
    // Runs `work` on one read snapshot of the database: every read inside sees the same
    // committed state. Inside a transaction it simply runs.
    void snapshot(const std::function<void()>& work);

protected:
    Storage() = default;

    // The back-end's own parts.
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    virtual void savepoint(int level) = 0;
    virtual void releaseSavepoint(int level) = 0;
    virtual void rollbackToSavepoint(int level) = 0;
    virtual void beginRead() = 0;
    virtual void endRead() = 0;
    virtual bool acquireLock(std::string_view file, std::string_view key) = 0;
    virtual void releaseLock(std::string_view file, std::string_view key) = 0;
    // Stores a record for write(): `read` says what the writer saw of it. Refused with
    // DbError(kErrLockRefused, lockedMessage()) when another connection holds the record's
    // lock (holds() says whether this one does): checked with the write, so that no one
    // takes the lock between the two.
    virtual void writeRecord(std::string_view file, std::string_view key, std::string_view data,
                             const Version& read) = 0;
    static std::string lockedMessage(std::string_view file, std::string_view key);

private:
    struct Held {
        std::string file, key;
        int level;  // transaction depth when taken
    };
    std::vector<Held> held_;
    int depth_ = 0;
    int readDepth_ = 0;
};

// A transaction that spans a whole piece of work: rolled back when it goes out of scope
// without a commit (an exception on the way, a run abandoned).
class TransactionGuard {
public:
    explicit TransactionGuard(Storage& storage) : storage_(&storage) { storage.begin(); }
    ~TransactionGuard() {
        if (!storage_) return;
        try {
            storage_->rollback();
        } catch (...) {
        }
    }
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;
    void commit() { end(true); }
    void rollback() { end(false); }
    bool open() const { return storage_ != nullptr; }

private:
    void end(bool keep) {
        Storage* s = storage_;
        storage_ = nullptr;
        if (s && keep) s->commit();
        else if (s) s->rollback();
    }
    Storage* storage_;
};

// Opens a database: a path is an SQLite file; a "postgresql:" URI (bare "postgresql:" takes
// the server from PGHOST, PGDATABASE... as libpq reads them) is a PostgreSQL server.
std::unique_ptr<Storage> openStorage(const std::string& target, OpenMode mode);

// Whether a --db target names a server rather than a file.
bool isServerTarget(const std::string& target);

}  // namespace dba
