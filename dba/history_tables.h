// The run history's tables, written once for both back-ends over an SQL session: their
// schema, the rows read back, and the store emptied with them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dba/run_history.h"
#include "dba/sql_session.h"

namespace dba {

// The tables of the run history (runs, run_images, run_holders), made when absent.
std::string historySchema(const SqlDialect& d);

// Every run, in number order. `notes`: whether the runs have their note column (a file of
// an earlier version opened for reading only has none).
std::vector<RunRow> readRuns(SqlSession& session, bool notes = true);
// One run with its images, sorted by unit, file and key; nothing when there is none.
std::optional<RunDetail> readRun(SqlSession& session, long long number, bool notes = true);

// Empties the store in the transaction open: records, dictionary, files, the history and,
// with `indexTables`, the indexes; the dictionary's version moves on, the demo's mark goes.
void clearStore(SqlSession& session, bool indexTables);

}  // namespace dba
