// The database's files, as the command line protects them.
#include "apps/dnt/db_target.h"

#include <filesystem>
#include <system_error>

#include "apps/dnt/cli.h"
#include "dba/sqlite_storage.h"
#include "dba/storage.h"

namespace cli {

namespace fs = std::filesystem;

namespace {

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
    fs::path ca = fs::weakly_canonical(a, ec);
    if (ec) return false;
    fs::path cb = fs::weakly_canonical(b, ec);
    return !ec && ca == cb;
}

}  // namespace

void refuseDatabaseFile(const std::string& dbTarget, const std::string& path, const std::string& option) {
    if (path.empty() || dba::isServerTarget(dbTarget)) return;
    for (const std::string& file : dba::SqliteStorage::companions(dbTarget))
        if (sameFile(path, file))
            throw UsageError("--" + option + " " + path + " is the database " +
                             (file == dbTarget ? std::string() : "file " + file + " ") +
                             "itself: choose another file");
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
