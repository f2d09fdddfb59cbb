// What the tables kept beside the records (the run history) need of a back-end's SQL
// connection: a statement with numbered parameters whose rows are read column by column,
// and the few words in which the file's SQL and the server's differ. The history is
// written once over it; records, locks and transactions stay each back-end's own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dba {

struct SqlDialect {
    const char* schema;         // what names a table: "" (the file) or "dnt." (the server's schema)
    char parameter;             // before a parameter's number: '?' (?1) or '$' ($1)
    const char* number;         // a run's number: "INTEGER" or "bigint"
    const char* name;           // a file, key or unit: "TEXT" or "bytea" (bytes, never converted)
    const char* blob;           // a record's text: "BLOB" or "bytea"
    const char* keyedTable;     // after a table with a primary key: " WITHOUT ROWID" or nothing
    const char* runNumbers;     // what numbers the runs, made before the tables: a sequence, or nothing
    const char* runExtra;       // columns a back-end adds to a run (the server: its transaction)
    const char* holderProcess;  // who holds a run: "process TEXT" ("pid:start") or "pid integer"
    const char* nextNumber;     // the number after a text column's number: "value + 1" or a cast

    // The parameter `n` (from 1), as the dialect writes it.
    std::string param(int n) const { return parameter + std::to_string(n); }
    // `table` as the dialect names it.
    std::string table(const char* table) const { return std::string(schema) + table; }
};

inline constexpr SqlDialect kFileDialect{"", '?', "INTEGER", "TEXT", "BLOB", " WITHOUT ROWID", "", "",
                                         "process TEXT", "value + 1"};
inline constexpr SqlDialect kServerDialect{
    "dnt.", '$', "bigint", "bytea", "bytea", "", "CREATE SEQUENCE IF NOT EXISTS dnt.run_numbers;",
    ", xact xid8 NOT NULL DEFAULT '0'", "pid integer", "(value::int8 + 1)::text"};

// One row of a result: columns by their position, from 0.
class SqlRow {
public:
    virtual ~SqlRow() = default;
    virtual long long integer(int column) const = 0;
    virtual std::string text(int column) const = 0;
    // A text, or nothing for SQL NULL.
    virtual std::optional<std::string> optionalText(int column) const = 0;
};

class SqlSession {
public:
    virtual ~SqlSession() = default;
    virtual const SqlDialect& dialect() const = 0;
    // Runs one statement (or, without parameters, several) in the transaction open, giving
    // each row to `row`; a failure raises DbError(kErrStorage).
    virtual void query(const std::string& sql, const std::vector<long long>& parameters,
                       const std::function<void(const SqlRow&)>& row = {}) = 0;
};

}  // namespace dba
