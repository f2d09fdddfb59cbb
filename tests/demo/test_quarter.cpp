// Quarter labels, keys and months of the demo calendar.
#include <gtest/gtest.h>

#include "demo/calendar.h"

TEST(DemoCalendar, DaysOfMonthsAndQuarters) {
    EXPECT_EQ(demo::Quarter({2010, 1}).lastDay(), 15431);  // 31/03/2010
    EXPECT_EQ(demo::Month({2024, 2}).days(), 29);
    EXPECT_EQ(demo::Month({2025, 12}).plus(1).key(), "202601");
    EXPECT_EQ(demo::Month({2025, 1}).plus(-1).key(), "202412");
}

TEST(DemoCalendar, ParsesKeysAndLabels) {
    demo::Quarter q{};
    ASSERT_TRUE(demo::parseQuarter("20253", q));
    EXPECT_EQ(q.year, 2025);
    EXPECT_EQ(q.number, 3);
    ASSERT_TRUE(demo::parseQuarter("1er  TRIMESTRE 2024", q));
    EXPECT_EQ(q.key(), "20241");
    EXPECT_FALSE(demo::parseQuarter("20255", q));
    EXPECT_FALSE(demo::parseQuarter("1er TRIMESTRE 2024", q));
    EXPECT_FALSE(demo::parseQuarter("", q));
}
