// `dnt db copy --from A --to B [--replace]`: copies a whole declaration database between a
// file and a server, either way, or between two of a kind, in one transaction on B.
#include <filesystem>
#include <iostream>

#include "apps/dnt/cli.h"
#include "apps/dnt/db_target.h"
#include "dba/copy.h"
#include "dba/database.h"
#include "dba/pg_connection.h"
#include "common/declaration_database.h"

namespace cli {

namespace {

bool sameTarget(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return !dba::isServerTarget(a) && !dba::isServerTarget(b) && std::filesystem::equivalent(a, b, ec);
}

}  // namespace

int runCopy(const Args& a) {
    if (!a.positional.empty()) throw UsageError("dnt db copy takes no argument \"" + a.positional[0] + "\"");
    const std::string from = a.require("from"), to = a.require("to");
    if (sameTarget(from, to)) throw UsageError("--from and --to name the same database " + dba::pg::describeTarget(to));
    auto source = dnt::openDeclarationDatabase(from, dba::OpenMode::ReadOnly);
    NewDatabaseGuard guard(to);
    auto destination = dnt::openDeclarationDatabase(to, dba::OpenMode::Create);
    dba::CopyCounts n = dba::copyDatabase(source->storage(), destination->storage(), a.has("replace"));
    const std::string where = destination->storage().where();
    destination.reset();
    guard.keep();
    std::cerr << "copied " << n.files << " files, " << n.dictItems << " dictionary items and " << n.records
              << " records from " << source->storage().where() << " to " << where << "\n";
    return kOk;
}

}  // namespace cli
