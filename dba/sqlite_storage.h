// The file back-end of the store: one SQLite file in WAL mode with synchronous FULL,
// record locks in a lock file beside it. Opening reads before it writes: a file that is not
// a declaration database is refused untouched, a read-only open never writes, and the
// journal mode and schema are set only when the database is created.
#pragma once

#include <memory>
#include <string>

#include "dba/record_locks.h"
#include "dba/sql_session.h"
#include "dba/sqlite_statement.h"
#include "dba/storage.h"

struct sqlite3;

namespace dba {

// Also the SQL session over which the run history is read (history_tables.h).
class SqliteStorage : public Storage, private SqlSession {
public:
    SqliteStorage(const std::string& path, OpenMode mode);
    ~SqliteStorage() override;

    std::string where() const override { return path_; }
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

    // Runs SQL of our own (benchmarks, tools); DbError(kErrStorage) on failure.
    void exec(const char* sql);
    sqlite3* handle() { return db_; }

    // The files that belong to the database at `path`: the file, its -wal and -shm, the
    // -journal SQLite keeps while it creates the file, and the -locks companion.
    static std::vector<std::string> companions(const std::string& path);

protected:
    const SqlDialect& dialect() const override { return kFileDialect; }
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
    static const char* kIndexSchema;
    bool runsHaveNotes();
    bool hasIndexTables();
    void createIndexTables();
    struct IndexStatements {
        Statement clearEntries, addEntry, clearLookups, addLookup;
    };
    void refuseLockedElsewhere(std::string_view file, std::string_view key);
    void keepImage(std::string_view file, std::string_view key, std::optional<std::string_view> after);
    void open(OpenMode mode);
    void checkSchema();
    void createSchema();
    void upgradeSchema();
    void prepare();
    RecordLocks& locks();

    std::string path_;
    bool readOnly_ = false;
    sqlite3* db_ = nullptr;
    std::unique_ptr<RecordLocks> locks_;
    std::unique_ptr<Statement> get_, put_, fileExists_, createFile_, addImage_;
    bool indexTables_ = false;  // whether the file has the index tables (older ones may not)
    std::unique_ptr<IndexStatements> indexStatements_;
};

}  // namespace dba
