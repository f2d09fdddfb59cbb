// The history of runs and the runs' locks on the file: tables of the database, written in
// the run's transaction; the run locks are bytes of the lock file.
#include <sqlite3.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "dba/errors.h"
#include "dba/history_tables.h"
#include "dba/sqlite_storage.h"

namespace dba {

namespace {

void bindOptional(Statement& s, int i, std::optional<std::string_view> v) {
    if (v) s.bindBlob(i, *v);
}

std::optional<std::string> optionalColumn(Statement& s, int i) {
    if (s.columnIsNull(i)) return std::nullopt;
    return std::string(s.column(i));
}

// This process as the holder of a run writes it, "pid:start", the start (in clock ticks
// since boot) telling a live process from a later one that got the same number.
std::string processOf(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The fields after the command, which may hold blanks and parentheses, start after its last ')'.
    const size_t end = text.rfind(')');
    if (end == std::string::npos) return {};
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) return std::to_string(pid) + ":" + field;
    }
    return {};
}

bool alive(const std::string& process) {
    const size_t colon = process.find(':');
    if (colon == std::string::npos) return false;
    return processOf(std::strtol(process.c_str(), nullptr, 10)) == process;
}

// A row of a statement, read as the history reads it.
class StatementRow : public SqlRow {
public:
    explicit StatementRow(Statement& s) : s_(s) {}
    long long integer(int column) const override { return s_.columnInt(column); }
    std::string text(int column) const override { return std::string(s_.column(column)); }
    std::optional<std::string> optionalText(int column) const override { return optionalColumn(s_, column); }

private:
    Statement& s_;
};

}  // namespace

void SqliteStorage::keepImage(std::string_view file, std::string_view key, std::optional<std::string_view> after) {
    Resetter r{*addImage_};
    addImage_->bind(1, openRunNumber()).bind(2, file).bind(3, key).bind(4, runUnit());
    bindOptional(*addImage_, 5, after);
    addImage_->step();
}

long long SqliteStorage::insertRun(const RunInfo& info, long long reserved) {
    Statement s(db_,
                "INSERT INTO runs(number, time, login, quarter, centre, options, output, kind, undoes) "
                "VALUES(coalesce(?9, (SELECT max(n) + 1 FROM (SELECT coalesce(max(number), 0) AS n FROM runs "
                "UNION ALL SELECT coalesce(max(run), 0) FROM run_holders))), "
                "?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) RETURNING number");
    s.bind(1, info.time).bind(2, info.login).bind(3, info.quarter).bind(4, info.centre).bind(5, info.options);
    s.bind(6, info.output).bind(7, info.kind);
    if (info.undoes) s.bind(8, info.undoes);
    if (reserved) s.bind(9, reserved);
    s.step();
    const long long number = s.columnInt(0);
    while (s.step()) {
    }
    return number;
}

long long SqliteStorage::finishRun(long long run, const std::string& note) {
    Statement images(db_, "SELECT count(DISTINCT CASE WHEN unit <> '' THEN unit END), count(*) FROM run_images "
                          "WHERE run=?1");
    images.bind(1, run).step();
    const long long units = images.columnInt(0), written = images.columnInt(1);
    images.reset();
    if (written == 0) {
        Statement drop(db_, "DELETE FROM runs WHERE number=?1");
        drop.bind(1, run).step();
        return 0;
    }
    Statement s(db_, "UPDATE runs SET units=?2, note=?3 WHERE number=?1");
    s.bind(1, run).bind(2, units).bind(3, note).step();
    return run;
}

void SqliteStorage::markUndone(long long run, long long by) {
    Statement s(db_, "UPDATE runs SET undone_by=?2 WHERE number=?1 AND undone_by IS NULL");
    s.bind(1, run).bind(2, by).step();
    if (sqlite3_changes(db_) != 1)
        throw DbError(kErrStorage, "run " + std::to_string(run) + " cannot be marked as undone");
}

void SqliteStorage::query(const std::string& sql, const std::vector<long long>& parameters,
                          const std::function<void(const SqlRow&)>& row) {
    if (!row && parameters.empty()) {
        exec(sql.c_str());
        return;
    }
    Statement s(db_, sql.c_str());
    for (size_t i = 0; i < parameters.size(); ++i) s.bind(static_cast<int>(i) + 1, parameters[i]);
    const StatementRow current(s);
    while (s.step())
        if (row) row(current);
}

// A database of an earlier version opened for reading only has no note column.
bool SqliteStorage::runsHaveNotes() {
    auto version = meta("schema_version");
    return version && std::strtoll(version->c_str(), nullptr, 10) >= 4;
}

std::vector<RunRow> SqliteStorage::runs() { return readRuns(*this, runsHaveNotes()); }

std::optional<RunDetail> SqliteStorage::run(long long number) { return readRun(*this, number, runsHaveNotes()); }

bool SqliteStorage::tryLockRun(std::string_view quarter, std::string_view centre) {
    return path_ == ":memory:" || locks().acquireAt(runLockOffset(quarter, centre));
}

void SqliteStorage::unlockRun(std::string_view quarter, std::string_view centre) {
    if (locks_) locks_->releaseAt(runLockOffset(quarter, centre));
}

void SqliteStorage::announceRun(std::string_view quarter, std::string_view centre, const RunHolder& holder) {
    // Committed before the run's transaction begins, so that a desk that waits reads it.
    transaction([&] {
        const std::string process = processOf(::getpid());
        Statement s(db_,
                    "INSERT OR REPLACE INTO run_holders(quarter, centre, login, since, run, process) "
                    "VALUES(?1, ?2, ?3, ?4, (SELECT max(n) + 1 FROM (SELECT coalesce(max(number), 0) AS n FROM runs "
                    "UNION ALL SELECT coalesce(max(run), 0) FROM run_holders)), ?5) RETURNING run");
        s.bind(1, quarter).bind(2, centre).bind(3, holder.login).bind(4, holder.since).bind(5, process);
        s.step();
        reservedRun_ = s.columnInt(0);
        while (s.step()) {
        }
    });
}

std::optional<RunHolder> SqliteStorage::runHolder(std::string_view quarter, std::string_view centre) {
    // Only a holder still alive is the one that holds the lock: an earlier one's row stays.
    Statement s(db_, "SELECT login, since, run, process FROM run_holders WHERE quarter=?1 AND centre=?2");
    s.bind(1, quarter).bind(2, centre);
    if (!s.step() || !alive(std::string(s.column(3)))) return std::nullopt;
    return RunHolder{std::string(s.column(0)), std::string(s.column(1)), s.columnInt(2)};
}

}  // namespace dba
