// The server side of the whole-run benchmark: the generated database copied once into a
// database of the benchmark's cluster, and a fresh copy of that for each run, since runs
// write their records.
#pragma once

#include <string>

namespace benchrun {

class ServerCopies {
public:
    // `serverUri` names any database of the cluster, reached as a role that creates them.
    ServerCopies(const std::string& serverUri, const std::string& sourceFile);
    ~ServerCopies();
    // The URI of a database holding the source as it was copied, made anew.
    std::string fresh();

private:
    std::string server_, source_, run_;
};

// The same URI naming another database.
std::string withDatabase(const std::string& uri, const std::string& database);

}  // namespace benchrun
