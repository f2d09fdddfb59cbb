// Runs the `dnt` program as a user would, through the shell, and brings back its exit
// status, standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/database.h"

namespace clitest {

struct Outcome {
    int status;
    std::string out, err;
};

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

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

}  // namespace clitest
