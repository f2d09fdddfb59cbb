// Command-line plumbing shared by the verbs of `dnt`: option parsing and exit codes.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Exit statuses of every verb.
inline constexpr int kOk = 0;
inline constexpr int kStopped = 1;     // stopped by a message of the screen
inline constexpr int kUsage = 2;       // bad command line
inline constexpr int kDataError = 3;   // database or file error

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// --help given to a verb: its text goes to standard output, whatever else the line says.
struct HelpWanted {
    std::string verb;  // "print", "db runs"
};

// Options "--name value" and flags "--name"; everything else is positional.
struct Args {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;

    bool has(const std::string& name) const { return options.count(name) > 0; }
    std::string get(const std::string& name, const std::string& fallback = {}) const {
        auto it = options.find(name);
        return it == options.end() ? fallback : it->second;
    }
    std::string require(const std::string& name) const {
        auto it = options.find(name);
        if (it == options.end() || it->second.empty()) throw UsageError("missing --" + name);
        return it->second;
    }
    long number(const std::string& name, long fallback, long min, long max) const;
};

// Parses argv from `first` with the options the verb's description gives (apps/usage):
// an option it does not know is a usage error; --help (or -h) raises HelpWanted.
Args parseArgs(int argc, char** argv, int first, const std::string& verb);

// Standard output that could not take everything is a failure, not a success: kOk once
// it is flushed, else a storage error.
int flushed();

// The login of the environment (LOGNAME, USER, else the user of the process).
std::string currentLogin();

int runDb(int argc, char** argv);
int listRuns(const Args& a);
int showRun(const Args& a);
int undoRun(const Args& a, const std::string& login);
int runCopy(const Args& a);
int runInitServer(const Args& a);
int runIndex(const Args& a);
int runPrint(int argc, char** argv);
int runDemo(int argc, char** argv);
int listQuarters(const Args& a);
int listPrinters(const Args& a);

}  // namespace cli
