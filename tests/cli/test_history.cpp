// Dry runs, the history of runs and their undo from the command line, on both back-ends:
// undo as a stack per record, refusals that change nothing, and the rights an undo needs.
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
    // The number a run says it was recorded under ("... (run 7)"); numbers increase but
    // may skip.
    static std::string runOf(const std::string& err) {
        const size_t at = err.find("(run ");
        return at == std::string::npos ? "?" : err.substr(at + 5, err.find(')', at) - at - 5);
    }
    static std::string undoneBy(const std::string& err) {
        const size_t at = err.find("undone by run ");
        return at == std::string::npos ? "?" : err.substr(at + 14, err.find(':', at) - at - 14);
    }
};

}  // namespace

TEST_P(History, DryRunPrintListUndo) {
    const std::string before = written(db);
    Outcome dry = print("--dry-run --journal " + tmp.dir() + "/dry.journal");
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_TRUE(has(dry.err, "dry run: 21 declarations printed to " + tmp.dir() + "/o.pdf, nothing written")) << dry.err;
    EXPECT_EQ(written(db), before);
    EXPECT_EQ(dbVerb("runs").out.find('\n'), dbVerb("runs").out.size() - 1) << "no run recorded";

    Outcome real = print("--journal " + tmp.dir() + "/real.journal --copies 2");
    ASSERT_EQ(real.status, 0) << real.err;
    EXPECT_TRUE(has(real.err, "records of 21 written (run ")) << real.err;
    const std::string n = runOf(real.err);
    const std::string printed = written(db);
    EXPECT_NE(printed, before);

    // Aidés counted once, whatever the copies.
    const std::string runs = dbVerb("runs").out;
    EXPECT_TRUE(has(runs, login)) << runs;
    EXPECT_TRUE(has(runs, "20132    75          21  stand")) << runs;
    const std::string one = dbVerb("run " + n).out;
    for (const std::string& line : {"login " + login, std::string("quarter 20132"), std::string("aidés 21"),
                                    std::string("records stand"),
                                    std::string("aidé 04581: DETAILCHGPARTEMP 0458120132 (created), REGULDNT 04581 (unchanged)")})
        EXPECT_TRUE(has(one, line)) << line << "\n" << one;

    Outcome undo = dbVerb("undo " + n);
    EXPECT_EQ(undo.status, 0) << undo.err;
    EXPECT_TRUE(has(undo.err, ": the records of 21 aidés put back")) << undo.err;
    EXPECT_EQ(written(db), before);
    EXPECT_TRUE(has(dbVerb("runs").out, "undone   undone by run " + undoneBy(undo.err))) << dbVerb("runs").out;
}

// Undo is a stack per record: a run is taken back only once the later runs that wrote its
// records are; an undo can be taken back in turn; every refusal changes nothing.
TEST_P(History, UndoIsAStackPerRecord) {
    const std::string before = written(db);
    Outcome first = print();
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string one = runOf(first.err), afterOne = written(db);
    // The rates changed, the quarter printed again: other contents of the same records.
    std::ofstream(tmp.dir() + "/rate.jsonl") << testsupport::Rec("CHGPARTEMP", "06", {"\"LIGNE 6\"",
        "[\"9500\", \"7600\", \"7400\"]", "[\"99999\", \"16531\", \"13881\"]"});
    ASSERT_EQ(run("db import --db " + db + " " + tmp.dir() + "/rate.jsonl").status, 0);
    Outcome second = print();
    ASSERT_EQ(second.status, 0) << second.err;
    const std::string two = runOf(second.err), afterTwo = written(db);

    const std::vector<Refusal> refusals = {
        {"undo 99", 1, "there is no run 99"},
        {"undo x1", 2, "takes a run number"},
        {"undo", 2, "needs a run number"},
        {"run 99", 1, "there is no run 99"},
        {"undo " + one, 1, "later runs wrote its records and stand; undo first, in this order, run " + two},
    };
    for (const Refusal& c : refusals) {
        Outcome r = dbVerb(c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_TRUE(has(r.err, c.words)) << c.args << "\n" << r.err;
        EXPECT_EQ(written(db), afterTwo) << c.args;
    }
    Outcome undoTwo = dbVerb("undo " + two);
    ASSERT_EQ(undoTwo.status, 0) << undoTwo.err;
    EXPECT_EQ(written(db), afterOne);
    Outcome again = dbVerb("undo " + two);
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(has(again.err, "was already undone by run " + undoneBy(undoTwo.err))) << again.err;
    // Taking back the undo puts run 2's records back.
    Outcome redo = dbVerb("undo " + undoneBy(undoTwo.err));
    ASSERT_EQ(redo.status, 0) << redo.err;
    EXPECT_EQ(written(db), afterTwo);
    EXPECT_TRUE(has(dbVerb("run " + two).out, "records stand")) << dbVerb("run " + two).out;
    EXPECT_TRUE(has(dbVerb("runs").out, "undone by run " + undoneBy(undoTwo.err) + ", put back by run " +
                                            undoneBy(redo.err)))
        << dbVerb("runs").out;
    // Run 1 is taken back only after run 2, again.
    EXPECT_EQ(dbVerb("undo " + one).status, 1);
    ASSERT_EQ(dbVerb("undo " + undoneBy(redo.err)).status, 0);
    ASSERT_EQ(dbVerb("undo " + one).status, 0);
    EXPECT_EQ(written(db), before);

    // A record changed outside the runs stands in the way too.
    Outcome third = print();
    ASSERT_EQ(third.status, 0);
    std::ofstream(tmp.dir() + "/one.jsonl") << testsupport::Rec("DETAILCHGPARTEMP", "0332620132", {"\"X\""});
    ASSERT_EQ(run("db import --db " + db + " " + tmp.dir() + "/one.jsonl").status, 0);
    const std::string changed = written(db);
    Outcome r = dbVerb("undo " + runOf(third.err));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "DETAILCHGPARTEMP 0332620132: not as run " + runOf(third.err) + " left it")) << r.err;
    EXPECT_TRUE(has(r.err, "nothing was changed")) << r.err;
    EXPECT_EQ(written(db), changed);
}

INSTANTIATE_TEST_SUITE_P(Backends, History, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);

// An undo needs what printing needs: full access to the module, and sectors covering every
// aidé of the run (the file's users say who they are; a server's are its roles, whose
// rights are read the same way).
TEST(HistoryRights, AnUndoNeedsWhatPrintingNeeds) {
    testsupport::TempDb tmp;
    ASSERT_EQ(run("db import --db " + tmp.path() + " " + testsupport::sample("small.jsonl")).status, 0);
    Outcome printed = run("print --db " + tmp.path() + " --quarter 20132 --centre 75 --user paie --output " + tmp.dir() +
                          "/o.pdf");
    ASSERT_EQ(printed.status, 0) << printed.err;
    const std::string after = written(tmp.path());
    const std::vector<Refusal> refusals = {
        {"--user lecteur", 1, "user \"lecteur\" has no full access to EDITIONDNTVARDEC (level 1)"},
        {"--user aucun", 1, "user \"aucun\" has no full access to EDITIONDNTVARDEC (level 0)"},
        {"--user secteurs", 1, "of run 1 are outside the sectors of user \"secteurs\""},
    };
    for (const Refusal& c : refusals) {
        Outcome r = run("db undo --db " + tmp.path() + " 1 " + c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_TRUE(has(r.err, c.words)) << c.args << "\n" << r.err;
        EXPECT_EQ(written(tmp.path()), after) << c.args;
    }
    EXPECT_EQ(run("db undo --db " + tmp.path() + " 1 --user paie").status, 0);
}
