// The database's files, as the command line protects them.
#include "apps/dnt/db_target.h"

#include <filesystem>
#include <system_error>

#include "apps/dnt/cli.h"
#include "dba/sqlite_storage.h"
#include "dba/storage.h"

namespace cli {

namespace fs = std::filesystem;

void refuseSameFiles(const std::string& dbTarget, const std::vector<dba::NamedFile>& outputs) {
    const auto same = dba::sameFile(dba::databaseFiles(dbTarget), outputs);
    if (!same) return;
    const auto& [output, other] = *same;
    const std::string named = output.option + " " + output.path;
    if (other.option != "--db")
        throw UsageError(named + " and " + other.option + " " + other.path + " are the same file: choose another file");
    throw UsageError(named + " is " + (other.companion.empty() ? "" : "the " + other.companion + " file of ") +
                     "the database --db " + dbTarget + ": choose another file");
}

NewDatabaseGuard::NewDatabaseGuard(std::string target) : target_(std::move(target)) {
    std::error_code ec;
    armed_ = !dba::isServerTarget(target_) && !fs::exists(target_, ec);
}

NewDatabaseGuard::~NewDatabaseGuard() {
    if (!armed_) return;
    std::error_code ec;
    for (const std::string& file : dba::SqliteStorage::companions(target_)) fs::remove(file, ec);
}

}  // namespace cli
