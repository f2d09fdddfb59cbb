// Desks against each other, on each back-end, in scripted orders: two desks printing the
// same quarter and centre, a dry run beside a real run, an undo racing a print, a desk
// killed while it holds the quarter; each order played step by step by the processes
// themselves, so that it happens the same way every time.
#include <gtest/gtest.h>

#include "support/backends.h"
#include "support/desks.h"
#include "cli_support.h"

using namespace clitest;
using testsupport::Desk;

namespace {

class Desks : public testsupport::OnEachBackend {
protected:
    testsupport::TempDb tmp;  // the outputs
    const bool server = GetParam().name == "server";
    const std::string login = server ? "postgres" : "paie";

    void SetUp() override { ASSERT_EQ(run("db import --db " + q(target) + " " + testsupport::sample("small.jsonl")).status, 0); }
    // The arguments of a print of the sample's quarter and centre to `name`.pdf.
    std::string print(const std::string& name, const std::string& more = "") const {
        return "print --db " + q(target) + " --quarter 20132 --centre 75 --today 15/07/2013 " +
               (server ? "" : "--user paie ") + "--output " + tmp.dir() + "/" + name + ".pdf --journal " + tmp.dir() +
               "/" + name + ".journal " + more;
    }
    std::string undo(const std::string& run) const {
        return "db undo --db " + q(target) + " " + run + (server ? "" : " --user paie");
    }
};

}  // namespace

// The second desk waits for the first, saying for whom, then prints and writes everything.
TEST_P(Desks, TwoDesksPrintingTheSameQuarterAndCentreTakeTurns) {
    Desk first("first", print("first"), "run-locked");
    first.at("run-locked");
    Desk second("second", print("second"), "run-waiting");
    second.at("run-waiting");
    EXPECT_TRUE(has(second.err(), "dnt: centre 75, 2ème TRIMESTRE 2013: printed by " + login + " since ")) << second.err();
    EXPECT_TRUE(has(second.err(), " (run 1), waiting")) << second.err();
    second.go();
    EXPECT_EQ(first.finish(), 0) << first.err();
    EXPECT_EQ(second.finish(), 0) << second.err();
    for (const Desk* d : {&first, &second})
        EXPECT_TRUE(has(d->err(), "21 declarations printed to " + tmp.dir())) << d->err();
    EXPECT_TRUE(has(first.err(), "records of 21 written (run 1)")) << first.err();
    EXPECT_TRUE(has(second.err(), "records of 21 written (run 2)")) << second.err();

    // A desk that will not wait long says so and writes nothing.
    const std::string before = written(q(target));
    Desk third("third", print("third"), "run-locked");
    third.at("run-locked");
    Outcome impatient = run(print("impatient", "--wait 1"));
    EXPECT_EQ(impatient.status, 1) << impatient.err;
    EXPECT_TRUE(has(impatient.err, "(run 3), still after 1 s: nothing printed")) << impatient.err;
    EXPECT_FALSE(std::filesystem::exists(tmp.dir() + "/impatient.pdf"));
    EXPECT_EQ(written(q(target)), before);
    // A desk killed while it holds the quarter frees it: the next one does not wait.
    third.kill();
    Outcome next = run(print("next", "--wait 0"));
    EXPECT_EQ(next.status, 0) << next.err;
    EXPECT_FALSE(has(next.err, "waiting")) << next.err;
}

// Ctrl-C stops the run between two aidés: the two done are printed, written and recorded
// with the note, and they are the ones in the delivered document; exit status 1.
TEST_P(Desks, CtrlCStopsTheRunBetweenTwoAides) {
    Desk desk("stopped", print("stopped", "--copies 2"), "aide");
    desk.at("aide");
    desk.at("aide");
    desk.interrupt();
    EXPECT_EQ(desk.finish(), 1) << desk.err();
    EXPECT_TRUE(has(desk.err(), "stopped after 2 of 21 aidés: 2 declarations printed to " + tmp.dir() + "/stopped.pdf"))
        << desk.err();
    EXPECT_TRUE(has(desk.err(), "records of 2 written (run 1)")) << desk.err();
    EXPECT_TRUE(has(run("db runs --db " + q(target)).out, "stopped after 2 of 21 aidés"));
    const std::string detail = run("db run --db " + q(target) + " 1").out, journal = slurp(tmp.dir() + "/stopped.journal");
    std::vector<std::string> aides;
    for (size_t at = detail.find("aidé "); at != std::string::npos; at = detail.find("aidé ", at + 1))
        aides.push_back(detail.substr(at + 6, 5));
    ASSERT_EQ(aides.size(), 2u) << detail;
    for (const std::string& aide : aides) EXPECT_TRUE(has(journal, aide)) << aide;
    // No second copy is begun: the two aidés' pages do not interleave.
    EXPECT_TRUE(journal.rfind(aides[0]) < journal.find(aides[1]) || journal.rfind(aides[1]) < journal.find(aides[0]));
    EXPECT_TRUE(journal.ends_with("END\n"));
}

