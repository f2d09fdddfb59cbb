// The run history's schema, its reads and the emptying of the store, in the SQL both
// back-ends speak, the few words that differ taken from the dialect.
#include "dba/history_tables.h"

namespace dba {

std::string historySchema(const SqlDialect& d) {
    const std::string number = d.number, name = d.name, blob = d.blob, keyed = d.keyedTable;
    return std::string(d.runNumbers) + "CREATE TABLE IF NOT EXISTS " + d.table("runs") + "(number " + number +
           " PRIMARY KEY, time TEXT NOT NULL, login TEXT NOT NULL, quarter TEXT NOT NULL, centre TEXT NOT NULL, "
           "options TEXT NOT NULL, output TEXT NOT NULL, kind TEXT NOT NULL, undoes " + number +
           ", units INTEGER NOT NULL DEFAULT 0, undone_by " + number + ", note TEXT NOT NULL DEFAULT ''" + d.runExtra +
           ");\nCREATE TABLE IF NOT EXISTS " + d.table("run_images") + "(run " + number + " NOT NULL, file " + name +
           " NOT NULL, key " + name + " NOT NULL, unit " + name + " NOT NULL, before " + blob + ", after " + blob +
           ", PRIMARY KEY(run, file, key))" + keyed + ";\nCREATE INDEX IF NOT EXISTS run_images_record ON " +
           d.table("run_images") + "(file, key, run);\nCREATE TABLE IF NOT EXISTS " + d.table("run_holders") +
           "(quarter TEXT NOT NULL, centre TEXT NOT NULL, login TEXT NOT NULL, since TEXT NOT NULL, run " + number +
           " NOT NULL, " + d.holderProcess + " NOT NULL, PRIMARY KEY(quarter, centre))" + keyed + ";\n";
}

namespace {

// The columns of a run's row, in the order runRow() reads them.
std::string runColumns(const SqlDialect& d, bool notes) {
    return std::string("SELECT number, time, login, quarter, centre, options, output, kind, coalesce(undoes, 0), "
                       "CAST(units AS BIGINT), coalesce(undone_by, 0), ") +
           (notes ? "note" : "''") + " FROM " + d.table("runs");
}

RunRow runRow(const SqlRow& r) {
    RunRow row;
    row.number = r.integer(0);
    row.info.time = r.text(1);
    row.info.login = r.text(2);
    row.info.quarter = r.text(3);
    row.info.centre = r.text(4);
    row.info.options = r.text(5);
    row.info.output = r.text(6);
    row.info.kind = r.text(7);
    row.info.undoes = r.integer(8);
    row.units = static_cast<long>(r.integer(9));
    row.undoneBy = r.integer(10);
    row.note = r.text(11);
    return row;
}

}  // namespace

std::vector<RunRow> readRuns(SqlSession& session, bool notes) {
    std::vector<RunRow> rows;
    session.query(runColumns(session.dialect(), notes) + " ORDER BY number", {},
                  [&](const SqlRow& r) { rows.push_back(runRow(r)); });
    return rows;
}

std::optional<RunDetail> readRun(SqlSession& session, long long number, bool notes) {
    const SqlDialect& d = session.dialect();
    std::optional<RunDetail> detail;
    session.query(runColumns(d, notes) + " WHERE number = " + d.param(1), {number},
                  [&](const SqlRow& r) { detail = RunDetail{runRow(r), {}}; });
    if (!detail) return detail;
    session.query("SELECT unit, file, key, before, after FROM " + d.table("run_images") + " WHERE run = " + d.param(1) +
                      " ORDER BY unit, file, key",
                  {number}, [&](const SqlRow& r) {
                      detail->images.push_back({r.text(0), r.text(1), r.text(2), r.optionalText(3), r.optionalText(4)});
                  });
    return detail;
}

void clearStore(SqlSession& session, bool indexTables) {
    const SqlDialect& d = session.dialect();
    std::string sql;
    for (const char* table : {"records", "dict", "files", "run_images", "runs", "run_holders"})
        sql += "DELETE FROM " + d.table(table) + ";";
    if (indexTables)
        for (const char* table : {"indexes", "index_entries", "index_lookups"}) sql += "DELETE FROM " + d.table(table) + ";";
    sql += "DELETE FROM " + d.table("meta") + " WHERE name = 'demo_seed';";
    sql += "UPDATE " + d.table("meta") + " SET value = " + d.nextNumber + " WHERE name = 'dict_version'";
    session.query(sql, {});
}

}  // namespace dba
