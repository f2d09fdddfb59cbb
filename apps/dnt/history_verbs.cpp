// `dnt db runs`, `dnt db run N` and `dnt db undo N`: the history of the runs that wrote
// records, one run in detail, and taking a run back.
#include <cstdio>
#include <iostream>
#include <map>

#include "apps/dnt/cli.h"
#include "dba/database.h"
#include "dba/errors.h"
#include "dba/run_history.h"

namespace cli {

namespace {

long long runNumber(const Args& a, const char* verb) {
    if (a.positional.size() != 1) throw UsageError(std::string("dnt db ") + verb + " needs a run number");
    const std::string& t = a.positional[0];
    if (t.empty() || t.size() > 18 || t.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError(std::string("dnt db ") + verb + " takes a run number, not \"" + t + "\"");
    return std::stoll(t);
}

std::string what(const dba::RunRow& r) {
    std::string s;
    if (r.info.kind == "undo") s = "undo of run " + std::to_string(r.info.undoes);
    if (r.undoneBy) s += std::string(s.empty() ? "" : ", ") + "undone by run " + std::to_string(r.undoneBy);
    return s;
}

std::string change(const dba::RecordImage& im) {
    if (!im.before) return "created";
    if (!im.after) return "removed";
    return *im.before == *im.after ? "unchanged" : "changed";
}

}  // namespace

int listRuns(const Args& a) {
    auto db = dba::Database::Open(a.require("db"), dba::OpenMode::ReadOnly);
    std::vector<dba::RunRow> runs;
    db->storage().snapshot([&] { runs = db->storage().runs(); });
    std::printf("%5s  %-19s  %-12s  %-7s  %-6s  %6s\n", "run", "time", "login", "quarter", "centre", "aidés");
    for (const dba::RunRow& r : runs)
        std::printf("%5lld  %-19s  %-12s  %-7s  %-6s  %6ld  %s\n", r.number, r.info.time.c_str(), r.info.login.c_str(),
                    r.info.quarter.c_str(), r.info.centre.c_str(), r.units, what(r).c_str());
    std::fflush(stdout);
    if (std::ferror(stdout)) throw dba::DbError(dba::kErrStorage, "standard output could not be written");
    return kOk;
}

int showRun(const Args& a) {
    const long long number = runNumber(a, "run");
    auto db = dba::Database::Open(a.require("db"), dba::OpenMode::ReadOnly);
    std::optional<dba::RunDetail> run;
    db->storage().snapshot([&] { run = db->storage().run(number); });
    if (!run) {
        std::cerr << "dnt: there is no run " << number << "\n";
        return kStopped;
    }
    const dba::RunRow& r = run->row;
    std::cout << "run " << r.number << "\ntime " << r.info.time << "\nlogin " << r.info.login << "\nquarter "
              << r.info.quarter << "\ncentre " << r.info.centre << "\noptions " << r.info.options << "\noutput "
              << r.info.output << "\naidés " << r.units << "\n";
    if (!what(r).empty()) std::cout << what(r) << "\n";
    std::string unit = "\x01";
    for (const dba::RecordImage& im : run->images) {
        if (im.unit != unit) std::cout << "aidé " << (im.unit.empty() ? "-" : im.unit) << ":";
        else std::cout << ",";
        std::cout << " " << im.file << " " << im.key << " (" << change(im) << ")";
        unit = im.unit;
        if (&im == &run->images.back() || (&im + 1)->unit != unit) std::cout << "\n";
    }
    std::cout.flush();
    if (!std::cout) throw dba::DbError(dba::kErrStorage, "standard output could not be written");
    return kOk;
}

int undoRun(const Args& a, const std::string& login) {
    const long long number = runNumber(a, "undo");
    auto db = dba::Database::Open(a.require("db"));
    dba::RunInfo undo;
    undo.time = dba::historyTime();
    undo.login = a.get("user", login);
    // On a server, the role it authenticated undoes the run, as it would have printed it.
    if (std::optional<std::string> role = db->storage().authenticatedUser()) {
        if (a.has("user") && undo.login != *role)
            throw UsageError("--user " + undo.login + ": the server " + db->storage().where() +
                             " authenticated the role " + *role);
        undo.login = *role;
    }
    undo.options = "undo " + std::to_string(number);
    undo.output = "-";
    dba::UndoOutcome outcome = dba::undoRun(*db, number, undo);
    if (outcome.refused) {
        std::cerr << "dnt: run " << number << " cannot be undone: " << outcome.refused->reason;
        for (const auto& c : outcome.refused->changes) {
            std::cerr << "\n  " << c.file << " " << c.key;
            if (c.laterRuns.empty()) {
                std::cerr << ": changed outside the runs";
            } else {
                std::cerr << ": written by run";
                for (long long later : c.laterRuns) std::cerr << " " << later;
            }
        }
        std::cerr << "\nnothing was changed\n";
        return kStopped;
    }
    std::cerr << "dnt: run " << number << " undone by run " << outcome.undoRun << ": the records of " << outcome.units
              << (outcome.units == 1 ? " aidé" : " aidés") << " put back as they were\n";
    return kOk;
}

}  // namespace cli
