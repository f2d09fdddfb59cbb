// Dry runs, the history of runs and their undo from the command line, on both back-ends.
#include <gtest/gtest.h>

#include "support/backends.h"
#include "cli_support.h"

using namespace clitest;

namespace {

class History : public testsupport::OnEachBackend {
protected:
    testsupport::TempDb tmp;  // the outputs
    std::string db = "'" + target + "'";
    // On a server the login is the role it authenticated, which the test cluster trusts.
    const bool server = GetParam().name == "server";
    std::string login = server ? "postgres" : "paie";

    void SetUp() override { ASSERT_EQ(run("db import --db " + db + " " + testsupport::sample("small.jsonl")).status, 0); }
    Outcome print(const std::string& args = "") {
        return run("print --db " + db + " --quarter 20132 --centre 75 " + (server ? "" : "--user paie ") + "--output " +
                   tmp.dir() + "/o.pdf " + args);
    }
    Outcome dbVerb(const std::string& verb) { return run("db " + verb + " --db " + db); }
    // The number a run says it was recorded under ("... (run 7)"); a server's numbers
    // increase but may skip.
    static std::string runOf(const std::string& err) {
        const size_t at = err.find("(run ");
        return at == std::string::npos ? "?" : err.substr(at + 5, err.find(')', at) - at - 5);
    }
};

}  // namespace

TEST_P(History, DryRunPrintListUndoAndPrintAgain) {
    const std::string before = written(db);
    Outcome dry = print("--dry-run --journal " + tmp.dir() + "/dry.journal");
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_TRUE(has(dry.err, "dry run: 21 declarations printed to " + tmp.dir() + "/o.pdf, nothing written")) << dry.err;
    EXPECT_EQ(written(db), before);
    EXPECT_EQ(dbVerb("runs").out.find('\n'), dbVerb("runs").out.size() - 1) << "no run recorded";

    Outcome real = print("--journal " + tmp.dir() + "/real.journal");
    ASSERT_EQ(real.status, 0) << real.err;
    EXPECT_TRUE(has(real.err, "records of 21 written (run ")) << real.err;
    const std::string n = runOf(real.err);
    EXPECT_EQ(slurp(tmp.dir() + "/dry.journal"), slurp(tmp.dir() + "/real.journal"));
    const std::string printed = written(db);
    EXPECT_NE(printed, before);

    const std::string runs = dbVerb("runs").out;
    EXPECT_TRUE(has(runs, login)) << runs;
    EXPECT_TRUE(has(runs, "20132    75          21")) << runs;
    const std::string one = dbVerb("run " + n).out;
    EXPECT_TRUE(has(one, "login " + login)) << one;
    for (const char* line : {"quarter 20132", "centre 75", "aidés 21",
                             "aidé 04581: DETAILCHGPARTEMP 0458120132 (created), REGULDNT 04581 (unchanged)"})
        EXPECT_TRUE(has(one, line)) << line << "\n" << one;

    Outcome undo = dbVerb("undo " + n);
    EXPECT_EQ(undo.status, 0) << undo.err;
    EXPECT_TRUE(has(undo.err, "run " + n + " undone by run ")) << undo.err;
    EXPECT_TRUE(has(undo.err, ": the records of 21 aidés put back")) << undo.err;
    EXPECT_EQ(written(db), before);
    EXPECT_TRUE(has(dbVerb("runs").out, "undone by run ")) << dbVerb("runs").out;

    ASSERT_EQ(print().status, 0);
    EXPECT_EQ(written(db), printed);
}

TEST_P(History, AnUndoThatCannotBeDoneChangesNothing) {
    Outcome first = print();
    ASSERT_EQ(first.status, 0);
    const std::string n = runOf(first.err);
    // Outside the runs: a record of run 1 changed by an import.
    std::ofstream(tmp.dir() + "/one.jsonl") << testsupport::Rec("DETAILCHGPARTEMP", "0332620132", {"\"X\""});
    const std::string restore = tmp.dir() + "/restore.jsonl";
    std::ofstream(restore) << run("db export --db " + db + " DETAILCHGPARTEMP").out;
    ASSERT_EQ(run("db import --db " + db + " " + tmp.dir() + "/one.jsonl").status, 0);
    const std::vector<Refusal> refusals = {
        {"undo 99", 1, "there is no run 99"},
        {"undo x1", 2, "takes a run number"},
        {"undo", 2, "needs a run number"},
        {"run 99", 1, "there is no run 99"},
        {"undo " + n, 1, "DETAILCHGPARTEMP 0332620132: changed outside the runs"},
    };
    std::string before = written(db);
    for (const Refusal& c : refusals) {
        Outcome r = dbVerb(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_TRUE(has(r.err, c.words)) << c.args << "\n" << r.err;
        EXPECT_EQ(written(db), before) << c.args;
    }
    // A later run that wrote another content: the rates changed, the quarter printed again.
    ASSERT_EQ(run("db import --db " + db + " " + restore).status, 0);
    std::ofstream(tmp.dir() + "/rate.jsonl") << testsupport::Rec("CHGPARTEMP", "06", {"\"LIGNE 6\"",
        "[\"9500\", \"7600\", \"7400\"]", "[\"99999\", \"16531\", \"13881\"]"});
    ASSERT_EQ(run("db import --db " + db + " " + tmp.dir() + "/rate.jsonl").status, 0);
    Outcome second = print();
    ASSERT_EQ(second.status, 0);
    before = written(db);
    Outcome r = dbVerb("undo " + n);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "DETAILCHGPARTEMP 0332620132: written by run " + runOf(second.err))) << r.err;
    EXPECT_TRUE(has(r.err, "nothing was changed")) << r.err;
    EXPECT_EQ(written(db), before);
    EXPECT_EQ(dbVerb("undo " + runOf(second.err)).status, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, History, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);
