// The PostgreSQL server back-end: opening (and creating) the schema, records with
// versions, dictionary items, transactions, snapshots and advisory record locks.
#include "dba/pg_storage.h"

#include <algorithm>

#include "dba/errors.h"
#include "dba/history_tables.h"
#include "dba/pg_schema.h"
#include "dba/record_locks.h"

namespace dba {

namespace {

using pg::Param;
using pg::Query;

// Rows of a scan fetched at a time: few round trips, bounded memory.
constexpr int kScanBatch = 4000;
// A file that a transaction reads record by record is read whole once the records asked
// for reach a two-hundredth of it (checked at 25, 50, 100... records), up to this size: a
// few round trips then spare one for each record still to come.
constexpr long long kMostWholeFile = 50000;
constexpr long long kWholeFileRatio = 200;
constexpr long kFirstWholeFileCheck = 25;

const Query kGet{"get", "SELECT data, version FROM dnt.records WHERE file = $1 AND key = $2"};
// A record and those that follow it: a run reads a contract's months, an aidé's records,
// one after the other in key order.
const Query kGetAhead{"get_ahead",
                      "SELECT key, data, version FROM dnt.records WHERE file = $1 AND key >= $2 ORDER BY key LIMIT 4"};
const Query kPut{"put",
                 "INSERT INTO dnt.records(file, key, data) VALUES ($1, $2, $3) ON CONFLICT (file, key) "
                 "DO UPDATE SET data = EXCLUDED.data, version = dnt.records.version + 1"};
const Query kWrite{"write", "SELECT dnt.write_record($1::bytea, $2::bytea, $3::bytea, $4::int8, $5::int8, $6::bool, "
                           "$7::int8, $8::bytea)::int8"};
const Query kCount{"count", "SELECT count(*) FROM dnt.records WHERE file = $1"};
// Counts up to a limit: enough to decide, without reading a large file's index whole.
const Query kCountUpTo{"count_up_to",
                       "SELECT count(*) FROM (SELECT 1 FROM dnt.records WHERE file = $1 LIMIT $2::int8) AS counted"};
const Query kFileExists{"file_exists", "SELECT 1 FROM dnt.files WHERE name = $1"};
const Query kCreateFile{"create_file", "INSERT INTO dnt.files(name) VALUES ($1) ON CONFLICT DO NOTHING"};
const Query kFileNames{"file_names", "SELECT name FROM dnt.files ORDER BY name"};
const Query kDictAll{"dict_all", "SELECT file, name, expr FROM dnt.dict ORDER BY file, name"};
const Query kDictOf{"dict_of", "SELECT file, name, expr FROM dnt.dict WHERE file = $1 ORDER BY name"};
const Query kPutDict{"put_dict",
                     "WITH item AS (INSERT INTO dnt.dict(file, name, expr) VALUES ($1, $2, $3) "
                     "ON CONFLICT (file, name) DO UPDATE SET expr = EXCLUDED.expr RETURNING 1) "
                     "UPDATE dnt.meta SET value = (value::int8 + 1)::text "
                     "WHERE name = 'dict_version' AND EXISTS (SELECT 1 FROM item)"};
const Query kDictVersion{"dict_version", "SELECT value::int8 FROM dnt.meta WHERE name = 'dict_version'"};
const Query kMeta{"meta", "SELECT value FROM dnt.meta WHERE name = $1::text"};
const Query kSetMeta{"set_meta",
                     "INSERT INTO dnt.meta(name, value) VALUES ($1::text, $2::text) "
                     "ON CONFLICT (name) DO UPDATE SET value = EXCLUDED.value"};
// Takes a record's lock and reads it, in one round trip: a read follows every lock taken.
const Query kLockAndGet{"lock_and_get",
                        "SELECT pg_try_advisory_lock($3::int8), r.data, r.version FROM (SELECT 1) AS one "
                        "LEFT JOIN dnt.records r ON r.file = $1 AND r.key = $2"};
const Query kUnlock{"unlock", "SELECT pg_advisory_unlock($1::int8)"};

std::string lockKey(std::string_view file, std::string_view key) {
    return std::to_string(recordLockOffset(file, key));
}

std::string text(std::string_view v) { return std::string(v); }

}  // namespace

PgStorage::PgStorage(const std::string& uri, OpenMode mode) : conn_(uri, mode == OpenMode::ReadOnly) {
    readOnly_ = mode == OpenMode::ReadOnly;
    open(mode);
}

PgStorage::~PgStorage() {
    // The server ends a closed session's transaction and frees its locks a moment after the
    // close; done here, they are gone when the close returns.
    try {
        if (conn_.lost()) return;
        conn_.drain(false);
        if (conn_.inTransaction()) conn_.exec("ROLLBACK");
        if (!readOnly_) conn_.exec("SELECT pg_advisory_unlock_all()");
    } catch (...) {
    }
}

void PgStorage::open(OpenMode mode) {
    switch (pg::schemaState(conn_)) {
    case pg::SchemaState::Foreign:
        throw DbError(kErrStorage, "the schema dnt of server " + where() +
                                       " is not a declaration database: it is left as it is");
    case pg::SchemaState::Absent:
        if (mode != OpenMode::Create)
            throw DbError(kErrStorage, "server " + where() + " holds no declaration database (no schema dnt)");
        pg::createSchema(conn_);
        break;
    case pg::SchemaState::Outdated:
        throw DbError(kErrStorage, "the declaration database of server " + where() +
                                       " is of an earlier version: its owner brings it up to date with dnt db init-server");
    case pg::SchemaState::Ours: break;
    }
    // What this role may do is known before anything runs: a printing role without its
    // grants is told now, not after a run.
    pg::Result r = conn_.runOnce(
        "SELECT session_user::text, has_schema_privilege('dnt', 'USAGE'), "
        "has_table_privilege('dnt.records', 'SELECT'), "
        "has_function_privilege('dnt.write_record(bytea, bytea, bytea, bigint, bigint, boolean, bigint, bytea)', "
        "'EXECUTE'), to_regclass('dnt.indexes') IS NOT NULL",
        {});
    indexTables_ = r.boolean(0, 4);
    sessionUser_ = text(r.bytes(0, 0));
    if (!r.boolean(0, 1) || !r.boolean(0, 2))
        throw DbError(kErrStorage, "role " + sessionUser_ + " may not read the declaration database of server " +
                                       where() + " (its grants are given by dnt db init-server)");
    if (mode != OpenMode::ReadOnly && !r.boolean(0, 3))
        throw DbError(kErrStorage, "role " + sessionUser_ + " may not write to the declaration database of server " +
                                       where() + " (a printing role is granted by dnt db init-server --printers)");
}

void PgStorage::quietly(const char* sql) {
    // Ending a transaction on a connection that is gone: the server has ended it already.
    try {
        conn_.exec(sql);
    } catch (const DbError&) {
        if (!conn_.lost()) throw;
    }
}

void PgStorage::requireWritable() const {
    if (readOnly_) throw DbError(kErrStorage, "database " + where() + " is open for reading only");
}

void PgStorage::forgetTransaction() {
    ++forgets_;
    knownFiles_.clear();
    scanned_.clear();
    cache_.clear();
    lockRead_.reset();
    dictVersion_.reset();
    indexDefs_.reset();
}

void PgStorage::forgetRecord(std::string_view file, std::string_view key) {
    ++forgets_;
    cache_.forget(file, key);
    scanned_.erase(std::string(file));
    if (lockRead_ && lockRead_->file == file && lockRead_->key == key) lockRead_.reset();
}

void PgStorage::beginTransaction() {
    requireWritable();
    forgetTransaction();
    conn_.sendText("BEGIN");  // with the transaction's first statement
}

void PgStorage::commitTransaction() {
    forgetTransaction();
    pg::Result r = conn_.exec("COMMIT");
    // A transaction in which a statement failed ends in a rollback, which COMMIT reports
    // only by its tag.
    if (r.command() != "COMMIT")
        throw DbError(kErrStorage, "server " + where() + " rolled the transaction back: a statement in it had failed");
}

void PgStorage::rollbackTransaction() {
    forgetTransaction();
    conn_.drain(false);
    forgetPendingWrites();
    quietly("ROLLBACK");
}

// A savepoint's answer tells nothing that the next statement would not: it goes out with
// that statement.
void PgStorage::savepoint(int level) { conn_.sendText("SAVEPOINT s" + std::to_string(level)); }
void PgStorage::releaseSavepoint(int level) { conn_.sendText("RELEASE SAVEPOINT s" + std::to_string(level)); }
void PgStorage::rollbackToSavepoint(int level) {
    forgetTransaction();
    conn_.drain(false);
    forgetPendingWrites();
    const std::string n = std::to_string(level);
    conn_.exec("ROLLBACK TO SAVEPOINT s" + n + "; RELEASE SAVEPOINT s" + n);
}
void PgStorage::beginRead() {
    forgetTransaction();
    conn_.exec("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
}
void PgStorage::endRead() {
    forgetTransaction();
    quietly("COMMIT");
}

bool PgStorage::acquireLock(std::string_view file, std::string_view key) {
    requireWritable();
    pg::Result r = conn_.run(kLockAndGet, {Param{file}, Param{key}, Param::text(lockKey(file, key))});
    LockRead read{std::string(file), std::string(key), {std::nullopt, {true, 0}}, conn_.statements()};
    if (!r.isNull(0, 2)) read.entry = {std::string(r.bytes(0, 1)), {true, r.int64(0, 2)}};
    lockRead_ = std::move(read);
    return r.boolean(0, 0);
}

void PgStorage::releaseLock(std::string_view file, std::string_view key) {
    const std::string k = lockKey(file, key);
    if (freedByWrite_ && std::to_string(*freedByWrite_) == k) {
        freedByWrite_.reset();
        return;
    }
    try {
        conn_.run(kUnlock, {Param::text(k)});
    } catch (const DbError&) {
        if (!conn_.lost()) throw;  // a session that is gone holds nothing
    }
}

void PgStorage::writeRecord(std::string_view file, std::string_view key, std::string_view data, const Version& read) {
    const bool mine = holds(file, key);
    const long long lock = recordLockOffset(file, key);
    const std::string expected = read.known ? std::to_string(read.value) : "-1";
    const std::string run = std::to_string(openRunNumber());
    // The lock is tested, or freed (write() frees it right after), by the same statement,
    // which also keeps the image of the record when a run is open.
    const std::string lockText = std::to_string(lock);
    if (deferWrites_ && isRunFile(file) && depth() > 0) {
        // Answered with the next statement that waits, read by settleWrites().
        conn_.sendKept(kKeptWrite, kWrite, {Param{file}, Param{key}, Param{data}, Param::text(expected), Param::text(lockText),
                                Param::text(mine ? "t" : "f"), Param::text(run), Param{runUnit()}});
        pendingWrites_.push_back({std::string(file), std::string(key), lock, mine});
        forgetRecord(file, key);
        if (mine) freedByWrite_ = lock;
        return;
    }
    pg::Result r = conn_.run(kWrite, {Param{file}, Param{key}, Param{data}, Param::text(expected),
                                      Param::text(lockText), Param::text(mine ? "t" : "f"),
                                      Param::text(run), Param{runUnit()}});
    forgetRecord(file, key);
    refuseWrite(r.int64(0, 0), file, key);
    if (mine) freedByWrite_ = lock;
    keepIndexes(file, key, data);
}

void PgStorage::forgetPendingWrites() {
    pendingWrites_.clear();
    conn_.takeKept(kKeptWrite);
    conn_.takeKept(kKeptRead);
}

std::optional<Storage::RefusedWrite> PgStorage::settleWrites(const Wanted& along) {
    if (pendingWrites_.empty()) return std::nullopt;
    std::vector<PendingWrite> writes = std::move(pendingWrites_);
    pendingWrites_.clear();
    // The records read along go out behind the writes and come back in the same wait.
    const Wanted asked = sendReads(along);
    try {
        conn_.drain();
    } catch (...) {
        conn_.takeKept(kKeptWrite);
        conn_.takeKept(kKeptRead);
        throw;
    }
    rememberReads(asked, conn_.takeKept(kKeptRead));
    std::vector<pg::Result> answers = conn_.takeKept(kKeptWrite);
    if (answers.size() != writes.size()) {
        // A server that ended the session answers none of the writes left: say so.
        if (conn_.lost()) conn_.lostConnection(nullptr);
        throw DbError(kErrStorage, "server " + where() + " did not answer every write sent");
    }
    std::optional<RefusedWrite> first;
    for (size_t i = 0; i < writes.size(); ++i) {
        const PendingWrite& w = writes[i];
        try {
            refuseWrite(answers[i].int64(0, 0), w.file, w.key);
        } catch (const DbError& e) {
            if (!first) first = RefusedWrite{w.file, w.key, e.number(), e.what()};
            // A refused write kept the lock it was to free.
            if (w.mine) conn_.run(kUnlock, {Param::text(std::to_string(w.lock))});
        }
    }
    return first;
}

void PgStorage::refuseWrite(long long status, std::string_view file, std::string_view key) {
    const std::string what = "record " + text(key) + " of " + text(file);
    switch (status) {
    case 0: return;
    case 1: throw DbError(kErrLockRefused, what + " is being written by another user");
    case 2: throw DbError(kErrLockRefused, what + " was changed by another user since it was read");
    case 4: throw DbError(kErrLockRefused, lockedMessage(file, key));
    case 5: throw DbError(kErrStorage, "a run may not write " + what + " on server " + where());
    default: throw DbError(kErrStorage, "role " + sessionUser_ + " may not write " + what + " on server " + where());
    }
}

bool PgStorage::fileExists(std::string_view file) {
    // No file is removed while a transaction is open: one known to exist is not asked again.
    if (conn_.inTransaction() && knownFiles_.count(std::string(file))) return true;
    const bool exists = conn_.run(kFileExists, {Param{file}}).rows() > 0;
    if (exists && conn_.inTransaction()) knownFiles_.emplace(file);
    return exists;
}

void PgStorage::createFile(std::string_view file) {
    requireWritable();
    // Known files are forgotten with the transaction, and with a unit rolled back.
    if (conn_.inTransaction() && !knownFiles_.emplace(file).second) return;
    conn_.run(kCreateFile, {Param{file}});
}

std::vector<std::string> PgStorage::fileNames() {
    pg::Result r = conn_.run(kFileNames, {});
    std::vector<std::string> names;
    for (int i = 0; i < r.rows(); ++i) names.emplace_back(r.bytes(i, 0));
    return names;
}

std::optional<std::string> PgStorage::get(std::string_view file, std::string_view key, Version* version) {
    // The read that follows a lock (taken or refused) was made with it.
    if (lockRead_ && lockRead_->statement == conn_.statements() && lockRead_->file == file && lockRead_->key == key) {
        pg::ReadCache::Entry e = std::move(lockRead_->entry);
        lockRead_.reset();
        if (version) *version = e.version;
        return std::move(e.data);
    }
    // Inside a transaction a record is read from the server once, unless this session
    // holds its lock: a read for update sees the latest.
    if (conn_.inTransaction() && !holds(file, key)) {
        const pg::ReadCache::Entry* e = cache_.find(file, key);
        if (!e) {
            readFromServer(file, key);
            e = cache_.find(file, key);
        }
        // The cache may have made room, dropping what it had just been given: then the
        // record is asked for alone.
        if (e) {
            if (version) *version = e->version;
            return e->data;
        }
    }
    pg::Result r = conn_.run(kGet, {Param{file}, Param{key}});
    if (r.rows() == 0) {
        if (version) *version = {true, 0};
        return std::nullopt;
    }
    if (version) *version = {true, r.int64(0, 1)};
    return std::string(r.bytes(0, 0));
}

void PgStorage::readFromServer(std::string_view file, std::string_view key) {
    const long misses = cache_.missed(file);
    const long steps = misses / kFirstWholeFileCheck;
    if (misses % kFirstWholeFileCheck == 0 && (steps & (steps - 1)) == 0) {
        const long long most = std::min(kMostWholeFile, misses * kWholeFileRatio);
        const long long n =
            conn_.run(kCountUpTo, {Param{file}, Param::text(std::to_string(most + 1))}).int64(0, 0);
        if (n <= most) {
            readWhole(file);
            return;
        }
    }
    pg::Result r = conn_.run(kGetAhead, {Param{file}, Param{key}});
    if (r.rows() == 0 || r.bytes(0, 0) != key) cache_.remember(file, key, {std::nullopt, {true, 0}});
    for (int i = 0; i < r.rows(); ++i)
        cache_.remember(file, r.bytes(i, 0), {std::string(r.bytes(i, 1)), {true, r.int64(i, 2)}});
}

void PgStorage::readWhole(std::string_view file) {
    const int number = ++cursors_;
    const std::string cursor = "whole" + std::to_string(number);
    conn_.runOnce("DECLARE " + cursor + " NO SCROLL CURSOR FOR SELECT key, data, version FROM dnt.records "
                                        "WHERE file = $1",
                  {Param{file}});
    // Complete from the start, so that its records do not count against the others'.
    cache_.markComplete(file);
    try {
        fetchAll(cursor, number, file, [&](const pg::Result& r, int i) {
            cache_.remember(file, r.bytes(i, 0), {std::string(r.bytes(i, 1)), {true, r.int64(i, 2)}});
        });
    } catch (...) {
        cache_.clear();
        throw;
    }
    conn_.sendText("CLOSE " + cursor);
}

void PgStorage::fetchAll(const std::string& cursor, int number, std::string_view file,
                         const std::function<void(const pg::Result&, int)>& each) {
    // Each batch is asked for before the one before it is handed over, so that the server
    // reads it meanwhile. Its answer is kept under a tag of this cursor's own (negative: the
    // other kept answers' tags are positive), as statements run meanwhile wait for it.
    const int tag = -number;
    const std::string fetch = "FETCH " + std::to_string(kScanBatch) + " FROM " + cursor;
    try {
        conn_.sendKeptNow(tag, fetch);
        for (;;) {
            conn_.drain();
            std::vector<pg::Result> batch = conn_.takeKept(tag);
            // None when a statement run meanwhile let the server's answers go, failing.
            if (batch.empty()) throw DbError(kErrStorage, "server " + where() + ": the reading of file " +
                                                              std::string(file) + " was interrupted");
            const pg::Result& r = batch.front();
            const int n = r.rows();
            if (n == kScanBatch) conn_.sendKeptNow(tag, fetch);
            for (int i = 0; i < n; ++i) each(r, i);
            if (n < kScanBatch) return;
        }
    } catch (...) {
        // The batch asked for is waited for and dropped: the failure on its way fails the
        // caller's unit anyway.
        conn_.drain(false);
        conn_.takeKept(tag);
        throw;
    }
}

void PgStorage::put(std::string_view file, std::string_view key, std::string_view data) {
    requireWritable();
    // Inside a transaction nobody needs the answer before the commit: the records go in a
    // pipeline, without a round trip each.
    // The record and its index entries are one change.
    if (depth() == 0 && !isRunFile(file)) {
        transaction([&] { put(file, key, data); });
        return;
    }
    forgetRecord(file, key);
    if (depth() > 0) conn_.send(kPut, {Param{file}, Param{key}, Param{data}});
    else conn_.run(kPut, {Param{file}, Param{key}, Param{data}});
    keepIndexes(file, key, data);
}

void PgStorage::scan(std::string_view file, const ScanVisitor& visit) {
    // A cursor lives in a transaction: outside one, the scan reads on a snapshot of its own.
    if (!conn_.inTransaction()) {
        snapshot([&] { scan(file, visit); });
        return;
    }
    if (auto kept = scanned_.find(std::string(file)); kept != scanned_.end()) {
        const auto rows = kept->second;  // a copy: the visitor may write, which forgets it
        for (const auto& [key, data] : rows) visit(key, data);
        return;
    }
    // A cursor of its own, so that a visitor may read other records, or scan, meanwhile.
    const int number = ++cursors_;
    const std::string cursor = "scan" + std::to_string(number);
    std::vector<std::pair<std::string, std::string>> rows;
    // Not kept when the visitor writes: the cursor gives the records as they were before.
    const unsigned long forgetsBefore = forgets_;
    bool keep = true;
    conn_.runOnce("DECLARE " + cursor + " NO SCROLL CURSOR FOR SELECT key, data FROM dnt.records WHERE file = $1 "
                                        "ORDER BY key",
                  {Param{file}});
    try {
        fetchAll(cursor, number, file, [&](const pg::Result& r, int i) {
            visit(r.bytes(i, 0), r.bytes(i, 1));
            if (keep && rows.size() < kMostScanKept) rows.emplace_back(r.bytes(i, 0), r.bytes(i, 1));
            else if (keep) keep = false, rows.clear();
        });
    } catch (...) {
        try {
            conn_.exec("CLOSE " + cursor);
        } catch (...) {
            // The transaction failed already; the cursor goes with it.
        }
        throw;
    }
    conn_.exec("CLOSE " + cursor);
    if (keep && forgets_ == forgetsBefore) scanned_[std::string(file)] = std::move(rows);
}

long long PgStorage::count(std::string_view file) { return conn_.run(kCount, {Param{file}}).int64(0, 0); }

std::vector<DictItem> PgStorage::dictItems(std::string_view file) {
    pg::Result r = file.empty() ? conn_.run(kDictAll, {}) : conn_.run(kDictOf, {Param{file}});
    std::vector<DictItem> items;
    for (int i = 0; i < r.rows(); ++i) items.push_back({text(r.bytes(i, 0)), text(r.bytes(i, 1)), text(r.bytes(i, 2))});
    return items;
}

void PgStorage::putDict(const DictItem& item) {
    requireWritable();
    dictVersion_.reset();
    if (depth() == 0) {
        transaction([&] { putDict(item); });
        return;
    }
    conn_.run(kPutDict, {Param{item.file}, Param{item.name}, Param{item.expr}});
    dictItemChanged(item.file, item.name);
}

long long PgStorage::dictVersion() {
    // Within a transaction the dictionary is taken as first read, as the file gives it to a run.
    if (dictVersion_ && conn_.inTransaction()) return *dictVersion_;
    pg::Result r = conn_.run(kDictVersion, {});
    const long long v = r.rows() ? r.int64(0, 0) : 0;
    if (conn_.inTransaction()) dictVersion_ = v;
    return v;
}

std::optional<std::string> PgStorage::meta(std::string_view name) {
    pg::Result r = conn_.run(kMeta, {Param::text(name)});
    if (r.rows() == 0 || r.isNull(0, 0)) return std::nullopt;
    return text(r.bytes(0, 0));
}

void PgStorage::setMeta(std::string_view name, std::string_view value) {
    requireWritable();
    conn_.run(kSetMeta, {Param::text(name), Param::text(value)});
}

void PgStorage::clear() {
    requireWritable();
    forgetTransaction();
    transaction([&] { clearStore(*this, hasIndexTables()); });
}

std::unique_ptr<Storage> openServerStorage(const std::string& uri, OpenMode mode) {
    return std::make_unique<PgStorage>(uri, mode);
}

}  // namespace dba
