// What a --db target means for the files around it: the outputs a run may not write over
// (the database and its companion files), and a database that a failed command created
// and must not leave behind.
#pragma once

#include <string>

namespace cli {

// Raises UsageError when `path`, given with `option`, is the database of `dbTarget` or one
// of its companion files (-wal, -shm, -locks), through links too.
void refuseDatabaseFile(const std::string& dbTarget, const std::string& path, const std::string& option);

// Removes, when the command fails, a database file that did not exist before it.
class NewDatabaseGuard {
public:
    explicit NewDatabaseGuard(std::string target);
    ~NewDatabaseGuard();
    NewDatabaseGuard(const NewDatabaseGuard&) = delete;
    NewDatabaseGuard& operator=(const NewDatabaseGuard&) = delete;
    void keep() { armed_ = false; }

private:
    std::string target_;
    bool armed_ = false;
};

}  // namespace cli
