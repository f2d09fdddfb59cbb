// Writing the demo database to a path: created, replacing an earlier demo database,
// refusing anything else unless asked, never leaving a half-written file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dba/errors.h"
#include "demo/demo_file.h"
#include "demo_fixture.h"
#include "support/database.h"

namespace {

demo::DemoOptions small(unsigned seed = 1) {
    demo::DemoOptions o;
    o.aides = 26;
    o.seed = seed;
    return o;
}

long contracts(const std::string& path) { return testsupport::openDatabase(path)->storage().count("CONTRAT"); }

}  // namespace

// Where nothing is, or an empty file; over an earlier demo database, unless the options are bad.
TEST(DemoFile, CreatesADemoDatabaseAndReplacesAnEarlierOne) {
    testsupport::TempDb tmp;
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::Absent);
    demo::DemoSummary s = demo::writeDemoDatabase(tmp.path(), small());
    EXPECT_EQ(s.aides, 26);
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::DemoDatabase);
    EXPECT_EQ(contracts(tmp.path()), s.contrats);
    EXPECT_FALSE(std::filesystem::exists(tmp.path() + ".demo-new"));
    s = demo::writeDemoDatabase(tmp.path(), small(9));
    EXPECT_EQ(contracts(tmp.path()), s.contrats);
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::DemoDatabase);
    demo::DemoOptions bad = small();
    bad.aides = -1;
    EXPECT_THROW(demo::writeDemoDatabase(tmp.path(), bad), std::invalid_argument);
    EXPECT_EQ(contracts(tmp.path()), s.contrats);

    testsupport::TempDb empty;
    { std::ofstream create(empty.path()); }
    EXPECT_EQ(demo::classifyDemoTarget(empty.path()), demo::DemoTarget::EmptyFile);
    demo::writeDemoDatabase(empty.path(), small());
    EXPECT_EQ(demo::classifyDemoTarget(empty.path()), demo::DemoTarget::DemoDatabase);
}

TEST(DemoFile, RefusesAFileThatIsNotADatabase) {
    testsupport::TempDb tmp;
    { std::ofstream(tmp.path()) << "des notes importantes\n"; }
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::NotDatabase);
    EXPECT_EQ(testsupport::errorOf([&] { demo::writeDemoDatabase(tmp.path(), small(), true); }), dba::kErrStorage);
    EXPECT_EQ(testsupport::slurp(tmp.path()), "des notes importantes\n");
    EXPECT_EQ(demo::classifyDemoTarget(tmp.dir()), demo::DemoTarget::NotDatabase);  // a folder
}

TEST(DemoFile, ReplacesAnotherDeclarationDatabaseOnlyWhenAsked) {
    testsupport::TempDb tmp;
    testsupport::loadSample(tmp);
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::OtherDatabase);
    long avant = contracts(tmp.path());
    EXPECT_THROW(demo::writeDemoDatabase(tmp.path(), small()), dba::DbError);
    EXPECT_EQ(contracts(tmp.path()), avant);
    demo::DemoSummary s = demo::writeDemoDatabase(tmp.path(), small(), true);
    EXPECT_EQ(contracts(tmp.path()), s.contrats);
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::DemoDatabase);
}
