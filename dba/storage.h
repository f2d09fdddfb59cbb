// The store under the multivalue database, as one interface with two back-ends: an
// SQLite file (sqlite_storage.h) and a PostgreSQL server (pg_storage.h). It keeps files of
// records keyed by text, dictionary items, update locks on records and transactions.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dba/index_values.h"
#include "dba/run_history.h"
#include "dba/run_lock.h"

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

    // The history of runs (run_history.h), in tables of the store, written in the open
    // transaction so that it commits with the records. While a run is open every record
    // written or removed leaves an image in it (its text before the run first touched it,
    // and as the run left it), labelled with the unit of work set by setRunUnit(): the
    // store takes the images itself, from what it holds, so that they are exactly what
    // the run changed.
    // openRun() starts the record of a run in the open transaction, under the number
    // reserved by announceRun() when there is one, and gives its number.
    long long openRun(const RunInfo& info);
    // The files whose records runs write, named by the application that writes them: a
    // run writes no other file, an undo puts back no other, and theirs, rewritten by
    // every run, are never indexed. None until they are named: a run then writes nothing.
    virtual void setRunFiles(std::vector<std::string> files) { runFiles_ = std::move(files); }
    const std::vector<std::string>& runFiles() const { return runFiles_; }
    bool isRunFile(std::string_view file) const;
    virtual void setRunUnit(std::string unit) { runUnit_ = std::move(unit); }
    const std::string& runUnit() const { return runUnit_; }
    long long openRunNumber() const { return run_; }
    // Ends the record of the open run: its aidés are counted from its images, `note` says
    // how it ended when not in full. A run that left no image is not kept: gives 0.
    long long closeRun(const std::string& note);
    // Marks `run` as taken back by the open run `by`, an undo that wrote back each of its
    // records' before image.
    virtual void markUndone(long long run, long long by) = 0;
    // Every run, in number order; one run with its images.
    virtual std::vector<RunRow> runs() = 0;
    virtual std::optional<RunDetail> run(long long number) = 0;

    // Removes a record for an undo that puts back an absence: refused with
    // DbError(kErrLockRefused) like a write when another user holds its lock or, where
    // versions are kept, changed it since `read`.
    void remove(std::string_view file, std::string_view key, const Version& read);

    // The lock of the runs of one quarter and centre: one run of a pair at a time, for
    // this connection until it frees it or ends (however it ends). tryLockRun() never
    // waits.
    virtual bool tryLockRun(std::string_view quarter, std::string_view centre) = 0;
    virtual void unlockRun(std::string_view quarter, std::string_view centre) = 0;
    // Says, committed at once, who runs the pair whose lock this connection holds, and
    // reserves the run's number, so that a desk that must wait can say who and since when.
    virtual void announceRun(std::string_view quarter, std::string_view centre, const RunHolder& holder) = 0;
    // What the last holder of the pair's lock announced.
    virtual std::optional<RunHolder> runHolder(std::string_view quarter, std::string_view centre) = 0;

    // Empties the database: every file, record and dictionary item, and the demo mark. Done
    // inside the transaction open, so that what replaces the data comes whole or not at all.
    virtual void clear() = 0;

    // The login the store itself authenticated, whose rights then apply: a server's role.
    // None for a file, whose users say who they are.
    virtual std::optional<std::string> authenticatedUser() { return std::nullopt; }

    // The round trips to a server this connection has waited for so far (none for a file).
    virtual unsigned long roundTrips() const { return 0; }

    // Secondary indexes on dictionary items (index_values.h; the work is in
    // index_keeper.cpp). Every record stored or removed keeps them, in its own transaction,
    // also when the record is one that an indexed item looks up through TRANS. The files
    // runs write are never indexed nor looked up by an indexed item, so that a run's writes
    // have nothing to keep.
    // The indexes of `file` (of every file when empty), in name order.
    virtual std::vector<IndexDef> indexes(std::string_view file = {});
    // Makes the index and fills it from the records, in one transaction. DbError
    // kErrStorage when the file or item does not exist, the item is indexed already, or
    // the file or the item's look-ups are files runs write.
    virtual void createIndex(std::string_view file, std::string_view item);
    virtual void dropIndex(std::string_view file, std::string_view item);
    // The keys whose item has an entry equal to `probe` (or beginning with it), in key
    // byte order, each once.
    virtual std::vector<std::string> indexedKeys(const IndexDef& index, const IndexProbe& probe);
    // Visits the records of `keys` (in key byte order, each once), skipping those absent:
    // a back-end reads them in as few requests as it can.
    virtual void getMany(std::string_view file, const std::vector<std::string>& keys, const ScanVisitor& visit);

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

    // Writes checked together: while deferred, a back-end that pays a round trip per
    // statement may send the writes of the files runs write without waiting for their
    // answers, and settleWrites() then waits for them all and gives the first refused (its
    // lock freed as a failed write leaves it). A unit of work of the database settles its
    // writes before it decides to keep them, so that an aidé's two records cost one wait.
    struct RefusedWrite {
        std::string file, key;
        int32_t number = 0;
        std::string message;
    };
    virtual void deferWrites(bool on) {}
    // Records to read (file, keys), in a file's key order.
    using Wanted = std::vector<std::pair<std::string, std::vector<std::string>>>;
    // Reads ahead, into what the transaction open has read, records a run will read next:
    // a back-end that pays a round trip per read asks for them all at once. A record read
    // ahead is what a read at this moment gives; records whose lock this connection holds
    // are not read ahead, nor anything outside a transaction.
    virtual void readAhead(const Wanted& wanted) {}
    // `along`: records read ahead in the same wait as the writes, when there are some.
    virtual std::optional<RefusedWrite> settleWrites(const Wanted& along) { return std::nullopt; }

    // A read snapshot left open across calls (a dry run reads on one from its first aidé to
    // its end); snapshot() is the scoped form.
    void beginSnapshot();
    void endSnapshot();

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
    // Removes a record for remove(), with the same checks as writeRecord.
    virtual void removeRecord(std::string_view file, std::string_view key, const Version& read) = 0;
    // The history's own parts: the open run's record begun in the transaction (under
    // `reserved` when not 0), and ended (dropped when it has no image; gives its number or 0).
    virtual long long insertRun(const RunInfo& info, long long reserved) = 0;
    virtual long long finishRun(long long run, const std::string& note) = 0;
    static std::string lockedMessage(std::string_view file, std::string_view key);
    // What a back-end calls for every record it stores or removes (`data` none), after
    // the change and in its transaction: the entries of the indexes on that record, and
    // of those whose look-ups read it, are made anew.
    void keepIndexes(std::string_view file, std::string_view key, std::optional<std::string_view> data);
    // What a back-end calls when a dictionary item has changed, in its transaction: an
    // index on it is filled anew.
    void dictItemChanged(std::string_view file, std::string_view name);
    // The back-end's parts of the indexes. indexDefs() is read again by each transaction
    // that writes (another connection may have made an index meanwhile).
    virtual std::vector<IndexDef> indexDefs() { return {}; }
    virtual void insertIndexDef(const IndexDef&) {}
    virtual void deleteIndex(const IndexDef&) {}
    // Replaces the entries of one record, and the records its evaluation looked up.
    virtual void replaceIndexEntries(const IndexDef&, std::string_view key, const std::vector<std::string>& entries,
                                     const std::vector<std::pair<std::string, std::string>>& lookedUp) {}
    virtual std::vector<std::string> lookUpIndex(const IndexDef&, const IndexProbe&) { return {}; }
    // The indexed records whose entries were made by looking (file, key) up.
    virtual std::vector<std::pair<IndexDef, std::string>> indexDependents(std::string_view file, std::string_view key) {
        return {};
    }
    // The number announceRun() reserved for the next run of this connection (0: none).
    long long reservedRun_ = 0;

private:
    void refuseOutsideRunFiles(std::string_view file) const;
    struct Held {
        std::string file, key;
        int level;  // transaction depth when taken
    };
    IndexedItem indexedItem(const IndexDef& index);
    void fillIndex(const IndexDef& index);
    void refreshIndexEntries(const IndexDef& index, std::string_view key, std::optional<std::string_view> data);
    std::vector<Held> held_;
    // The indexed items compiled in the transaction open.
    std::map<std::pair<std::string, std::string>, IndexedItem> compiled_;
    int depth_ = 0;
    int readDepth_ = 0;
    long long run_ = 0;
    std::string runUnit_;
    std::vector<std::string> runFiles_;

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
