// The command line on a server: from an empty database to a printed quarter, refusals, and runs that die half-way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <filesystem>
#include <thread>

#include "support/server.h"
#include "cli_support.h"

namespace fs = std::filesystem;
using namespace clitest;

namespace {

const std::string kRun = " --quarter 20132 --centre 75 --today 15/07/2013";

// Roles of one test, made on the cluster and dropped after it.
class ServerCli : public ::testing::Test {
protected:
    testsupport::ServerDb db;
    testsupport::TempDb files;
    const std::string owner = db.name() + "_owner", desk = db.name() + "_desk", reader = db.name() + "_reader",
                      stranger = db.name() + "_stranger";

    void SetUp() override {
        for (const std::string& role : {owner, desk, reader, stranger})
            testsupport::serverSql("postgres", "CREATE ROLE " + role + " LOGIN");
    }
    void TearDown() override {
        db.sql("DROP OWNED BY " + owner + ", " + desk + ", " + reader + " CASCADE");
        for (const std::string& role : {owner, desk, reader, stranger})
            testsupport::serverSql("postgres", "DROP ROLE " + role);
    }
    std::string as(const std::string& role) const { return q(db.uriAs(role)); }
    // init-server and the sample copied in by the owner, as the README says.
    void prepare() {
        ASSERT_EQ(run("db init-server --db " + q(db.uri()) + " --owner " + owner + " --printers " + desk).status, 0);
        ASSERT_EQ(run("db import --db " + files.path() + " " + testsupport::sample("small.jsonl")).status, 0);
        ASSERT_EQ(run("db copy --from " + files.path() + " --to " + as(owner)).status, 0);
    }
};

// A `dnt print` in the background, its outputs in files.
class Background {
public:
    Background(const std::string& args, const std::string& dir) : dir_(dir) {
        pid_ = fork();
        if (pid_ == 0) {
            std::string cmd = std::string(DNT_BINARY_DIR) + "/apps/dnt " + args + " >" + dir + "/bg.out 2>" + dir + "/bg.err";
            execl("/bin/sh", "sh", "-c", ("exec " + cmd).c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Background() {
        if (pid_ > 0 && kill(pid_, SIGKILL) == 0) waitpid(pid_, nullptr, 0);
    }
    void kill9() { kill(pid_, SIGKILL); }
    int wait() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }
    std::string err() const { return slurp(dir_ + "/bg.err"); }

private:
    pid_t pid_ = -1;
    std::string dir_;
};

// One value of a query of the test's own, as the cluster's superuser.
std::string value(const testsupport::ServerDb& db, const std::string& sql) {
    dba::pg::Result r = dba::pg::Connection(db.uri(), true).exec(sql);
    return r.rows() ? std::string(r.bytes(0, 0)) : std::string();
}

// Waits until `sql` gives a value other than the empty text and "0", for at most ten seconds.
std::string waitFor(const testsupport::ServerDb& db, const std::string& sql) {
    for (int i = 0; i < 1000; ++i) {
        std::string v = value(db, sql);
        if (!v.empty() && v != "0") return v;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

// The run's session once it has written inside its transaction.
const std::string kWritingRun =
    "SELECT pid FROM pg_stat_activity WHERE datname = current_database() AND application_name = 'dnt' "
    "AND backend_xid IS NOT NULL";
const std::string kAdvisoryLocks =
    "SELECT count(*) FROM pg_locks WHERE locktype = 'advisory' AND database = "
    "(SELECT oid FROM pg_database WHERE datname = current_database())";

}  // namespace

TEST_F(ServerCli, FromAnEmptyServerToAPrintedQuarter) {
    prepare();
    const std::string journal = files.dir() + "/server.journal";
    Outcome r = run("print --db " + as(desk) + kRun + " --output " + files.dir() + "/s.pdf --journal " + journal);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.err, "records of 21 written")) << r.err;
    // The same run on the file: the same journal, the same records.
    Outcome f = run("print --db " + files.path() + kRun + " --output " + files.dir() + "/f.pdf --journal " + files.dir() +
                    "/file.journal");
    EXPECT_EQ(f.status, 0) << f.err;
    EXPECT_EQ(slurp(journal), slurp(files.dir() + "/file.journal"));
    EXPECT_EQ(run("db export --db " + as(reader)).status, 3);  // no grant
    EXPECT_EQ(run("db export --db " + as(desk)).out, run("db export --db " + files.path()).out);
    // A bare "postgresql:" takes the server from libpq's environment.
    const std::string environment = "PGHOST=" DNT_TEST_CLUSTER "/run PGPORT=" DNT_TEST_CLUSTER_PORT " PGDATABASE=" +
                                    db.name() + " PGUSER=" + desk;
    EXPECT_EQ(run("db export --db postgresql:", environment).out, run("db export --db " + files.path()).out);
    // The desktop opens on it, as the role.
    Outcome gui = run("--db " + as(desk) + " --screenshot " + files.dir() + "/screen.png", "QT_QPA_PLATFORM=offscreen",
                      "", "dnt-gui");
    EXPECT_EQ(gui.status, 0) << gui.err;
    EXPECT_TRUE(fs::exists(files.dir() + "/screen.png"));
    // And back to a file.
    const std::string back = files.dir() + "/back.db";
    EXPECT_EQ(run("db copy --from " + as(desk) + " --to " + back).status, 0);
    EXPECT_EQ(run("db export --db " + back).out, run("db export --db " + files.path()).out);
}

// Each refusal: the command, its status, the words that say why, and words that must not
// show (a password).
TEST_F(ServerCli, RefusalsAndFaultsSayWhyAndWriteNothing) {
    prepare();
    testsupport::ServerDb foreign;
    foreign.sql("CREATE SCHEMA dnt; CREATE TABLE dnt.records(x int)");
    db.sql("GRANT USAGE ON SCHEMA dnt TO " + reader + "; GRANT SELECT ON ALL TABLES IN SCHEMA dnt TO " + reader);
    const std::string out = " --output " + files.dir() + "/o.pdf";
    const std::string unreachable = q("postgresql://" + desk + ":s3cret@/base?host=" + files.dir() + "/none&port=5999");
    struct Case {
        std::string what, args, program;
        int status;
        std::string words, hidden;
    };
    const std::vector<Case> cases = {
        {"a server that does not answer", "print --db " + unreachable + kRun + out, "dnt", 3,
         "cannot connect to server postgresql:///base?host=", "s3cret"},
        {"the same, exporting", "db export --db " + unreachable, "dnt", 3, "No such file or directory", "s3cret"},
        {"a schema that is not ours", "print --db " + q(foreign.uri()) + kRun + out, "dnt", 3,
         "is not a declaration database: it is left as it is", ""},
        {"a demo over a schema that is not ours", "demo --db " + q(foreign.uri()), "dnt", 3,
         "is not a declaration database", ""},
        {"a role without grants", "print --db " + as(stranger) + kRun + out, "dnt", 3,
         "role " + stranger + " may not read the declaration database", ""},
        {"a role that may only read", "print --db " + as(reader) + kRun + out, "dnt", 3,
         "role " + reader + " may not write to the declaration database", ""},
        {"a printing role changing the rights", "db import --db " + as(desk) + " " + testsupport::sample("small.jsonl"),
         "dnt", 3, "role " + desk + " may not", ""},
        {"a user other than the role", "print --db " + as(desk) + kRun + out + " --user lecteur", "dnt", 2,
         "--user lecteur: the server", ""},
        {"the desktop, for another user", "--db " + as(desk) + " --user lecteur --screenshot " + files.dir() + "/s.png",
         "dnt-gui", 2, "authenticated the role " + desk, ""},
        {"a copy onto a database in use", "db copy --from " + files.path() + " --to " + as(owner), "dnt", 3,
         "already holds a declaration database", ""},
        {"init-server on a schema that is not ours", "db init-server --db " + q(foreign.uri()), "dnt", 3,
         "is not a declaration database", ""},
        {"init-server of a file", "db init-server --db " + files.path(), "dnt", 2, "--db takes a postgresql:// URI", ""},
    };
    const std::string before = run("db export --db " + as(owner)).out;
    for (const Case& c : cases) {
        Outcome r = run(c.args, "QT_QPA_PLATFORM=offscreen", "", c.program);
        EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.err;
        EXPECT_TRUE(has(r.err, c.words)) << c.what << "\n" << r.err;
        if (!c.hidden.empty()) {
            EXPECT_FALSE(has(r.err, c.hidden)) << c.what << "\n" << r.err;
        }
    }
    EXPECT_EQ(run("db export --db " + as(owner)).out, before);
    EXPECT_FALSE(fs::exists(files.dir() + "/o.pdf"));
    EXPECT_EQ(value(foreign, "SELECT count(*) FROM dnt.records"), "0");
}

// The history is written only through the schema's functions, which stamp the session's
// role and take the images themselves: a printing role can neither write the tables nor
// add to a run of another transaction; a look-alike schema is never used, and only the
// declarations' owner prepares the schema again.
TEST_F(ServerCli, TheHistoryCannotBeForgedNorTheSchemaPassedOff) {
    prepare();
    ASSERT_EQ(run("print --db " + as(desk) + kRun + " --output " + files.dir() + "/o.pdf").status, 0);
    const std::string history = value(db, "SELECT string_agg(number::text || login || coalesce(undone_by::text, ''), ',') FROM dnt.runs") +
                                value(db, "SELECT count(*)::text || sum(length(after))::text FROM dnt.run_images");
    dba::pg::Connection c(db.uriAs(desk), false);
    const std::vector<std::string> denied = {
        "INSERT INTO dnt.run_images VALUES (1, 'DROITS', '*', '', NULL, 'EDITIONDNTVARDEC')",
        "UPDATE dnt.run_images SET before = 'x' WHERE run = 1",
        "UPDATE dnt.runs SET login = 'someone'",
        "DELETE FROM dnt.runs",
        "INSERT INTO dnt.runs(number, time, login, quarter, centre, options, output, kind) "
        "VALUES (99, '', '', '', '', '', '', 'print')",
        "INSERT INTO dnt.records VALUES ('REGULDNT', '99999', 'x')",
        "SELECT dnt.mark_undone(1, 1)",
        "SELECT dnt.finish_run(1, '')",
    };
    for (const std::string& sql : denied) {
        EXPECT_THROW(c.exec(sql), dba::DbError) << sql;
        c.exec("ROLLBACK");
    }
    // Run 1 is not this session's, and a run writes only its two files.
    auto write = [&](const std::string& file, const std::string& run) {
        return std::string(c.exec("SELECT dnt.write_record('" + file + "', 'k', 'x', -1, 1, false, " + run + ", '')")
                               .bytes(0, 0));
    };
    EXPECT_EQ(write("REGULDNT", "1"), "5");
    EXPECT_EQ(write("DROITS", "0"), "3");
    c.exec("BEGIN");
    const std::string mine = std::string(c.exec("SELECT dnt.open_run(0, 't', '20132', '75', '', '', 'print', 0)").bytes(0, 0));
    EXPECT_EQ(write("DROITS", mine), "5");
    c.exec("ROLLBACK");
    EXPECT_EQ(value(db, "SELECT string_agg(number::text || login || coalesce(undone_by::text, ''), ',') FROM dnt.runs") +
                  value(db, "SELECT count(*)::text || sum(length(after))::text FROM dnt.run_images"),
              history);

    // Preparing the schema again is for its owner.
    for (const std::string& role : {desk, stranger}) {
        Outcome r = run("db init-server --db " + as(role) + " --printers " + role);
        EXPECT_EQ(r.status, 3) << role << "\n" << r.err;
        EXPECT_TRUE(has(r.err, "role " + role + " may not")) << r.err;
    }
    EXPECT_EQ(run("db init-server --db " + as(owner) + " --printers " + reader).status, 0);

    // A role that may create schemas makes a look-alike: neither the database's owner nor
    // anyone else uses it.
    testsupport::ServerDb other;
    other.sql("GRANT CREATE ON DATABASE " + other.name() + " TO " + stranger);
    ASSERT_EQ(run("demo --db " + q(other.uriAs(stranger)) + " --aides 20").status, 0);
    other.sql("GRANT USAGE ON SCHEMA dnt TO PUBLIC; GRANT SELECT ON ALL TABLES IN SCHEMA dnt TO PUBLIC");
    for (const std::string& who : {std::string("postgres"), owner}) {
        Outcome r = run("print --db " + q(other.uriAs(who)) + " --quarter 20254 --centre 75 --output " + files.dir() +
                        "/x.pdf");
        EXPECT_EQ(r.status, 3) << who << "\n" << r.err;
        EXPECT_TRUE(has(r.err, "belongs to role " + stranger)) << who << "\n" << r.err;
    }
    other.sql("DROP OWNED BY " + stranger + " CASCADE");
}

TEST_F(ServerCli, TheDemoReplacesOnlyItsOwnSchema) {
    ASSERT_EQ(run("db init-server --db " + q(db.uri()) + " --owner " + owner + " --printers " + desk).status, 0);
    Outcome made = run("demo --db " + as(owner) + " --aides 40");
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(run("demo --db " + as(owner) + " --aides 50 --seed 2").status, 0);
    EXPECT_EQ(run("db query --db " + as(desk) + " 'SSELECT CIVILAIDE'").out.size(), 50u * 6);
    // The grants went through the replacement.
    EXPECT_EQ(run("print --db " + as(desk) + " --quarter 20254 --centre 75 --output " + files.dir() + "/d.pdf").status, 0);
    ASSERT_EQ(run("db import --db " + files.path() + " " + testsupport::sample("small.jsonl")).status, 0);
    ASSERT_EQ(run("db copy --from " + files.path() + " --to " + as(owner) + " --replace").status, 0);
    // The copy replaced the history too: the print above is no longer listed.
    EXPECT_FALSE(has(run("db runs --db " + as(desk)).out, "20254")) << run("db runs --db " + as(desk)).out;
    Outcome refused = run("demo --db " + as(owner));
    EXPECT_EQ(refused.status, 3);
    EXPECT_TRUE(has(refused.err, "did not make: it is replaced only when asked (--replace)")) << refused.err;
    EXPECT_EQ(run("demo --db " + as(owner) + " --replace --aides 30").status, 0);
}

// Desks killed at twenty moments of a run, and a run whose server ends its session half-way:
// none leaves a record, a lock or a half-written aidé behind, and the next run prints and
// writes everything.
TEST_F(ServerCli, DesksThatDieOrLoseTheirServerLeaveNothingBehind) {
    ASSERT_EQ(run("db init-server --db " + q(db.uri()) + " --owner " + owner + " --printers " + desk).status, 0);
    ASSERT_EQ(run("demo --db " + as(owner) + " --aides 3000").status, 0);
    const std::string before = written(as(owner));
    const std::string args = "print --db " + as(desk) + " --quarter 20254 --centre 75 --printer MATRICIELLE --output ";
    std::mt19937 random(20);
    int locksLeft = 0, changed = 0;
    for (int kill = 0; kill < 20; ++kill) {
        Background bg(args + files.dir() + "/k.txt", files.dir());
        ASSERT_FALSE(waitFor(db, kWritingRun).empty()) << bg.err();
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 400));
        bg.kill9();
        EXPECT_EQ(bg.wait(), -SIGKILL);
        for (int i = 0; i < 500 && value(db, kAdvisoryLocks) != "0"; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        locksLeft += std::stoi(value(db, kAdvisoryLocks));
        changed += written(as(owner)) != before;
        EXPECT_FALSE(fs::exists(files.dir() + "/k.txt"));
    }
    EXPECT_EQ(locksLeft, 0);
    EXPECT_EQ(changed, 0) << "a killed run wrote records";
    std::cout << "20 desks killed mid-run: " << locksLeft << " locks left, " << changed
              << " runs with records written (an aidé's records are written with the whole run or not at all)\n";
    {
        Background bg(args + files.dir() + "/k.txt", files.dir());
        const std::string pid = waitFor(db, kWritingRun);
        ASSERT_FALSE(pid.empty()) << bg.err();
        value(db, "SELECT pg_terminate_backend(" + pid + ")");
        EXPECT_EQ(bg.wait(), 3) << bg.err();
        EXPECT_TRUE(has(bg.err(), "lost the connection to server postgresql:///")) << bg.err();
        EXPECT_TRUE(has(bg.err(), "nothing was written to the database")) << bg.err();
        EXPECT_EQ(written(as(owner)), before);
    }
    Outcome again = run(args + files.dir() + "/a.txt --wait 10");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_FALSE(has(again.err, "could not be written")) << again.err;
    EXPECT_NE(written(as(owner)), before);
}
