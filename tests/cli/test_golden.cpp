// The golden runs: each sample database's latest quarter printed for each centre, against tests/data/golden.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_support.h"

using namespace clitest;

TEST(Golden, EachSampleRunGivesTheReviewedJournalsAndRecords) {
    const std::string golden = std::string(DNT_TEST_DATA) + "/golden/";
    const std::vector<std::pair<std::string, std::string>> samples = {
        {"small", "20132"}, {"old", "20102"}, {"recent", "20251"}};
    for (const auto& [sample, quarter] : samples) {
        testsupport::TempDb tmp;
        ASSERT_EQ(run("db import --db " + tmp.path() + " " + testsupport::sample(sample + ".jsonl")).status, 0);
        for (const char* centre : {"75", "92", "93"}) {
            const std::string expected = golden + sample + "-" + centre + ".journal";
            const std::string journal = tmp.dir() + "/" + centre + ".journal";
            Outcome r = run("print --db " + tmp.path() + " --quarter " + quarter + " --centre " + centre +
                            " --today 15/07/2025 --user golden --output " + tmp.dir() + "/o.pdf --journal " + journal);
            if (!std::filesystem::exists(expected)) {
                EXPECT_EQ(r.status, 1) << sample << " " << centre << ": nothing to declare\n" << r.err;
                continue;
            }
            ASSERT_EQ(r.status, 0) << sample << " " << centre << "\n" << r.err;
            EXPECT_EQ(slurp(journal), slurp(expected)) << sample << " centre " << centre;
        }
        EXPECT_EQ(run("db export --db " + tmp.path() + " REGULDNT DETAILCHGPARTEMP").out,
                  slurp(golden + sample + ".records.jsonl"))
            << sample;
    }
}
