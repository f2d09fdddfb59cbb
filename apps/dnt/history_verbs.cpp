// `dnt db runs`, `dnt db run N` and `dnt db undo N`: the history of the runs that wrote
// records, one run in detail, and taking a run back.
#include <cstdio>
#include <iostream>
#include <map>

#include "apps/dnt/cli.h"
#include "dba/database.h"
#include "dba/errors.h"
#include "dba/run_history.h"
#include "rights/undo_permission.h"
#include "apps/dnt/run_wait.h"
#include "common/declaration_database.h"

namespace cli {

namespace {

long long runNumber(const Args& a, const char* verb) {
    if (a.positional.size() != 1) throw UsageError(std::string("dnt db ") + verb + " needs a run number");
    const std::string& t = a.positional[0];
    if (t.empty() || t.size() > 18 || t.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError(std::string("dnt db ") + verb + " takes a run number, not \"" + t + "\"");
    return std::stoll(t);
}

// What became of a run, in words: "undo of run 3", "undone by run 5", "undone by run 5,
// put back by run 6", and how it ended when not in full.
std::string what(const dba::RunRow& r, const dba::RunStanding& standing) {
    std::vector<std::string> parts;
    if (r.info.kind == "undo") parts.push_back("undo of run " + std::to_string(r.info.undoes));
    if (r.undoneBy) {
        std::string s = "undone by run " + std::to_string(r.undoneBy);
        if (standing.stands(r.number)) s += ", put back by run " + std::to_string(standing.undoneBy(r.undoneBy));
        parts.push_back(s);
    }
    if (!r.note.empty()) parts.push_back(r.note);
    std::string text;
    for (const std::string& p : parts) text += (text.empty() ? "" : ", ") + p;
    return text;
}

std::string change(const dba::RecordImage& im) {
    if (!im.before) return "created";
    if (!im.after) return "removed";
    return *im.before == *im.after ? "unchanged" : "changed";
}

}  // namespace

int listRuns(const Args& a) {
    auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
    std::vector<dba::RunRow> runs;
    db->storage().snapshot([&] { runs = db->storage().runs(); });
    const dba::RunStanding standing(runs);
    std::printf("%5s  %-19s  %-12s  %-7s  %-6s  %6s  %-7s\n", "run", "time", "login", "quarter", "centre", "aidés",
                "records");
    for (const dba::RunRow& r : runs)
        std::printf("%5lld  %-19s  %-12s  %-7s  %-6s  %6ld  %-7s  %s\n", r.number, r.info.time.c_str(),
                    r.info.login.c_str(), r.info.quarter.c_str(), r.info.centre.c_str(), r.units,
                    standing.stands(r.number) ? "stand" : "undone", what(r, standing).c_str());
    std::fflush(stdout);
    if (std::ferror(stdout)) throw dba::DbError(dba::kErrStorage, "standard output could not be written");
    return kOk;
}

int showRun(const Args& a) {
    const long long number = runNumber(a, "run");
    auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
    std::optional<dba::RunDetail> run;
    std::vector<dba::RunRow> all;
    db->storage().snapshot([&] {
        run = db->storage().run(number);
        all = db->storage().runs();
    });
    if (!run) {
        std::cerr << "dnt: there is no run " << number << "\n";
        return kStopped;
    }
    const dba::RunRow& r = run->row;
    std::cout << "run " << r.number << "\ntime " << r.info.time << "\nlogin " << r.info.login << "\nquarter "
              << r.info.quarter << "\ncentre " << r.info.centre << "\noptions " << r.info.options << "\noutput "
              << r.info.output << "\naidés " << r.units << "\n";
    const dba::RunStanding standing(all);
    std::cout << "records " << (standing.stands(r.number) ? "stand" : "undone") << "\n";
    if (!what(r, standing).empty()) std::cout << what(r, standing) << "\n";
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
    const long wait = waitSeconds(a);
    auto db = dnt::openDeclarationDatabase(a.require("db"));
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
    std::optional<dba::RunDetail> run;
    db->storage().snapshot([&] { run = db->storage().run(number); });
    const std::string quarter = run ? run->row.info.quarter : std::string(), centre = run ? run->row.info.centre : "";
    dba::UndoOutcome outcome;
    try {
        outcome = dba::undoRun(*db, number, undo, rights::undoPermission(db, undo.login),
                               runWait(wait, quarter, centre));
    } catch (const dba::RunBusy& busy) {
        std::cerr << "dnt: " << describeHolder(quarter, centre, busy.holder()) << ", still after " << busy.waited()
                  << " s: run " << number << " not undone, nothing was changed\n";
        return kStopped;
    }
    if (outcome.refused) {
        const dba::UndoRefusal& r = *outcome.refused;
        std::cerr << "dnt: run " << number << " cannot be undone: " << r.reason;
        if (!r.laterRuns.empty()) {
            std::cerr << "; undo first, in this order, run" << (r.laterRuns.size() > 1 ? "s" : "");
            for (long long later : r.laterRuns) std::cerr << " " << later;
        }
        // The first records are named; a long list is counted.
        constexpr size_t kNamed = 10;
        for (size_t i = 0; i < r.changes.size() && i < kNamed; ++i)
            std::cerr << "\n  " << r.changes[i].file << " " << r.changes[i].key << ": not as run " << number
                      << " left it";
        if (r.changes.size() > kNamed) std::cerr << "\n  and " << r.changes.size() - kNamed << " more";
        std::cerr << "\nnothing was changed\n";
        return kStopped;
    }
    std::cerr << "dnt: run " << number << " undone by run " << outcome.undoRun << ": the records of " << outcome.units
              << (outcome.units == 1 ? " aidé" : " aidés") << " put back as they were\n";
    return kOk;
}

}  // namespace cli
