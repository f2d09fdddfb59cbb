// What only a server does (the store's contract is in test_storage.cpp): writes that
// refuse, at once and without failing the writer's transaction, a record another session
// is writing or created since it was found absent; schemas that are not ours; roles and
// their grants.
#include <gtest/gtest.h>

#include <functional>

#include "dba/errors.h"
#include "dba/pg_connection.h"
#include "dba/pg_schema.h"
#include "support/server.h"
#include "support/database.h"

namespace {

using testsupport::Failure;
using testsupport::failureOf;

class ServerStore : public ::testing::Test {
protected:
    testsupport::ServerDb server;
    std::shared_ptr<dba::Database> loaded = testsupport::createWithSample(server.uri());
};

}  // namespace

// Each case: what another session (b) does first, then the record a writes, inside a run's
// transaction. The refusal is a lock refusal that names its cause (never a lock timeout,
// which would mean a wait), and a's transaction goes on.
TEST_F(ServerStore, AWriteRefusesAtOnceWhatAnotherSessionIsWritingOrCreated) {
    using Db = dba::Database;
    auto regul = [](Db& db) { return db.DBOpenFile("REGULDNT"); };
    struct Case {
        std::string name, words;
        std::function<void(Db& a, Db& b, dba::Record& seen)> before;
    };
    const std::vector<Case> cases = {
        {"updated by a transaction still open", "is being written by another user",
         [&](Db& a, Db& b, dba::Record& seen) {
             b.storage().begin();
             regul(b)->write("04581", "9");
             seen = regul(a)->DBRead("04581");
         }},
        {"created by a transaction still open", "is being written by another user",
         [&](Db& a, Db& b, dba::Record& seen) {
             b.storage().begin();
             regul(b)->write("77777", "9");
             seen = regul(a)->NewRecord("77777");
         }},
        {"created and committed since a found it absent", "was changed by another user since it was read",
         [&](Db& a, Db& b, dba::Record& seen) {
             EXPECT_EQ(failureOf([&] { regul(a)->DBRead("77777"); }).number, dba::kErrKeyAbsent);
             regul(b)->write("77777", "9");
             seen = dba::Record(regul(a), "77777", "", dba::Version{true, 0});
         }},
    };
    for (const Case& c : cases) {
        auto first = testsupport::openDatabase(server.uri());
        auto other = testsupport::openDatabase(server.uri());
        first->storage().begin();
        dba::Record seen;
        c.before(*first, *other, seen);
        seen.setElement(1, "1");
        Failure f = failureOf([&] { seen.DBWrite(); });
        EXPECT_EQ(f.number, dba::kErrLockRefused) << c.name << ": " << f.message;
        EXPECT_NE(f.message.find(c.words), std::string::npos) << c.name << ": " << f.message;
        EXPECT_NO_THROW(first->DBOpenFile("CONTRAT")->DBRead("A0048002")) << c.name;
        EXPECT_NO_THROW(first->storage().commit()) << c.name;
        if (other->storage().depth() > 0) other->storage().rollback();
    }
}

TEST_F(ServerStore, SchemasThatAreNotOursOrAbsent) {
    testsupport::ServerDb other;
    EXPECT_NE(failureOf([&] { testsupport::openDatabase(other.uri()); }).message.find("holds no declaration database"),
              std::string::npos);
    other.sql("CREATE SCHEMA dnt; CREATE TABLE dnt.records(x int)");
    for (dba::OpenMode mode : {dba::OpenMode::ReadOnly, dba::OpenMode::ReadWrite, dba::OpenMode::Create}) {
        Failure f = failureOf([&] { testsupport::openDatabase(other.uri(), mode); });
        EXPECT_EQ(f.number, dba::kErrStorage);
        EXPECT_NE(f.message.find("is not a declaration database: it is left as it is"), std::string::npos) << f.message;
    }
    dba::pg::Connection c(other.uri(), true);
    EXPECT_EQ(c.exec("SELECT count(*) FROM pg_tables WHERE schemaname = 'dnt'").bytes(0, 0), "1");
}

