// One prepared SQLite statement, with texts bound without copies and a guard that
// resets it at the end of a scope.
#pragma once

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dba {

class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Bound texts and blobs are not copied: the caller keeps them alive until reset().
    Statement& bind(int i, std::string_view text);
    Statement& bind(int i, long long number);
    Statement& bindBlob(int i, std::string_view data);
    bool step();  // true while a row is available; an error raises DbError(kErrStorage)
    std::string_view column(int i);
    long long columnInt(int i);
    bool columnIsNull(int i);
    void reset();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Resets a statement at the end of a scope, whatever happens inside.
struct Resetter {
    Statement& s;
    ~Resetter() { s.reset(); }
};

}  // namespace dba
