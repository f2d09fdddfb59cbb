// Runs the `dnt` program as a user would, through the shell, and brings back its status and outputs.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/database.h"

namespace clitest {

struct Outcome {
    int status;
    std::string out, err;
};

// A command line refused: its arguments, its status and the words that say why.
struct Refusal {
    std::string args;
    int status;
    std::string words;
};

using testsupport::has;
using testsupport::slurp;

// `prefix` goes before the program (variables, "setpriv ..."); `stdoutTo` sends standard
// output to that file instead of bringing it back; `program` is one of apps/.
inline Outcome run(const std::string& args, const std::string& prefix = "", const std::string& stdoutTo = "",
                   const std::string& program = "dnt") {
    testsupport::TempDb scratch;
    std::string out = stdoutTo.empty() ? scratch.dir() + "/out" : stdoutTo, err = scratch.dir() + "/err";
    std::string cmd = prefix + " " + std::string(DNT_BINARY_DIR) + "/apps/" + program + " " + args + " >" + out +
                      " 2>" + err + " </dev/null";
    int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, stdoutTo.empty() ? slurp(out) : "", slurp(err)};
}

inline std::string q(const std::string& s) { return "'" + s + "'"; }

// The two files a run writes, as dump lines.
inline std::string written(const std::string& db) { return run("db export --db " + db + " REGULDNT DETAILCHGPARTEMP").out; }

}  // namespace clitest
