// `dnt demo`: writes a coherent demo database of any size, the same for the same seed.
//
// The database goes to --db PATH (or a server's URI, the same rules holding for its
// schema). Nothing there: it is created. A database made by
// `dnt demo` before: it is replaced. Another declaration database: replaced only with
// --replace. Any other file: refused (exit 3), and left as it is. The new database is
// built beside the target and moved into place, so a failure leaves the old file whole.
// The summary line goes to standard error.
#include <iostream>

#include "apps/dnt/cli.h"
#include "demo/calendar.h"
#include "dba/pg_connection.h"
#include "demo/demo_file.h"

namespace cli {

int runDemo(int argc, char** argv) {
    Args a = parseArgs(argc, argv, 2, "demo");
    if (!a.positional.empty())
        throw UsageError("dnt demo takes no argument \"" + a.positional[0] + "\" (dnt demo --help lists the options)");
    const std::string path = a.require("db");
    demo::DemoOptions o;
    o.aides = static_cast<int>(a.number("aides", o.aides, 1, 90000));
    o.seed = static_cast<unsigned>(a.number("seed", o.seed, 0, 4294967295L));
    if (a.has("quarter")) {
        demo::Quarter q{};
        if (!demo::parseQuarter(a.get("quarter"), q) || q.year < 2010 || q.year > 2099)
            throw UsageError("--quarter takes a quarter key such as 20254 or a label such as \"4ème TRIMESTRE 2025\", "
                             "from 2010 to 2099, not \"" + a.get("quarter") + "\"");
        o.annee = q.year;
        o.trimestre = q.number;
    }
    demo::DemoSummary s = demo::writeDemoDatabase(path, o, a.has("replace"));
    std::cerr << "dnt demo: " << dba::pg::describeTarget(path) << ": " << demo::summaryLine(s) << "\n";
    return kOk;
}

}  // namespace cli
