// The history of runs on the server, written through the schema's functions in the run's
// transaction, and the runs' locks (session-level advisory locks).
#include "dba/pg_storage.h"

#include "dba/errors.h"
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
const Query kRuns{"runs", "SELECT number, time, login, quarter, centre, options, output, kind, coalesce(undoes, 0), "
                          "units::int8, coalesce(undone_by, 0), note FROM dnt.runs ORDER BY number"};
const Query kRun{"run", "SELECT number, time, login, quarter, centre, options, output, kind, coalesce(undoes, 0), "
                        "units::int8, coalesce(undone_by, 0), note FROM dnt.runs WHERE number = $1::int8"};
const Query kImages{"run_images",
                    "SELECT unit, file, key, before, after FROM dnt.run_images WHERE run = $1::int8 "
                    "ORDER BY unit, file, key"};
const Query kTryLockRun{"try_lock_run", "SELECT pg_try_advisory_lock($1::int8)"};
const Query kUnlockRun{"unlock_run", "SELECT pg_advisory_unlock($1::int8)"};
const Query kAnnounce{"announce_run", "SELECT dnt.announce_run($1::text, $2::text, $3::text, $4::int8)"};
// Only a holder whose session still holds the lock: an earlier one's row stays.
const Query kHolder{"run_holder",
                    "SELECT h.login, h.since, h.run FROM dnt.run_holders h WHERE h.quarter = $1::text "
                    "AND h.centre = $2::text AND EXISTS (SELECT 1 FROM pg_locks l WHERE l.locktype = 'advisory' "
                    "AND l.pid = h.pid AND l.granted AND l.objsubid = 1 "
                    "AND ((l.classid::bigint << 32) | l.objid::bigint) = $3::int8)"};

RunRow runRow(const pg::Result& r, int i) {
    RunRow row;
    row.number = r.int64(i, 0);
    row.info.time = r.bytes(i, 1);
    row.info.login = r.bytes(i, 2);
    row.info.quarter = r.bytes(i, 3);
    row.info.centre = r.bytes(i, 4);
    row.info.options = r.bytes(i, 5);
    row.info.output = r.bytes(i, 6);
    row.info.kind = r.bytes(i, 7);
    row.info.undoes = r.int64(i, 8);
    row.units = static_cast<long>(r.int64(i, 9));
    row.undoneBy = r.int64(i, 10);
    row.note = r.bytes(i, 11);
    return row;
}

std::optional<std::string> optionalBytes(const pg::Result& r, int i, int col) {
    if (r.isNull(i, col)) return std::nullopt;
    return std::string(r.bytes(i, col));
}

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

std::vector<RunRow> PgStorage::runs() {
    pg::Result r = conn_.run(kRuns, {});
    std::vector<RunRow> rows;
    for (int i = 0; i < r.rows(); ++i) rows.push_back(runRow(r, i));
    return rows;
}

std::optional<RunDetail> PgStorage::run(long long number) {
    const std::string n = std::to_string(number);
    pg::Result r = conn_.run(kRun, {Param::text(n)});
    if (r.rows() == 0) return std::nullopt;
    RunDetail d;
    d.row = runRow(r, 0);
    pg::Result im = conn_.run(kImages, {Param::text(n)});
    for (int i = 0; i < im.rows(); ++i)
        d.images.push_back({std::string(im.bytes(i, 0)), std::string(im.bytes(i, 1)), std::string(im.bytes(i, 2)),
                            optionalBytes(im, i, 3), optionalBytes(im, i, 4)});
    return d;
}

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
