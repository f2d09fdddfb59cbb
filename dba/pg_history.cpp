// The history of runs on the server: tables of the schema, written in the run's transaction.
#include "dba/pg_storage.h"

#include "dba/errors.h"

namespace dba {

namespace {

using pg::Param;
using pg::Query;

const Query kRemove{"remove", "DELETE FROM dnt.records WHERE file = $1 AND key = $2"};
const Query kAddRun{"add_run",
                    "INSERT INTO dnt.runs(time, login, quarter, centre, options, output, kind, undoes) "
                    "VALUES ($1::text, $2::text, $3::text, $4::text, $5::text, $6::text, $7::text, "
                    "NULLIF($8::int8, 0)) RETURNING number"};
const Query kAddImage{"add_image",
                      "INSERT INTO dnt.run_images(run, file, key, unit, before, after) "
                      "VALUES ($1::int8, $2, $3, $4, $5, $6) "
                      "ON CONFLICT (run, file, key) DO UPDATE SET after = EXCLUDED.after"};
const Query kSetUnits{"set_run_units", "UPDATE dnt.runs SET units = $2::int4 WHERE number = $1::int8"};
const Query kRemoveImages{"remove_run_images", "DELETE FROM dnt.run_images WHERE run = $1::int8"};
const Query kRemoveRun{"remove_run", "DELETE FROM dnt.runs WHERE number = $1::int8"};
const Query kUndoneBy{"set_undone_by", "UPDATE dnt.runs SET undone_by = $2::int8 WHERE number = $1::int8"};
const Query kRuns{"runs", "SELECT number, time, login, quarter, centre, options, output, kind, coalesce(undoes, 0), "
                          "units::int8, coalesce(undone_by, 0) FROM dnt.runs ORDER BY number"};
const Query kRun{"run", "SELECT number, time, login, quarter, centre, options, output, kind, coalesce(undoes, 0), "
                        "units::int8, coalesce(undone_by, 0) FROM dnt.runs WHERE number = $1::int8"};
const Query kImages{"run_images",
                    "SELECT unit, file, key, before, after FROM dnt.run_images WHERE run = $1::int8 "
                    "ORDER BY unit, file, key"};
const Query kLater{"later_runs",
                   "SELECT run FROM dnt.run_images WHERE file = $1 AND key = $2 AND run > $3::int8 ORDER BY run"};

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
    return row;
}

std::optional<std::string> optionalBytes(const pg::Result& r, int i, int col) {
    if (r.isNull(i, col)) return std::nullopt;
    return std::string(r.bytes(i, col));
}

}  // namespace

void PgStorage::remove(std::string_view file, std::string_view key) {
    requireWritable();
    forgetRecord(file, key);
    conn_.run(kRemove, {Param{file}, Param{key}});
}

long long PgStorage::addRun(const RunInfo& info) {
    requireWritable();
    const std::string undoes = std::to_string(info.undoes);
    pg::Result r = conn_.run(kAddRun, {Param::text(info.time), Param::text(info.login), Param::text(info.quarter),
                                       Param::text(info.centre), Param::text(info.options), Param::text(info.output),
                                       Param::text(info.kind), Param::text(undoes)});
    return r.int64(0, 0);
}

void PgStorage::addImages(long long run, const std::vector<RecordImage>& images) {
    requireWritable();
    const std::string number = std::to_string(run);
    // Nobody needs an answer before the commit: the images go in the pipeline.
    for (const RecordImage& im : images)
        conn_.send(kAddImage, {Param::text(number), Param{im.file}, Param{im.key}, Param{im.unit},
                               Param::optional(im.before), Param::optional(im.after)});
}

void PgStorage::setRunUnits(long long run, long units) {
    conn_.run(kSetUnits, {Param::text(std::to_string(run)), Param::text(std::to_string(units))});
}

void PgStorage::removeRun(long long run) {
    const std::string number = std::to_string(run);
    conn_.run(kRemoveImages, {Param::text(number)});
    conn_.run(kRemoveRun, {Param::text(number)});
}

void PgStorage::setUndoneBy(long long run, long long by) {
    conn_.run(kUndoneBy, {Param::text(std::to_string(run)), Param::text(std::to_string(by))});
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

std::vector<long long> PgStorage::laterRuns(long long run, std::string_view file, std::string_view key) {
    pg::Result r = conn_.run(kLater, {Param{file}, Param{key}, Param::text(std::to_string(run))});
    std::vector<long long> later;
    for (int i = 0; i < r.rows(); ++i) later.push_back(r.int64(i, 0));
    return later;
}

}  // namespace dba
