// The database object, its file objects and records: what the control sees of the
// multivalue database (open a file, read, read for update, write, run a request).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dba/dynarray.h"
#include "dba/expression.h"
#include "dba/storage.h"

namespace dba {

class Database;
class File;

// A dynamic array read from a file, bound to that file and key.
class Record : public DynArray {
public:
    Record() = default;
    Record(std::shared_ptr<File> file, std::string key, std::string text = {}, Version version = {})
        : DynArray(std::move(text)), file_(std::move(file)), key_(std::move(key)), version_(version) {}

    const std::string& key() const { return key_; }
    const std::shared_ptr<File>& file() const { return file_; }
    bool bound() const { return file_ != nullptr; }
    // What the read saw of the stored record, for the write's check.
    const Version& version() const { return version_; }

    // Writes the record back under its key, atomically, and frees its update lock.
    void DBWrite();
    // Frees the update lock without writing.
    void Release();

private:
    std::shared_ptr<File> file_;
    std::string key_;
    Version version_;
};

class File : public std::enable_shared_from_this<File> {
public:
    File(std::shared_ptr<Database> db, std::string name) : db_(std::move(db)), name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    Database& database() const { return *db_; }

    // Raises DbError(kErrKeyAbsent) when the key does not exist.
    Record DBRead(std::string_view key);
    // Takes the update lock, then reads. A lock held elsewhere raises
    // DbError(kErrLockRefused); a missing key raises kErrKeyAbsent with the lock kept,
    // so that the caller may create the record and write it.
    Record DBReadLock(std::string_view key);
    // An empty record bound to this file and key, for a record to create.
    Record NewRecord(std::string_view key);

    void write(std::string_view key, std::string_view text, const Version& read = {});
    void release(std::string_view key);

private:
    std::shared_ptr<Database> db_;
    std::string name_;
};

// A failed write of a unit of work: which record, and the error's number and text.
struct WriteFailure {
    std::string file, key;
    int32_t number = 0;
    std::string message;
};

class Database : public std::enable_shared_from_this<Database> {
public:
    // Opens a database: a file path or a "postgresql:" URI (storage.h).
    static std::shared_ptr<Database> Open(const std::string& target, OpenMode mode = OpenMode::ReadWrite);
    // A database over a store made by the caller (a store decorated for a test).
    static std::shared_ptr<Database> Over(std::unique_ptr<Storage> storage);

    // The file object of a file of the database; raises DbError(kErrUnknownFile).
    std::shared_ptr<File> DBOpenFile(std::string_view name);

    // Runs a request (field 1 the sentence, field 2 the file, field 3 the field
    // numbers separated by blanks) and gives the result text: one field per record,
    // value j the j-th listed field. The second argument is unused.
    std::string DBExecute(std::string_view request, std::string_view unused = {});

    // The compiled dictionary item `name` of `file`, or nullptr when there is none.
    std::shared_ptr<const Expression> dictionary(const std::string& file, const std::string& name);

    Storage& storage() { return *storage_; }

    // Reads a record as the file objects do: in a dry run, as the run left it.
    std::optional<std::string> read(const std::string& file, std::string_view key, Version* version);
    // Takes a record's update lock for a read for update (a dry run takes none).
    bool lock(const std::string& file, std::string_view key);

    // Runs a unit of work whose writes are kept whole or not at all: when any write inside
    // fails, even one its caller passed over, the unit is rolled back at its end and the
    // first failure is given back. An exception out of `work` rolls it back too. Inside a
    // run, `label` (the aidé) names the unit in the history.
    std::optional<WriteFailure> unit(const std::function<void()>& work);
    std::optional<WriteFailure> unit(std::string_view label, const std::function<void()>& work);
    // Records the next unit reads ahead in the wait that answers its writes (a server then
    // reads them without a wait of their own): what the following unit will read first.
    void readAlongTheNextUnit(Storage::Wanted wanted) { readAlong_ = std::move(wanted); }
    // A record written back through File::write, with the failure noted for the unit.
    void write(const std::string& file, std::string_view key, std::string_view text, const Version& read);
    // Removes a record (an undo putting back an absence), checked and noted like a write.
    void removeRecord(const std::string& file, std::string_view key, const Version& read);

    // A run: one transaction whose writes are recorded in the history of runs
    // (run_history.h). It first takes the lock of the runs of its quarter and centre,
    // waiting as `wait` says for another desk's run of the pair (RunBusy when the wait is
    // over), and says who runs it. commitRun() keeps it and gives its number (0 when it
    // wrote nothing, and then no run is recorded); rollbackRun() or an exception drops it
    // all. Either frees the pair's lock.
    void beginRun(RunInfo info, const RunWait& wait);
    // `beforeCommit` runs inside the transaction with the run's number, when it wrote;
    // `note` says how the run ended when not in full.
    long long commitRun(const std::string& note = {}, const std::function<void(long long)>& beforeCommit = {});
    void rollbackRun();
    bool inRun() const { return inRun_; }

    // A dry run: everything reads one snapshot of the database, taken now, and every write
    // is kept in memory for the reads that follow it, then forgotten: nothing is written
    // to the store, no lock is taken, no other desk is ever delayed.
    void beginDryRun();
    void endDryRun();
    bool inDryRun() const { return dry_ != nullptr; }

private:
    explicit Database(std::unique_ptr<Storage> storage);
    std::string execute(std::string_view request);
    void releaseRunLock();

    struct DryWrites;
    std::unique_ptr<Storage> storage_;
    int unitDepth_ = 0;
    std::vector<WriteFailure> failures_;
    Storage::Wanted readAlong_;
    bool inRun_ = false;
    std::string runQuarter_, runCentre_;  // the pair whose lock the run holds
    std::unique_ptr<DryWrites> dry_;
    std::map<std::pair<std::string, std::string>, std::shared_ptr<const Expression>> dict_;
    long long dictVersion_ = -1;

public:
    ~Database();
};

// Normalises a record text for storage: trailing empty fields are not kept.
std::string trimTrailingFields(std::string_view text);

}  // namespace dba
