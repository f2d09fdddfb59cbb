// What a --db target means for the files around it: the outputs a run may not write over
// (the database and its companion files), and a database that a failed command created
// and must not leave behind.
#pragma once

#include <string>
#include <vector>

#include "dba/file_identity.h"

namespace cli {

// Raises UsageError when one of `outputs` is the database of `dbTarget`, one of its
// companion files (-wal, -shm, -journal, -locks) or another of the outputs, however it is
// spelt and through links too (file_identity.h). Called before anything is opened.
void refuseSameFiles(const std::string& dbTarget, const std::vector<dba::NamedFile>& outputs);

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
