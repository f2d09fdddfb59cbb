// `dnt db ...`: import and export dumps, run a query sentence, show one record (copy and
// init-server have files of their own). The verbs that only read open the database for
// reading only and never write to it.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "apps/dnt/cli.h"
#include "apps/dnt/db_target.h"
#include "dba/database.h"
#include "dba/errors.h"
#include "dba/jsonl.h"
#include "dba/sentence.h"

namespace cli {

namespace {

const char* kDbUsage =
    "usage: dnt db import --db PATH|URI FILE.jsonl\n"
    "       dnt db export --db PATH|URI [FILE ...]\n"
    "       dnt db query --db PATH|URI \"SSELECT ...\" [--fields \"0 3\"]\n"
    "       dnt db show --db PATH|URI FILE KEY\n"
    "       dnt db runs --db PATH|URI            the runs that wrote records\n"
    "       dnt db run --db PATH|URI N           one run and its aidés\n"
    "       dnt db undo --db PATH|URI N [--user LOGIN] [--wait SECONDS]   take run N back\n"
    "       dnt db copy --from PATH|URI --to PATH|URI [--replace]\n"
    "       dnt db init-server --db URI [--owner ROLE] [--printers ROLE,...]\n"
    "       dnt db index create|drop --db PATH|URI FILE ITEM   an index of a field or dictionary item\n"
    "       dnt db index list --db PATH|URI [FILE]\n";

// Shows mark characters readably: values separated by tabs, sub-values by " | ".
std::string readable(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == dba::VM) out += '\t';
        else if (c == dba::SM) out += " | ";
        else out += c;
    }
    return out;
}

// Standard output that could not take everything is a failure, not a success.
int flushed() {
    std::cout.flush();
    if (!std::cout) throw dba::DbError(dba::kErrStorage, "standard output could not be written");
    return kOk;
}

int import(const Args& a) {
    if (a.positional.size() != 1) throw UsageError("dnt db import needs one dump file\n" + std::string(kDbUsage));
    const std::string target = a.require("db");
    std::ifstream in(a.positional[0], std::ios::binary);
    if (!in) {
        std::cerr << "dnt: cannot read " << a.positional[0] << "\n";
        return kDataError;
    }
    // The whole dump is read and checked first: a bad dump creates nothing.
    dba::Dump dump = dba::readDump(in);
    NewDatabaseGuard guard(target);
    auto db = dba::Database::Open(target, dba::OpenMode::Create);
    dba::ImportCounts n = dba::loadDump(*db, dump);
    const std::string where = db->storage().where();  // a server without its password
    db.reset();
    guard.keep();
    std::cerr << "imported " << n.records << " records and " << n.dictItems << " dictionary items into " << where
              << "\n";
    return kOk;
}

int query(const Args& a) {
    if (a.positional.size() != 1) throw UsageError("dnt db query needs one sentence\n" + std::string(kDbUsage));
    auto db = dba::Database::Open(a.require("db"), dba::OpenMode::ReadOnly);
    const std::string& sentence = a.positional[0];
    // The file of the request is the one the sentence selects from.
    const std::string file = dba::parseSentence(sentence).file;
    dba::DynArray request;
    request.Replace(1, 0, 0, sentence);
    request.Replace(2, 0, 0, file);
    request.Replace(3, 0, 0, a.get("fields", "0"));
    dba::DynArray rows(db->DBExecute(request.text()));
    for (int i = 1; i <= rows.DCount(); ++i) std::cout << readable(rows.element(i)) << "\n";
    return flushed();
}

}  // namespace

int runDb(int argc, char** argv) {
    if (argc < 3) throw UsageError(kDbUsage);
    std::string verb = argv[2];
    if (verb == "import") return import(parseArgs(argc, argv, 3, {"db"}));
    if (verb == "export") {
        Args a = parseArgs(argc, argv, 3, {"db"});
        auto db = dba::Database::Open(a.require("db"), dba::OpenMode::ReadOnly);
        dba::exportJsonl(*db, std::cout, a.positional);
        return flushed();
    }
    if (verb == "query") return query(parseArgs(argc, argv, 3, {"db", "fields"}));
    if (verb == "copy") return runCopy(parseArgs(argc, argv, 3, {"from", "to", "replace"}, {"replace"}));
    if (verb == "init-server") return runInitServer(parseArgs(argc, argv, 3, {"db", "owner", "printers"}));
    if (verb == "show") {
        Args a = parseArgs(argc, argv, 3, {"db"});
        if (a.positional.size() != 2) throw UsageError("dnt db show needs a file and a key\n" + std::string(kDbUsage));
        auto db = dba::Database::Open(a.require("db"), dba::OpenMode::ReadOnly);
        dba::Record r = db->DBOpenFile(a.positional[0])->DBRead(a.positional[1]);
        std::cout << dba::recordLine(a.positional[0], a.positional[1], r.text()) << "\n";
        return flushed();
    }
    if (verb == "index") return runIndex(parseArgs(argc, argv, 3, {"db"}));
    if (verb == "runs") return listRuns(parseArgs(argc, argv, 3, {"db"}));
    if (verb == "run") return showRun(parseArgs(argc, argv, 3, {"db"}));
    if (verb == "undo") return undoRun(parseArgs(argc, argv, 3, {"db", "user", "wait"}), currentLogin());
    throw UsageError("unknown verb db " + verb + "\n" + kDbUsage);
}

}  // namespace cli
