// The history of runs on the server, written through the schema's functions in the run's
// transaction, and the runs' locks (session-level advisory locks).
#include "dba/pg_storage.h"

#include "dba/errors.h"
#include "dba/history_tables.h"
#include "dba/record_locks.h"

namespace dba {

namespace {

using pg::Param;
using pg::Query;

const Query kRemove{"remove", "SELECT dnt.remove_record($1::bytea, $2::bytea, $3::int8, $4::int8, $5::bool, "
                             "$6::int8, $7::bytea)::int8"};
const Query kOpenRun{"open_run",
                     "SELECT dnt.open_run($1::int8, $2::text, $3::text, $4::text, $5::text, $6::text, $7::text, $8::int8)"};
const Query kFinishRun{"finish_run", "SELECT dnt.finish_run($1::int8, $2::text)"};
const Query kMarkUndone{"mark_undone", "SELECT dnt.mark_undone($1::int8, $2::int8)"};
const Query kTryLockRun{"try_lock_run", "SELECT pg_try_advisory_lock($1::int8)"};
const Query kUnlockRun{"unlock_run", "SELECT pg_advisory_unlock($1::int8)"};
const Query kAnnounce{"announce_run", "SELECT dnt.announce_run($1::text, $2::text, $3::text, $4::int8)"};
// Only a holder whose session still holds the lock: an earlier one's row stays.
const Query kHolder{"run_holder",
                    "SELECT h.login, h.since, h.run FROM dnt.run_holders h WHERE h.quarter = $1::text "
                    "AND h.centre = $2::text AND EXISTS (SELECT 1 FROM pg_locks l WHERE l.locktype = 'advisory' "
                    "AND l.pid = h.pid AND l.granted AND l.objsubid = 1 "
                    "AND ((l.classid::bigint << 32) | l.objid::bigint) = $3::int8)"};

// A row of a result, read as the history reads it.
class ResultRow : public SqlRow {
public:
    ResultRow(const pg::Result& r, int row) : r_(r), row_(row) {}
    long long integer(int column) const override { return r_.int64(row_, column); }
    std::string text(int column) const override { return std::string(r_.bytes(row_, column)); }
    std::optional<std::string> optionalText(int column) const override {
        if (r_.isNull(row_, column)) return std::nullopt;
        return text(column);
    }

private:
    const pg::Result& r_;
    int row_;
};

}  // namespace

void PgStorage::removeRecord(std::string_view file, std::string_view key, const Version& read) {
    const bool mine = holds(file, key);
    const long long lock = recordLockOffset(file, key);
    const std::string expected = read.known ? std::to_string(read.value) : "-1";
    const std::string run = std::to_string(openRunNumber());
    pg::Result r = conn_.run(kRemove, {Param{file}, Param{key}, Param::text(expected), Param::text(std::to_string(lock)),
                                       Param::text(mine ? "t" : "f"), Param::text(run), Param{runUnit()}});
    forgetRecord(file, key);
    refuseWrite(r.int64(0, 0), file, key);
    if (mine) freedByWrite_ = lock;
}

long long PgStorage::insertRun(const RunInfo& info, long long reserved) {
    requireWritable();
    pg::Result r = conn_.run(kOpenRun, {Param::text(std::to_string(reserved)), Param::text(info.time),
                                        Param::text(info.quarter), Param::text(info.centre), Param::text(info.options),
                                        Param::text(info.output), Param::text(info.kind),
                                        Param::text(std::to_string(info.undoes))});
    return r.int64(0, 0);
}

long long PgStorage::finishRun(long long run, const std::string& note) {
    return conn_.run(kFinishRun, {Param::text(std::to_string(run)), Param::text(note)}).int64(0, 0);
}

void PgStorage::markUndone(long long run, long long by) {
    conn_.run(kMarkUndone, {Param::text(std::to_string(run)), Param::text(std::to_string(by))});
}

void PgStorage::query(const std::string& sql, const std::vector<long long>& parameters,
                      const std::function<void(const SqlRow&)>& row) {
    if (!row && parameters.empty()) {
        conn_.exec(sql);
        return;
    }
    std::vector<std::string> texts;
    texts.reserve(parameters.size());
    for (long long p : parameters) texts.push_back(std::to_string(p));
    std::vector<Param> params;
    for (const std::string& text : texts) params.push_back(Param::text(text));
    pg::Result r = conn_.runOnce(sql, params);
    if (row)
        for (int i = 0; i < r.rows(); ++i) row(ResultRow(r, i));
}

std::vector<RunRow> PgStorage::runs() { return readRuns(*this); }

std::optional<RunDetail> PgStorage::run(long long number) { return readRun(*this, number); }

bool PgStorage::tryLockRun(std::string_view quarter, std::string_view centre) {
    requireWritable();
    return conn_.run(kTryLockRun, {Param::text(std::to_string(runLockOffset(quarter, centre)))}).boolean(0, 0);
}

void PgStorage::unlockRun(std::string_view quarter, std::string_view centre) {
    try {
        conn_.run(kUnlockRun, {Param::text(std::to_string(runLockOffset(quarter, centre)))});
    } catch (const DbError&) {
        if (!conn_.lost()) throw;  // a session that is gone holds nothing
    }
}

void PgStorage::announceRun(std::string_view quarter, std::string_view centre, const RunHolder& holder) {
    reservedRun_ = conn_.run(kAnnounce, {Param::text(quarter), Param::text(centre), Param::text(holder.since),
                                         Param::text(std::to_string(runLockOffset(quarter, centre)))})
                       .int64(0, 0);
}

std::optional<RunHolder> PgStorage::runHolder(std::string_view quarter, std::string_view centre) {
    pg::Result r = conn_.run(kHolder, {Param::text(quarter), Param::text(centre),
                                       Param::text(std::to_string(runLockOffset(quarter, centre)))});
    if (r.rows() == 0) return std::nullopt;
    return RunHolder{std::string(r.bytes(0, 0)), std::string(r.bytes(0, 1)), r.int64(0, 2)};
}

}  // namespace dba
