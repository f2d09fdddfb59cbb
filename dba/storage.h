// The SQLite store under the multivalue database: files of records keyed by text,
// dictionary items, and update locks that hold across connections and processes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace dba {

struct DictItem {
    std::string file;
    std::string name;
    std::string expr;
};

// One prepared statement, reset after each use.
class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int i, std::string_view text);
    Statement& bind(int i, long long number);
    Statement& bindBlob(int i, std::string_view data);
    bool step();  // true while a row is available
    std::string_view column(int i);
    long long columnInt(int i);
    void reset();

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class Storage {
public:
    // Opens (creating it when asked) one database file in WAL mode with synchronous FULL.
    Storage(const std::string& path, bool create);
    ~Storage();
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    const std::string& path() const { return path_; }

    bool fileExists(std::string_view file);
    void createFile(std::string_view file);
    std::vector<std::string> fileNames();

    std::optional<std::string> get(std::string_view file, std::string_view key);
    void put(std::string_view file, std::string_view key, std::string_view data);
    // Visits every record of a file in key byte order; the views live for one call.
    void scan(std::string_view file, const std::function<void(std::string_view key, std::string_view data)>& visit);
    long long count(std::string_view file);

    std::vector<DictItem> dictItems(std::string_view file = {});
    void putDict(const DictItem& item);
    // Changes whenever any dictionary item changes, in any connection.
    long long dictVersion();

    // Update locks. tryLock succeeds when the record is free, already ours, or held
    // by a process that has died; unlock frees only a lock of this connection.
    bool tryLock(std::string_view file, std::string_view key);
    void unlock(std::string_view file, std::string_view key);
    void unlockAll();

    // Writes a record and frees this connection's lock on it, in one transaction.
    void write(std::string_view file, std::string_view key, std::string_view data);

    // Runs `work` inside one IMMEDIATE transaction: everything or nothing.
    void transaction(const std::function<void()>& work);

    void exec(const char* sql);

private:
    bool ownerAlive(std::string_view owner);

    std::string path_;
    sqlite3* db_ = nullptr;
    std::string owner_;  // "pid:start-time:serial", unique to this connection
    int depth_ = 0;
    std::unique_ptr<Statement> get_, put_, fileExists_, createFile_, lockGet_, lockPut_, lockDel_;
};

}  // namespace dba