// The owner writes everything; a printing role reads everything and writes only what a
// run writes.
TEST_F(ServerStore, OwnerAndPrintingRoles) {
    const std::string owner = server.name() + "_owner", printer = server.name() + "_desk";
    for (const std::string& role : {owner, printer}) testsupport::serverSql("postgres", "CREATE ROLE " + role + " LOGIN");
    testsupport::ServerDb fresh;
    {
        dba::pg::Connection admin(fresh.uri(), false);
        dba::pg::initServer(admin, {owner, {printer}, testsupport::kRunFiles});
    }
    testsupport::createWithSample(fresh.uriAs(owner));
    auto p = testsupport::openDatabase(fresh.uriAs(printer));
    EXPECT_EQ(p->storage().authenticatedUser(), printer);
    EXPECT_NO_THROW(p->DBOpenFile("REGULDNT")->write("04581", "1"));
    EXPECT_NO_THROW(p->DBOpenFile("DETAILCHGPARTEMP")->write("0458199991", "1"));
    struct Refused {
        std::string what;
        std::function<void()> act;
    };
    const std::vector<Refused> refused = {
        {"a rights record", [&] { p->DBOpenFile("DROITS")->write(printer, "EDITIONDNTVARDEC\xFE" "2\xFE" "1"); }},
        {"a new rights record", [&] { p->DBOpenFile("DROITS")->NewRecord("zz").DBWrite(); }},
        {"a dictionary item", [&] { p->storage().putDict({"CONTRAT", "X", "F1"}); }},
        {"a file", [&] { p->storage().createFile("NEWFILE"); }},
    };
    for (const Refused& r : refused) {
        Failure f = failureOf(r.act);
        EXPECT_EQ(f.number, dba::kErrStorage) << r.what << ": " << f.message;
        EXPECT_NE(f.message.find(printer), std::string::npos) << r.what << ": " << f.message;
    }
    EXPECT_EQ(p->DBOpenFile("DROITS")->DBRead("*").element(1, 1), "EDITIONDNTVARDEC");
    p.reset();
    // A schema of the second version, which wrote the run files into its functions, is
    // refused until init-server brings it up to date with the files the program names.
    fresh.sql("DROP TABLE dnt.run_files; UPDATE dnt.meta SET value = '2' WHERE name = 'schema_version'");
    EXPECT_NE(failureOf([&] { testsupport::openDatabase(fresh.uriAs(printer)); }).message.find("earlier version"),
              std::string::npos);
    {
        dba::pg::Connection admin(fresh.uri(), false);
        dba::pg::initServer(admin, {owner, {printer}, {"REGULDNT"}});
    }
    p = testsupport::openDatabase(fresh.uriAs(printer));
    EXPECT_NO_THROW(p->DBOpenFile("REGULDNT")->write("04581", "2"));
    EXPECT_EQ(failureOf([&] { p->DBOpenFile("DETAILCHGPARTEMP")->write("0458199991", "2"); }).number, dba::kErrStorage);
    p.reset();
    // A schema of this version keeps the check of writes an earlier program made (here one
    // that lets everything through) until init-server makes it again.
    fresh.sql("CREATE OR REPLACE FUNCTION dnt.may_write(f bytea, run bigint) RETURNS integer LANGUAGE sql "
              "SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS 'SELECT 0'");
    {
        dba::pg::Connection admin(fresh.uri(), false);
        dba::pg::initServer(admin, {owner, {printer}, {"REGULDNT"}});
    }
    p = testsupport::openDatabase(fresh.uriAs(printer));
    EXPECT_EQ(failureOf([&] { p->DBOpenFile("DETAILCHGPARTEMP")->write("0458199991", "3"); }).number, dba::kErrStorage);
    p.reset();
    fresh.sql("DROP OWNED BY " + owner + ", " + printer + " CASCADE");
    for (const std::string& role : {owner, printer}) testsupport::serverSql("postgres", "DROP ROLE " + role);
}
