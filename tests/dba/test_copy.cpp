// A whole database copied between stores of either kind: both then export the same bytes,
// and a destination holding data is replaced only when asked.
#include <gtest/gtest.h>

#include <sstream>

#include "support/backends.h"
#include "dba/copy.h"
#include "dba/errors.h"

namespace {

struct Pair {
    testsupport::Backend from, to;
};

void PrintTo(const Pair& p, std::ostream* os) { *os << p.from.name << " to " << p.to.name; }

std::vector<Pair> pairs() {
    std::vector<Pair> all;
    for (const auto& from : testsupport::backends())
        for (const auto& to : testsupport::backends()) all.push_back({from, to});
    return all;
}

std::string pairName(const ::testing::TestParamInfo<Pair>& info) {
    return info.param.from.name + "_to_" + info.param.to.name;
}

std::string exported(dba::Database& db) {
    std::ostringstream out;
    dba::exportJsonl(db, out);
    return out.str();
}

class Copy : public ::testing::TestWithParam<Pair> {};

}  // namespace

TEST_P(Copy, GivesTheSameDumpAndReplacesOnlyWhenAsked) {
    auto fromTarget = GetParam().from.fresh(), toTarget = GetParam().to.fresh();
    auto from = dba::Database::Open(*fromTarget, dba::OpenMode::Create);
    std::ifstream in(testsupport::sample("recent.jsonl"), std::ios::binary);
    dba::importJsonl(*from, in);
    auto to = dba::Database::Open(*toTarget, dba::OpenMode::Create);
    dba::CopyCounts n = dba::copyDatabase(from->storage(), to->storage(), false);
    EXPECT_GT(n.records, 1000);
    EXPECT_EQ(exported(*to), exported(*from));

    from->DBOpenFile("REGULDNT")->write("04581", "changed");
    try {
        dba::copyDatabase(from->storage(), to->storage(), false);
        ADD_FAILURE() << "a destination holding data was replaced without being asked";
    } catch (const dba::DbError& e) {
        EXPECT_NE(std::string(e.what()).find("already holds a declaration database"), std::string::npos) << e.what();
    }
    EXPECT_NE(exported(*to), exported(*from));
    to->storage().createFile("ONLY_HERE");
    dba::copyDatabase(from->storage(), to->storage(), true);
    EXPECT_EQ(exported(*to), exported(*from));
}

INSTANTIATE_TEST_SUITE_P(Stores, Copy, ::testing::ValuesIn(pairs()), pairName);
