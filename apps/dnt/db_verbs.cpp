// `dnt db ...`: import and export dumps, run a query sentence, show one record.
#include <fstream>
#include <iostream>

#include "apps/dnt/cli.h"
#include "dba/database.h"
#include "dba/errors.h"
#include "dba/jsonl.h"
#include "dba/sentence.h"

namespace cli {

namespace {

const char* kDbUsage =
    "usage: dnt db import --db PATH FILE.jsonl\n"
    "       dnt db export --db PATH [FILE ...]\n"
    "       dnt db query --db PATH \"SSELECT ...\" [--fields \"0 3\"]\n"
    "       dnt db show --db PATH FILE KEY\n";

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

}  // namespace

int runDb(int argc, char** argv) {
    if (argc < 3) throw UsageError(kDbUsage);
    std::string verb = argv[2];
    if (verb == "import") {
        Args a = parseArgs(argc, argv, 3, {"db"});
        if (a.positional.size() != 1) throw UsageError("dnt db import needs one dump file\n" + std::string(kDbUsage));
        std::ifstream in(a.positional[0], std::ios::binary);
        if (!in) {
            std::cerr << "dnt: cannot read " << a.positional[0] << "\n";
            return kDataError;
        }
        auto db = dba::Database::Open(a.require("db"), true);
        dba::ImportCounts n = dba::importJsonl(*db, in);
        std::cerr << "imported " << n.records << " records and " << n.dictItems << " dictionary items into "
                  << a.get("db") << "\n";
        return kOk;
    }
    if (verb == "export") {
        Args a = parseArgs(argc, argv, 3, {"db"});
        auto db = dba::Database::Open(a.require("db"));
        dba::exportJsonl(*db, std::cout, a.positional);
        return kOk;
    }
    if (verb == "query") {
        Args a = parseArgs(argc, argv, 3, {"db", "fields"});
        if (a.positional.size() != 1) throw UsageError("dnt db query needs one sentence\n" + std::string(kDbUsage));
        auto db = dba::Database::Open(a.require("db"));
        const std::string& sentence = a.positional[0];
        // The file of the request is the one the sentence selects from, as the parser
        // reads it: the command line and the database agree on what a blank is.
        dba::DynArray request;
        request.Replace(1, 0, 0, sentence);
        request.Replace(2, 0, 0, dba::parseSentence(sentence).file);
        request.Replace(3, 0, 0, a.get("fields", "0"));
        std::string result = db->DBExecute(request.text());
        dba::DynArray rows(result);
        for (int i = 1; i <= rows.DCount(); ++i) std::cout << readable(rows.element(i)) << "\n";
        return kOk;
    }
    if (verb == "show") {
        Args a = parseArgs(argc, argv, 3, {"db"});
        if (a.positional.size() != 2) throw UsageError("dnt db show needs a file and a key\n" + std::string(kDbUsage));
        auto db = dba::Database::Open(a.require("db"));
        dba::Record r = db->DBOpenFile(a.positional[0])->DBRead(a.positional[1]);
        std::cout << dba::recordLine(a.positional[0], a.positional[1], r.text()) << "\n";
        return kOk;
    }
    throw UsageError("unknown verb db " + verb + "\n" + kDbUsage);
}

}  // namespace cli
