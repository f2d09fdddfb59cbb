// The server back-end of the store: the same files, records, dictionary items, locks and
// transactions on a PostgreSQL server shared by several desks. Records carry a version,
// so that a write refuses a record another session changed since this one read it; update
// locks are the server's session-level advisory locks, which it frees itself when a
// session ends, however it ends.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "dba/pg_connection.h"
#include "dba/pg_read_cache.h"
#include "dba/sql_session.h"
#include "dba/storage.h"

namespace dba {

// Also the SQL session over which the run history is read (history_tables.h).
class PgStorage : public Storage, private SqlSession {
public:
    PgStorage(const std::string& uri, OpenMode mode);
    ~PgStorage() override;

    std::string where() const override { return conn_.where(); }
    bool readOnly() const override { return readOnly_; }

    bool fileExists(std::string_view file) override;
    void createFile(std::string_view file) override;
    std::vector<std::string> fileNames() override;

    std::optional<std::string> get(std::string_view file, std::string_view key, Version* version) override;
    void put(std::string_view file, std::string_view key, std::string_view data) override;
    void scan(std::string_view file, const ScanVisitor& visit) override;
    long long count(std::string_view file) override;

    std::vector<DictItem> dictItems(std::string_view file) override;
    void putDict(const DictItem& item) override;
    long long dictVersion() override;

    std::optional<std::string> meta(std::string_view name) override;
    void setMeta(std::string_view name, std::string_view value) override;
    void clear() override;

    void markUndone(long long run, long long by) override;
    std::vector<RunRow> runs() override;
    std::optional<RunDetail> run(long long number) override;
    bool tryLockRun(std::string_view quarter, std::string_view centre) override;
    void unlockRun(std::string_view quarter, std::string_view centre) override;
    void announceRun(std::string_view quarter, std::string_view centre, const RunHolder& holder) override;
    std::optional<RunHolder> runHolder(std::string_view quarter, std::string_view centre) override;
    std::optional<std::string> authenticatedUser() override { return sessionUser_; }
    unsigned long roundTrips() const override { return conn_.roundTrips(); }

    pg::Connection& connection() { return conn_; }
    void getMany(std::string_view file, const std::vector<std::string>& keys, const ScanVisitor& visit) override;
    void deferWrites(bool on) override { deferWrites_ = on; }
    void readAhead(const Wanted& wanted) override;
    std::optional<RefusedWrite> settleWrites(const Wanted& along) override;

protected:
    const SqlDialect& dialect() const override { return kServerDialect; }
    void query(const std::string& sql, const std::vector<long long>& parameters,
               const std::function<void(const SqlRow&)>& row) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void savepoint(int level) override;
    void releaseSavepoint(int level) override;
    void rollbackToSavepoint(int level) override;
    void beginRead() override;
    void endRead() override;
    bool acquireLock(std::string_view file, std::string_view key) override;
    void releaseLock(std::string_view file, std::string_view key) override;
    void writeRecord(std::string_view file, std::string_view key, std::string_view data, const Version& read) override;
    void removeRecord(std::string_view file, std::string_view key, const Version& read) override;
    long long insertRun(const RunInfo& info, long long reserved) override;
    long long finishRun(long long run, const std::string& note) override;
    std::vector<IndexDef> indexDefs() override;
    void insertIndexDef(const IndexDef& index) override;
    void deleteIndex(const IndexDef& index) override;
    void replaceIndexEntries(const IndexDef& index, std::string_view key, const std::vector<std::string>& entries,
                             const std::vector<std::pair<std::string, std::string>>& lookedUp) override;
    std::vector<std::string> lookUpIndex(const IndexDef& index, const IndexProbe& probe) override;
    std::vector<std::pair<IndexDef, std::string>> indexDependents(std::string_view file, std::string_view key) override;

private:
    bool hasIndexTables();
    // Raises the refusal a write or remove function answered (0: none).
    void refuseWrite(long long status, std::string_view file, std::string_view key);
    void open(OpenMode mode);
    void quietly(const char* sql);
    void requireWritable() const;
    void forgetTransaction();
    void forgetRecord(std::string_view file, std::string_view key);
    void readFromServer(std::string_view file, std::string_view key);
    void readWhole(std::string_view file);
    // Reads the rows of cursor `number`, named `cursor`, over `file`, in batches, and hands
    // each row to `each`.
    void fetchAll(const std::string& cursor, int number, std::string_view file,
                  const std::function<void(const pg::Result&, int)>& each);

    pg::Connection conn_;
    bool readOnly_;
    std::string sessionUser_;
    int cursors_ = 0;
    // Files known to exist in the transaction open, so that an import does not create its
    // file again for every record.
    std::unordered_set<std::string> knownFiles_;
    pg::ReadCache cache_;
    // Small files scanned in the transaction open (the banks, asked for at each aidé's
    // payment), given again as first scanned unless this session wrote to them since.
    static constexpr size_t kMostScanKept = 2000;
    std::unordered_map<std::string, std::vector<std::pair<std::string, std::string>>> scanned_;
    // Counts the records and transactions forgotten: a scan keeps what it read only if
    // nothing was forgotten while it ran.
    unsigned long forgets_ = 0;
    // The record read by the statement that took its lock, for the read that follows it
    // (and only if no other statement came between).
    struct LockRead {
        std::string file, key;
        pg::ReadCache::Entry entry;
        unsigned long statement = 0;
    };
    std::optional<LockRead> lockRead_;
    std::optional<long long> dictVersion_;  // as read in the transaction open
    std::optional<std::vector<IndexDef>> indexDefs_;  // as read in the transaction open
    bool indexTables_ = false;  // whether the schema has the index tables
    // The lock that the last write freed itself, which write() then asks to free again.
    std::optional<long long> freedByWrite_;
    // Writes of run files sent without waiting (deferWrites), whose answers settleWrites reads.
    struct PendingWrite {
        std::string file, key;
        long long lock = 0;
        bool mine = false;
    };
    // What the results the connection keeps answer: deferred writes, reads ahead.
    static constexpr int kKeptWrite = 1, kKeptRead = 2;
    bool deferWrites_ = false;
    std::vector<PendingWrite> pendingWrites_;
    void forgetPendingWrites();
    // The reads ahead of `wanted` sent, kept to be answered by the next wait: what each
    // request asked for, to give to rememberReads() with their answers.
    Wanted sendReads(const Wanted& wanted);
    void rememberReads(const Wanted& asked, const std::vector<pg::Result>& answers);
};

// The server's binary form of the bytea[] of values[from, to), for "= ANY($n::bytea[])".
std::string byteaArray(const std::vector<std::string>& values, size_t from, size_t to);

// Connects to the server named by a "postgresql:" URI (see openStorage).
std::unique_ptr<Storage> openServerStorage(const std::string& uri, OpenMode mode);

}  // namespace dba