// A dry run reads one snapshot and takes no lock: a real run goes through while it is held
// half-way, and both give the journal of the database as it was.
TEST_P(Desks, ADryRunDelaysNoOne) {
    Desk dry("dry", print("dry", "--dry-run"), "aide");
    dry.at("aide");
    Outcome real = run(print("real", "--wait 0"));
    EXPECT_EQ(real.status, 0) << real.err;
    EXPECT_TRUE(has(real.err, "records of 21 written")) << real.err;
    EXPECT_EQ(dry.finish(), 0) << dry.err();
    EXPECT_TRUE(has(dry.err(), "nothing written to the database")) << dry.err();
    EXPECT_EQ(slurp(tmp.dir() + "/dry.journal"), slurp(tmp.dir() + "/real.journal"));
}

// An undo and a print of the same quarter and centre: whichever comes second waits, and an
// undo that finds a later run standing is refused whole.
TEST_P(Desks, AnUndoRacingAPrint) {
    ASSERT_EQ(run(print("one")).status, 0);
    const std::string afterOne = written(q(target));
    {
        Desk printing("printing", print("two"), "run-locked");
        printing.at("run-locked");
        Desk undoing("undoing", undo("1"), "run-waiting");
        undoing.at("run-waiting");
        undoing.go();
        EXPECT_EQ(printing.finish(), 0) << printing.err();
        EXPECT_EQ(undoing.finish(), 1) << undoing.err();
        EXPECT_TRUE(has(undoing.err(), "undo first, in this order, run 2")) << undoing.err();
    }
    const std::string afterTwo = written(q(target));
    {
        Desk undoing("undoing", undo("2"), "undo-checked");
        undoing.at("undo-checked");
        Desk printing("printing", print("three"), "run-waiting");
        printing.at("run-waiting");
        printing.go();
        EXPECT_EQ(undoing.finish(), 0) << undoing.err();
        EXPECT_EQ(written(q(target)), afterOne) << "the undo came first";
        EXPECT_EQ(printing.finish(), 0) << printing.err();
    }
    EXPECT_EQ(written(q(target)), afterTwo) << "the print that followed wrote what run 2 had";
}

INSTANTIATE_TEST_SUITE_P(Backends, Desks, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);

// On a server another desk may change a record between an undo's check and its write: the
// write sees the version changed and the whole undo is refused, the other desk's change
// kept.
TEST(ServerDesks, AnUndoNeverOverwritesAnotherDesksChange) {
    testsupport::ServerDb server;
    testsupport::TempDb tmp;
    ASSERT_EQ(run("db import --db " + q(server.uri()) + " " + testsupport::sample("small.jsonl")).status, 0);
    ASSERT_EQ(run("print --db " + q(server.uri()) + " --quarter 20132 --centre 75 --output " + tmp.dir() + "/o.pdf").status,
              0);
    Desk undoing("undoing", "db undo --db " + q(server.uri()) + " 1", "undo-checked");
    undoing.at("undo-checked");
    server.sql("UPDATE dnt.records SET data = 'changed'::bytea, version = version + 1 "
               "WHERE file = 'REGULDNT'::bytea AND key = '04581'::bytea");
    const std::string changed = written(q(server.uri()));
    EXPECT_EQ(undoing.finish(), 1) << undoing.err();
    EXPECT_TRUE(has(undoing.err(), "REGULDNT 04581")) << undoing.err();
    EXPECT_TRUE(has(undoing.err(), "nothing was changed")) << undoing.err();
    EXPECT_EQ(written(q(server.uri())), changed);
}
