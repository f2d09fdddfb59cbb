// Two `dnt print` runs at once on overlapping selections, on each back-end: they take turns.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <sstream>

#include "support/backends.h"
#include "cli_support.h"

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

// A map's value at `key`, or nothing's.
template <class M>
typename M::mapped_type at(const M& m, const typename M::key_type& key) {
    auto it = m.find(key);
    return it == m.end() ? typename M::mapped_type{} : it->second;
}

class ConcurrentRuns : public testsupport::OnEachBackend {};

}  // namespace

// Two desks print overlapping selections of the same quarter and centre at once: the second
// waits for the first, and the database ends as the two runs one after the other leave it.
TEST_P(ConcurrentRuns, TwoDesksAtOnceEndAsOneAfterTheOther) {
    testsupport::TempDb files;
    ASSERT_EQ(run("demo --db " + q(target) + " --aides 1200 --seed 7").status, 0);
    auto sequential = GetParam().fresh();
    ASSERT_EQ(run("db copy --from " + q(target) + " --to " + q(*sequential)).status, 0);
    const std::string base = " --quarter " + kQuarter + " --centre 75 --today 15/01/2026 --printer MATRICIELLE";
    const std::string a = base + " --from A --to M", b = base + " --from F --to Z";
    const Declared before = declared(target);

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
    const std::string errA = slurp(dir + "/a.err"), errB = slurp(dir + "/b.err");
    EXPECT_EQ(slurp(dir + "/a.status"), "0\n") << errA;
    EXPECT_EQ(slurp(dir + "/b.status"), "0\n") << errB;
    EXPECT_EQ(declared(target), after);
    long changed = 0;
    for (const auto& [aide, records] : after) changed += at(before, aide) != records;
    EXPECT_GT(changed, 100);
    std::cout << "observed on " << GetParam().name << ": desk A " << errA.substr(0, errA.find('\n'))
              << "; desk B " << errB.substr(errB.rfind("dnt: ", errB.size() - 2)) << "; " << changed
              << " aidés changed, as one run after the other\n";
}

INSTANTIATE_TEST_SUITE_P(Backends, ConcurrentRuns, ::testing::ValuesIn(testsupport::backends()),
                         testsupport::backendName);
