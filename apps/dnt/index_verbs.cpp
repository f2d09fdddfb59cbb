// `dnt db index create|drop|list`: the secondary indexes on dictionary items, which
// requests use for an equality or a "]" prefix on an indexed item.
#include <iostream>

#include "apps/dnt/cli.h"
#include "dba/database.h"
#include "common/declaration_database.h"

namespace cli {

namespace {

const char* kIndexUsage =
    "usage: dnt db index create --db PATH|URI FILE ITEM   ITEM: a field number or a dictionary item of FILE\n"
    "       dnt db index drop --db PATH|URI FILE ITEM\n"
    "       dnt db index list --db PATH|URI [FILE]\n";

}  // namespace

int runIndex(const Args& a) {
    if (a.positional.empty()) throw UsageError(kIndexUsage);
    const std::string& verb = a.positional[0];
    if (verb == "list") {
        if (a.positional.size() > 2) throw UsageError(kIndexUsage);
        auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
        for (const dba::IndexDef& index : db->storage().indexes(a.positional.size() == 2 ? a.positional[1] : ""))
            std::cout << index.file << "\t" << index.item << "\n";
        std::cout.flush();
        return std::cout ? kOk : kDataError;
    }
    if (verb != "create" && verb != "drop") throw UsageError("unknown verb db index " + verb + "\n" + kIndexUsage);
    if (a.positional.size() != 3) throw UsageError("dnt db index " + verb + " needs a file and an item\n" + kIndexUsage);
    auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadWrite);
    const std::string& file = a.positional[1];
    const std::string& item = a.positional[2];
    if (verb == "create") {
        db->storage().createIndex(file, item);
        std::cerr << "dnt: index of " << item << " of " << file << " made\n";
    } else {
        db->storage().dropIndex(file, item);
        std::cerr << "dnt: index of " << item << " of " << file << " dropped\n";
    }
    return kOk;
}

}  // namespace cli
