// Checks the conversion between day numbers and "dd/mm/yyyy" dates, at the calendar's edges.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dba/dates.h"
#include "dba/errors.h"

namespace dba {
namespace {

template <typename F>
void ExpectRefused(F convert, const std::string& text) {
    try {
        convert(text);
        ADD_FAILURE() << "accepted \"" << text << "\"";
    } catch (const DbError& e) {
        EXPECT_EQ(e.number(), kErrConversion) << text;
    }
}

// Both ways, one-digit days and months read, leap days by the Gregorian rule.
TEST(Dates, KnownDaysBothWays) {
    const std::vector<std::pair<long, const char*>> days = {
        {0, "31/12/1967"}, {1, "01/01/1968"}, {15431, "31/03/2010"}, {-1, "30/12/1967"}, {-365, "31/12/1966"},
        {61, "01/03/1968"}};  // 1968 is a leap year
    for (auto [day, text] : days) {
        EXPECT_EQ(DateExterne(day), text) << day;
        EXPECT_EQ(DateInterne(text), day) << text;
    }
    EXPECT_EQ(DateInterne("1/5/2024"), DateInterne("01/05/2024"));
    EXPECT_EQ(DateInterne("01/5/2024"), DateInterne("01/05/2024"));
    EXPECT_EQ(DateInterneText("1/1/1968"), "1");
    EXPECT_EQ(DateInterneText("30/12/1967"), "-1");
    EXPECT_EQ(DateExterne(DateInterne("29/02/2024")), "29/02/2024");
    EXPECT_EQ(DateExterne(DateInterne("29/02/2000")), "29/02/2000");
    EXPECT_EQ(DateInterne("01/03/2024") - DateInterne("28/02/2024"), 2);
    EXPECT_EQ(DateInterne("01/03/2100") - DateInterne("28/02/2100"), 1);
}

TEST(Dates, ImpossibleOrMalformedDatesAreRefused) {
    for (const char* text : {"29/02/2023", "29/02/1900", "31/02/2024", "31/04/2024", "32/01/2024", "00/01/2024",
                             "1/13/2024", "1/0/2024", "01/01/0000", "", "garbage", "01/01/24", "01/01/02024",
                             "001/01/2024", "01-01-2024", "01/01/2024/", " 01/01/2024", "01/01/2024 ", "+1/01/2024",
                             "01//2024", "1/1/2O24"})
        ExpectRefused([](const std::string& t) { DateInterne(t); }, text);
}

TEST(Dates, YearRangeEndsAndDayNumberTextsNotWholeAreRefused) {
    long first = FromYmd(1, 1, 1);
    long last = FromYmd(9999, 12, 31);
    EXPECT_EQ(DateExterne(first), "01/01/0001");
    EXPECT_EQ(DateExterne(last), "31/12/9999");
    EXPECT_THROW(DateExterne(first - 1), DbError);
    EXPECT_THROW(DateExterne(last + 1), DbError);
    EXPECT_THROW(FromYmd(10000, 1, 1), DbError);
    // A day number's text must be a whole number.
    for (auto [text, date] : std::vector<std::pair<const char*, const char*>>{
             {"15431", "31/03/2010"}, {" 15431 ", "31/03/2010"}, {"15431.0", "31/03/2010"}, {"-1", "30/12/1967"},
             {"0", "31/12/1967"}})
        EXPECT_EQ(DateExterneText(text), date) << text;
    for (const char* text : {"", "abc", "15431.5", "1/1/2000", "99999999999"})
        ExpectRefused([](const std::string& t) { DateExterneText(t); }, text);
}

TEST(Dates, RoundTripKeepsEveryDayAndDaysFollowEachOther) {
    Ymd previous = ToYmd(-40000);
    for (long day = -40000 + 1; day <= 60000; ++day) {
        Ymd date = ToYmd(day);
        ASSERT_EQ(FromYmd(date.y, date.m, date.d), day);
        bool nextDay = date.y == previous.y && date.m == previous.m && date.d == previous.d + 1;
        bool nextMonth = date.y == previous.y && date.m == previous.m + 1 && date.d == 1;
        bool nextYear = date.y == previous.y + 1 && date.m == 1 && date.d == 1 && previous.m == 12 &&
                        previous.d == 31;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << day;
        previous = date;
    }
    for (long day : {-40000L, -1L, 0L, 1L, 15431L, 20000L, 60000L}) EXPECT_EQ(DateInterne(DateExterne(day)), day);
}

}  // namespace
}  // namespace dba
