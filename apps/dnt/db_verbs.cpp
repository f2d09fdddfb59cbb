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
#include "apps/usage/usage.h"
#include "common/declaration_database.h"

namespace cli {

namespace {

// The db verbs' synopses, for a line that names none or a wrong one.
std::string dbUsage() {
    std::string text;
    for (const usage::Verb& v : usage::dnt().verbs)
        if (v.name.rfind("db ", 0) == 0) text += (text.empty() ? "usage: dnt " : "       dnt ") + v.name + " " + v.synopsis + "\n";
    return text;
}

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

int import(const Args& a) {
    if (a.positional.size() != 1) throw UsageError("dnt db import needs one dump file\n" + dbUsage());
    const std::string target = a.require("db");
    std::ifstream in(a.positional[0], std::ios::binary);
    if (!in) {
        std::cerr << "dnt: cannot read " << a.positional[0] << "\n";
        return kDataError;
    }
    // The whole dump is read and checked first: a bad dump creates nothing.
    dba::Dump dump = dba::readDump(in);
    NewDatabaseGuard guard(target);
    auto db = dnt::openDeclarationDatabase(target, dba::OpenMode::Create);
    dba::ImportCounts n = dba::loadDump(*db, dump);
    const std::string where = db->storage().where();  // a server without its password
    db.reset();
    guard.keep();
    std::cerr << "imported " << n.records << " records and " << n.dictItems << " dictionary items into " << where
              << "\n";
    return kOk;
}

int query(const Args& a) {
    if (a.positional.size() != 1) throw UsageError("dnt db query needs one sentence\n" + dbUsage());
    auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
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
    if (argc < 3) throw UsageError(dbUsage());
    std::string verb = argv[2];
    if (verb == "--help" || verb == "-h") {
        std::cout << usage::familyHelp(usage::dnt(), "db");
        return kOk;
    }
    if (!usage::findVerb(usage::dnt(), "db " + verb)) throw UsageError("unknown verb db " + verb + "\n" + dbUsage());
    const Args a = parseArgs(argc, argv, 3, "db " + verb);
    if (verb == "import") return import(a);
    if (verb == "export") {
        auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
        dba::exportJsonl(*db, std::cout, a.positional);
        return flushed();
    }
    if (verb == "query") return query(a);
    if (verb == "copy") return runCopy(a);
    if (verb == "init-server") return runInitServer(a);
    if (verb == "show") {
        if (a.positional.size() != 2) throw UsageError("dnt db show needs a file and a key\n" + dbUsage());
        auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
        dba::Record r = db->DBOpenFile(a.positional[0])->DBRead(a.positional[1]);
        std::cout << dba::recordLine(a.positional[0], a.positional[1], r.text()) << "\n";
        return flushed();
    }
    if (verb == "index") return runIndex(a);
    if (verb == "quarters") return listQuarters(a);
    if (verb == "runs") return listRuns(a);
    if (verb == "run") return showRun(a);
    if (verb == "undo") return undoRun(a, currentLogin());
    throw std::logic_error("the verb db " + verb + " is described but not run");
}

}  // namespace cli
