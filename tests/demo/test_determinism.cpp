// The same options give the same database, byte for byte; another seed gives another; the
// options choose the latest quarter, and are refused out of their range.
#include <gtest/gtest.h>

#include <functional>

#include "demo_fixture.h"
#include "support/database.h"

namespace {

demo::DemoOptions options(int aides, unsigned seed = 1) {
    demo::DemoOptions o;
    o.aides = aides;
    o.seed = seed;
    return o;
}

std::string dump(const demo::DemoOptions& o) {
    testsupport::TempDb tmp;
    auto db = testsupport::openDatabase(tmp.path(), dba::OpenMode::Create);
    demo::generateDemo(*db, o);
    return testsupport::exported(*db);
}

}  // namespace

TEST(DemoDeterminism, SameSeedSameExportAnotherSeedAnother) {
    std::string a = dump(options(60, 42));
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, dump(options(60, 42)));
    EXPECT_NE(dump(options(40)), dump(options(40, 2)));
}

// The pay period is the latest quarter's last month: the default quarter, then another;
// options out of their range are refused before anything is written.
TEST(DemoDeterminism, TheLatestQuarterItsPayPeriodAndTheOptionsRange) {
    const demotest::Generated& standard = demotest::standard();
    EXPECT_EQ(demotest::field(demotest::records(*standard.db, "PERIODESPAIE").at("1"), 1), "202512");
    EXPECT_EQ(standard.summary.libelleTrimestre, "4ème TRIMESTRE 2025");
    EXPECT_EQ(standard.summary.cleTrimestre, "20254");
    EXPECT_EQ(standard.summary.periode, "202512");
    testsupport::TempDb tmp;
    auto db = testsupport::openDatabase(tmp.path(), dba::OpenMode::Create);
    for (const auto& change : std::vector<std::function<void(demo::DemoOptions&)>>{
             [](auto& o) { o.aides = 0; }, [](auto& o) { o.trimestre = 5; }, [](auto& o) { o.annee = 2009; }}) {
        demo::DemoOptions o;
        change(o);
        EXPECT_THROW(demo::generateDemo(*db, o), std::invalid_argument);
    }
    EXPECT_EQ(db->storage().count("CONTRAT"), 0);
    demo::DemoOptions o;
    o.annee = 2024;
    o.trimestre = 1;
    demo::DemoSummary s = demo::generateDemo(*db, o);
    EXPECT_EQ(s.libelleTrimestre, "1er  TRIMESTRE 2024");
    EXPECT_EQ(s.cleTrimestre, "20241");
    EXPECT_EQ(demotest::field(demotest::records(*db, "PERIODESPAIE").at("1"), 1), "202403");
    EXPECT_TRUE(demotest::records(*db, "DETAILCALCUL").count("A0004001202403"));
}
