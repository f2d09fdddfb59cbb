// The quarter calendar: first and last days, the quarter's months, and the inside test.
#include <gtest/gtest.h>

#include "numbers/error.h"
#include "payroll_db.h"

using paytest::day;

namespace {

dnt::SharedState withQuarter(const std::string& texte) {
    dnt::SharedState s;
    s.TexteTrimestre = texte;
    return s;
}

}  // namespace

TEST(Calendar, SecondQuarterOf2024) {
    auto s = withQuarter("2ème TRIMESTRE 2024");
    EXPECT_EQ(payroll::DebutTrimestre(s), day("01/04/2024"));
    EXPECT_EQ(s.TabMoisTrimestre.text(), "4\xFE" "5\xFE" "6");
    EXPECT_EQ(payroll::FinTrimestre(s), day("30/06/2024"));
}

TEST(Calendar, FirstQuarterEndsOn31March) {
    auto s = withQuarter("1er  TRIMESTRE 2024");
    EXPECT_EQ(payroll::DebutTrimestre(s), day("01/01/2024"));
    EXPECT_EQ(payroll::FinTrimestre(s), day("31/03/2024"));
    EXPECT_EQ(s.TabMoisTrimestre.text(), "1\xFE" "2\xFE" "3");
}

TEST(Calendar, FourthQuarterEndsOn31DecemberOfTheSameYear) {
    auto s = withQuarter("4ème TRIMESTRE 2010");
    EXPECT_EQ(payroll::DebutTrimestre(s), day("01/10/2010"));
    EXPECT_EQ(payroll::FinTrimestre(s), day("31/12/2010"));
    EXPECT_EQ(s.TabMoisTrimestre.element(1), "10");
    EXPECT_EQ(s.TabMoisTrimestre.element(3), "12");
}

TEST(Calendar, FinTrimestreLeavesTheMonthsAlone) {
    auto s = withQuarter("3ème TRIMESTRE 2024");
    payroll::FinTrimestre(s);
    EXPECT_TRUE(s.TabMoisTrimestre.empty());
}

TEST(Calendar, AnotherFirstCharacterGivesEmptyTextAndKeepsTheMonths) {
    for (const char* texte : {"5ème TRIMESTRE 2024", "0 2024", "", "TRIMESTRE 2024"}) {
        auto s = withQuarter(texte);
        s.TabMoisTrimestre.setText("7\xFE" "8\xFE" "9");
        EXPECT_EQ(payroll::DebutTrimestre(s), "") << texte;
        EXPECT_EQ(payroll::FinTrimestre(s), "") << texte;
        EXPECT_EQ(s.TabMoisTrimestre.text(), "7\xFE" "8\xFE" "9");
    }
}

TEST(Calendar, AnImpossibleYearIsRaised) {
    auto s = withQuarter("2ème TRIMESTRE 20x4");
    EXPECT_THROW(payroll::DebutTrimestre(s), dnt::Error);
}

TEST(Calendar, BoundsAreInside) {
    auto s = withQuarter("2ème TRIMESTRE 2024");
    s.W_DebutTrimestre = payroll::DebutTrimestre(s);
    s.W_FinTrimestre = payroll::FinTrimestre(s);
    EXPECT_TRUE(payroll::ComprisDansTrimestre(s, day("01/04/2024")));
    EXPECT_TRUE(payroll::ComprisDansTrimestre(s, day("30/06/2024")));
    EXPECT_FALSE(payroll::ComprisDansTrimestre(s, day("31/03/2024")));
    EXPECT_FALSE(payroll::ComprisDansTrimestre(s, day("01/07/2024")));
    EXPECT_FALSE(payroll::ComprisDansTrimestre(s, ""));
}

TEST(Calendar, AFractionalDayIsComparedByItsWholePart) {
    dnt::SharedState s;
    s.W_DebutTrimestre = "20000";
    s.W_FinTrimestre = "20090";
    EXPECT_TRUE(payroll::ComprisDansTrimestre(s, "20000.7"));
    EXPECT_TRUE(payroll::ComprisDansTrimestre(s, "20090.9"));
    EXPECT_FALSE(payroll::ComprisDansTrimestre(s, "19999.9"));
    s.W_DebutTrimestre = "20000.8";  // the quarter's bounds are cut too
    EXPECT_TRUE(payroll::ComprisDansTrimestre(s, "20000"));
}

TEST(Calendar, NonNumericDateIsAConversionError) {
    dnt::SharedState s;
    s.W_DebutTrimestre = "20000";
    s.W_FinTrimestre = "20090";
    EXPECT_THROW(payroll::ComprisDansTrimestre(s, "x"), dnt::ConversionError);
}
