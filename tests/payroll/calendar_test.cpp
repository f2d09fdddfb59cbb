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

TEST(Calendar, FirstAndLastDaysAndMonthsOfEachQuarter) {
    struct Cas {
        const char* texte;
        const char* debut;
        const char* fin;
        std::string mois;
    };
    for (const Cas& c : {Cas{"1er  TRIMESTRE 2024", "01/01/2024", "31/03/2024", "1\xFE" "2\xFE" "3"},
                         Cas{"2ème TRIMESTRE 2024", "01/04/2024", "30/06/2024", "4\xFE" "5\xFE" "6"},
                         Cas{"4ème TRIMESTRE 2010", "01/10/2010", "31/12/2010", "10\xFE" "11\xFE" "12"}}) {
        SCOPED_TRACE(c.texte);
        auto s = withQuarter(c.texte);
        EXPECT_EQ(payroll::DebutTrimestre(s), day(c.debut));
        EXPECT_EQ(s.TabMoisTrimestre.text(), c.mois);
        EXPECT_EQ(payroll::FinTrimestre(s), day(c.fin));
        auto fin = withQuarter(c.texte);  // the last day leaves the months alone
        payroll::FinTrimestre(fin);
        EXPECT_TRUE(fin.TabMoisTrimestre.empty());
    }
}

TEST(Calendar, AnotherFirstCharacterGivesEmptyTextAndAnImpossibleYearIsRaised) {
    for (const char* texte : {"5ème TRIMESTRE 2024", "0 2024", "", "TRIMESTRE 2024"}) {
        auto s = withQuarter(texte);
        s.TabMoisTrimestre.setText("7\xFE" "8\xFE" "9");
        EXPECT_EQ(payroll::DebutTrimestre(s), "") << texte;
        EXPECT_EQ(payroll::FinTrimestre(s), "") << texte;
        EXPECT_EQ(s.TabMoisTrimestre.text(), "7\xFE" "8\xFE" "9");
    }
    auto s = withQuarter("2ème TRIMESTRE 20x4");  // an impossible year is raised
    EXPECT_THROW(payroll::DebutTrimestre(s), dnt::Error);
}

TEST(Calendar, InsideTheBoundsComparedByWholeDays) {
    auto s = withQuarter("2ème TRIMESTRE 2024");
    s.W_DebutTrimestre = payroll::DebutTrimestre(s);
    s.W_FinTrimestre = payroll::FinTrimestre(s);
    for (auto [jour, dedans] : std::vector<std::pair<std::string, bool>>{
             {day("01/04/2024"), true}, {day("30/06/2024"), true}, {day("31/03/2024"), false},
             {day("01/07/2024"), false}, {"", false}})
        EXPECT_EQ(payroll::ComprisDansTrimestre(s, jour), dedans) << jour;
    // A fractional day is compared by its whole part.
    s.W_DebutTrimestre = "20000";
    s.W_FinTrimestre = "20090";
    for (auto [jour, dedans] : std::vector<std::pair<std::string, bool>>{
             {"20000.7", true}, {"20090.9", true}, {"19999.9", false}})
        EXPECT_EQ(payroll::ComprisDansTrimestre(s, jour), dedans) << jour;
    EXPECT_THROW(payroll::ComprisDansTrimestre(s, "x"), dnt::ConversionError);  // not a number
    s.W_DebutTrimestre = "20000.8";  // the quarter's bounds are cut too
    EXPECT_TRUE(payroll::ComprisDansTrimestre(s, "20000"));
}
