// A whole database copied between stores of either kind: both then export the same bytes,
// and a destination holding data is replaced only when asked.
#include <gtest/gtest.h>

#include "support/backends.h"
#include "dba/copy.h"
#include "dba/errors.h"
#include "support/database.h"

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

using testsupport::exported;

class Copy : public ::testing::TestWithParam<Pair> {};

}  // namespace

TEST_P(Copy, GivesTheSameDumpAndReplacesOnlyWhenAsked) {
    auto fromTarget = GetParam().from.fresh(), toTarget = GetParam().to.fresh();
    auto from = testsupport::createWithSample(*fromTarget, "recent.jsonl");
    auto to = testsupport::openDatabase(*toTarget, dba::OpenMode::Create);
    dba::CopyCounts n = dba::copyDatabase(from->storage(), to->storage(), false);
    EXPECT_GT(n.records, 1000);
    EXPECT_EQ(exported(*to), exported(*from));

    from->DBOpenFile("REGULDNT")->write("04581", "changed");
    const std::string refusal =
        testsupport::failureOf([&] { dba::copyDatabase(from->storage(), to->storage(), false); }).message;
    EXPECT_TRUE(testsupport::has(refusal, "already holds a declaration database")) << refusal;
    EXPECT_NE(exported(*to), exported(*from));
    to->storage().createFile("ONLY_HERE");
    dba::copyDatabase(from->storage(), to->storage(), true);
    EXPECT_EQ(exported(*to), exported(*from));
}

INSTANTIATE_TEST_SUITE_P(Stores, Copy, ::testing::ValuesIn(pairs()), pairName);
