// Writing the demo database to a path: created, replacing an earlier demo database,
// refusing anything else unless asked, never leaving a half-written file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dba/errors.h"
#include "demo/demo_file.h"
#include "demo_fixture.h"

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

demo::DemoOptions small(unsigned seed = 1) {
    demo::DemoOptions o;
    o.aides = 26;
    o.seed = seed;
    return o;
}

long contracts(const std::string& path) { return dba::Database::Open(path)->storage().count("CONTRAT"); }

}  // namespace

TEST(DemoFile, CreatesAndRecognisesADemoDatabase) {
    testsupport::TempDb tmp;
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::Absent);
    demo::DemoSummary s = demo::writeDemoDatabase(tmp.path(), small());
    EXPECT_EQ(s.aides, 26);
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::DemoDatabase);
    EXPECT_EQ(contracts(tmp.path()), s.contrats);
    EXPECT_FALSE(std::filesystem::exists(tmp.path() + ".demo-new"));
}

TEST(DemoFile, ReplacesAnEarlierDemoDatabase) {
    testsupport::TempDb tmp;
    demo::writeDemoDatabase(tmp.path(), small(1));
    demo::DemoSummary s = demo::writeDemoDatabase(tmp.path(), small(9));
    EXPECT_EQ(contracts(tmp.path()), s.contrats);
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::DemoDatabase);
}

TEST(DemoFile, RefusesAFileThatIsNotADatabase) {
    testsupport::TempDb tmp;
    { std::ofstream(tmp.path()) << "des notes importantes\n"; }
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::NotDatabase);
    try {
        demo::writeDemoDatabase(tmp.path(), small(), true);
        FAIL() << "a text file was replaced";
    } catch (const dba::DbError& e) {
        EXPECT_EQ(e.number(), dba::kErrStorage);
    }
    EXPECT_EQ(contents(tmp.path()), "des notes importantes\n");
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

TEST(DemoFile, AnEmptyFileIsTakenAsAbsent) {
    testsupport::TempDb tmp;
    { std::ofstream create(tmp.path()); }
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::EmptyFile);
    demo::writeDemoDatabase(tmp.path(), small());
    EXPECT_EQ(demo::classifyDemoTarget(tmp.path()), demo::DemoTarget::DemoDatabase);
}

TEST(DemoFile, BadOptionsLeaveTheTargetAlone) {
    testsupport::TempDb tmp;
    demo::writeDemoDatabase(tmp.path(), small());
    long avant = contracts(tmp.path());
    demo::DemoOptions o = small();
    o.aides = -1;
    EXPECT_THROW(demo::writeDemoDatabase(tmp.path(), o), std::invalid_argument);
    EXPECT_EQ(contracts(tmp.path()), avant);
}
