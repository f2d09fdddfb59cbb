// Prepared SQLite statements.
#include "dba/sqlite_statement.h"

#include <sqlite3.h>

#include "dba/errors.h"

namespace dba {

Statement::Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK)
        throw DbError(kErrStorage, std::string("database: prepare ") + sql + ": " + sqlite3_errmsg(db));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int i, std::string_view text) {
    sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bindBlob(int i, std::string_view data) {
    sqlite3_bind_blob(stmt_, i, data.data(), static_cast<int>(data.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bind(int i, long long number) {
    sqlite3_bind_int64(stmt_, i, number);
    return *this;
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    std::string msg = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    throw DbError(kErrStorage, "database: " + msg);
}

std::string_view Statement::column(int i) {
    const char* p = static_cast<const char*>(sqlite3_column_blob(stmt_, i));
    int n = sqlite3_column_bytes(stmt_, i);
    return p ? std::string_view(p, static_cast<size_t>(n)) : std::string_view{};
}

long long Statement::columnInt(int i) { return sqlite3_column_int64(stmt_, i); }

bool Statement::columnIsNull(int i) { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

}  // namespace dba
