// Two `dnt print` runs at once on overlapping selections, on each back-end: each aidé whole from one run, or reported.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <sstream>

#include "support/backends.h"
#include "cli_support.h"
#include "dba/pg_connection.h"

namespace {

using namespace clitest;

// An aidé's regularisation and its charge detail of the quarter, as dump lines.
using Declared = std::map<std::string, std::pair<std::string, std::string>>;

const std::string kQuarter = "20254";

Declared declared(const std::string& target) {
    Declared d;
    std::istringstream lines(run("db export --db " + q(target) + " REGULDNT DETAILCHGPARTEMP").out);
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find("\"key\": \"");
        if (at == std::string::npos) continue;
        const std::string key = line.substr(at + 8, line.find('"', at + 8) - at - 8);
        if (line.find("\"REGULDNT\"") != std::string::npos) d[key].first = line;
        else if (key.size() == 10 && key.substr(5) == kQuarter) d[key.substr(0, 5)].second = line;
    }
    return d;
}

// The versions of a file's records on a server, by key.
std::map<std::string, long long> versions(const std::string& uri, const std::string& file) {
    dba::pg::Connection c(uri, true);
    dba::pg::Result r = c.exec("SELECT convert_from(key, 'UTF8'), version FROM dnt.records WHERE file = '" + file +
                               "'::bytea");
    std::map<std::string, long long> v;
    for (int i = 0; i < r.rows(); ++i) v[std::string(r.bytes(i, 0))] = std::stoll(std::string(r.bytes(i, 1)));
    return v;
}

// A map's value at `key`, or nothing's.
template <class M>
typename M::mapped_type at(const M& m, const typename M::key_type& key) {
    auto it = m.find(key);
    return it == m.end() ? typename M::mapped_type{} : it->second;
}

long recordsWritten(const std::string& err) {
    const size_t at = err.find("records of ");
    return at == std::string::npos ? 0 : std::stol(err.substr(at + 11));
}

class ConcurrentRuns : public testsupport::OnEachBackend {};

}  // namespace

TEST_P(ConcurrentRuns, EachAideWholeFromOneRun) {
    const bool server = GetParam().name == "server";
    testsupport::TempDb files;
    ASSERT_EQ(run("demo --db " + q(target) + " --aides 1200 --seed 7").status, 0);
    auto sequential = GetParam().fresh();
    ASSERT_EQ(run("db copy --from " + q(target) + " --to " + q(*sequential)).status, 0);
    const std::string base = " --quarter " + kQuarter + " --centre 75 --today 15/01/2026 --printer MATRICIELLE";
    const std::string a = base + " --from A --to M", b = base + " --from F --to Z";
    const Declared before = declared(target);
    const auto regulBefore = server ? versions(target, "REGULDNT") : std::map<std::string, long long>{};
    const auto detailBefore = server ? versions(target, "DETAILCHGPARTEMP") : std::map<std::string, long long>{};

    // What the two selections give, run one after the other.
    ASSERT_EQ(run("print --db " + q(*sequential) + a + " --output " + files.dir() + "/sa.txt").status, 0);
    ASSERT_EQ(run("print --db " + q(*sequential) + b + " --output " + files.dir() + "/sb.txt").status, 0);
    const Declared after = declared(*sequential);

    // The same two at once.
    const std::string dir = files.dir();
    auto one = [&](const std::string& name, const std::string& args) {
        return "(" + std::string(DNT_BINARY_DIR) + "/apps/dnt print --db " + q(target) + args + " --output " + dir +
               "/" + name + ".txt 2>" + dir + "/" + name + ".err; echo $? >" + dir + "/" + name + ".status)";
    };
    ASSERT_EQ(std::system((one("a", a) + " & " + one("b", b) + " & wait").c_str()), 0);
    const int statusA = std::stoi(slurp(dir + "/a.status")), statusB = std::stoi(slurp(dir + "/b.status"));
    const std::string errA = slurp(dir + "/a.err"), errB = slurp(dir + "/b.err");
    const std::string refused = "printed but its records were not written";
    for (const auto& [status, err] : {std::pair{statusA, errA}, std::pair{statusB, errB}}) {
        EXPECT_TRUE(status == 0 || status == 3) << err;
        EXPECT_EQ(status == 3, err.find(refused) != std::string::npos) << err;
        EXPECT_NE(err.find("declarations printed"), std::string::npos) << err;
    }
    if (!server) {EXPECT_TRUE(statusA == 0 && statusB == 0) << errA << errB;}  // the runs took turns

    const Declared now = declared(target);
    int changed = 0, kept = 0;
    for (const auto& [aide, records] : after) {
        const auto was = at(before, aide), is = at(now, aide);
        EXPECT_TRUE(is == records || is == was) << "aidé " << aide << " is half written";
        if (is == records && records != was) ++changed;
        if (is == was && records != was) {
            ++kept;
            const std::string told = "aidé " + aide + " " + refused;
            EXPECT_TRUE(errA.find(told) != std::string::npos || errB.find(told) != std::string::npos)
                << "aidé " << aide << " was not written and not reported";
        }
    }
    EXPECT_GT(changed, 100);
    if (!server) {EXPECT_EQ(now, after);}

    long versionsAdded = 0;
    if (server) {
        // Each write adds one to a record's version: an aidé's two records were written by
        // as many runs each.
        const auto regul = versions(target, "REGULDNT"), detail = versions(target, "DETAILCHGPARTEMP");
        for (const auto& [aide, v] : regul) {
            const std::string key = aide + kQuarter;
            EXPECT_EQ(v - regulBefore.at(aide), at(detail, key) - at(detailBefore, key)) << "aidé " << aide;
        }
        for (const auto& [key, v] : detail)
            if (key.size() == 10 && key.substr(5) == kQuarter)
                versionsAdded += v - at(detailBefore, key);
        EXPECT_EQ(versionsAdded, recordsWritten(errA) + recordsWritten(errB));
    }
    std::cout << "observed on " << GetParam().name << ": statuses " << statusA << " and " << statusB
              << "; records of " << recordsWritten(errA) << " and " << recordsWritten(errB)
              << " aidés written; " << changed << " aidés written whole, " << kept
              << " left as they were and reported" << (server ? "; charge-detail writes " : "")
              << (server ? std::to_string(versionsAdded) : "") << "\n";
}

INSTANTIATE_TEST_SUITE_P(Backends, ConcurrentRuns, ::testing::ValuesIn(testsupport::backends()),
                         testsupport::backendName);
