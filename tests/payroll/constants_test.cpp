// The payroll constant of the quarter, month by month and on average, the franc date, and
// the centre's rate with the reduced hourly values.
#include <gtest/gtest.h>

#include "numbers/error.h"
#include "payroll_db.h"

using paytest::day;
using paytest::mv;

namespace {

class Constants : public ::testing::Test {
protected:
    // CONSTANTESPAIE "1": field 1 the second constant, field 3 amounts, field 4 dates of
    // effect (most recent first), field 9 the franc date.
    void constants(const std::string& amounts, const std::string& dates, const std::string& f9 = day("01/01/2002")) {
        t.put("CONSTANTESPAIE", "1", {"150000", "HORAIRE", amounts, dates, "", "", "", "", f9});
    }
    void SetUp() override {
        t.chooseQuarter("2ème TRIMESTRE 2024");
        t.s.Aujourdhui = dba::DateInterne("10/07/2024");
    }
    paytest::PayrollDb t;
};

}  // namespace

TEST_F(Constants, EachMonthTakesTheAmountInForceAndTheQuarterTheirAverage) {
    struct Cas {
        std::string amounts, dates, mois;
        double moyenne;
    };
    for (const Cas& c : {
             // One date before the quarter: the same amount every month.
             Cas{mv({"1165", "1100"}), mv({day("01/01/2024"), day("01/01/2023")}), "1165\xFE" "1165\xFE" "1165", 11.65},
             // A date in the second month is averaged.
             Cas{mv({"1200", "1165"}), mv({day("01/05/2024"), day("01/01/2024")}), "1165\xFE" "1200\xFE" "1200",
                 ((1165 + 1200.0 + 1200.0) / 3) / 100},
             // A date on the 15th applies to its whole month.
             Cas{mv({"1300", "1200", "1165"}), mv({day("15/06/2024"), day("15/04/2024"), day("01/01/2024")}),
                 "1200\xFE" "1200\xFE" "1300", ((1200 + 1200.0 + 1300.0) / 3) / 100}}) {
        constants(c.amounts, c.dates);
        payroll::LectureConstantesPaie(t.s, t.quarter);
        EXPECT_EQ(t.s.TabConstantesPaie.text(), c.mois);
        EXPECT_EQ(t.s.W_ValeurConstante, c.moyenne);
        EXPECT_EQ(t.s.W_ValeurConstanteTrim, c.moyenne);
        EXPECT_EQ(t.s.W_ValeurConstante1, 1500.0);
    }
}

TEST_F(Constants, AnEmptyOrOverflowingAmountIsRaised) {
    constants(mv({"1165"}), mv({day("01/07/2024")}));
    EXPECT_THROW(payroll::LectureConstantesPaie(t.s, t.quarter), dnt::ConversionError);
    EXPECT_EQ(t.s.TabConstantesPaie.element(1), "");
    // The first month's amount is taken as an integer: 40000 does not fit and is raised.
    constants("40000", day("01/01/2024"));
    EXPECT_THROW(payroll::LectureConstantesPaie(t.s, t.quarter), dnt::OverflowError);
}

TEST(ConstantsMissing, AMissingRecordIsRaised) {
    paytest::PayrollDb t;
    t.chooseQuarter("2ème TRIMESTRE 2024");
    t.put("CONSTANTESPAIE", "2", {"1"});
    EXPECT_THROW(payroll::LectureConstantesPaie(t.s, t.quarter), dba::DbError);
}

TEST_F(Constants, FrancDateIsPassedWhenTodayIsLater) {
    constants("1165", day("01/01/2024"), day("31/12/2001"));
    payroll::LectureConstantesPaie(t.s, t.quarter);
    EXPECT_TRUE(t.s.W_Constante9Depassee);
    EXPECT_EQ(t.s.W_MoisConstante9, "200112");

    t.s.Aujourdhui = dba::DateInterne("31/12/2001");  // the same day is not later
    payroll::LectureConstantesPaie(t.s, t.quarter);
    EXPECT_FALSE(t.s.W_Constante9Depassee);
    EXPECT_EQ(t.s.W_MoisConstante9, "200112");
}

namespace {

class CentreRates : public ::testing::Test {
protected:
    void SetUp() override { t.chooseQuarter("2ème TRIMESTRE 2024"); }
    void centre(const std::string& dates, const std::string& rates) {
        std::vector<std::string> f(22);
        f[0] = "URSSAF";
        f[19] = dates;
        f[20] = rates;
        t.put("CENTREURSSAF", "75", f);
        t.s.RecCentre = t.get("CENTREURSSAF", "75");
    }
    paytest::PayrollDb t;
};

}  // namespace

TEST_F(CentreRates, ReducedValueIsCutTheOtherRoundedAndTheSecondRateZero) {
    // 10.00 less 0.125 % is 9.9875: cut to 9.98.
    centre(mv({day("01/01/2020")}), mv({"125"}));
    t.s.W_ValeurConstante = 10.00;
    t.s.W_ValeurConstante1 = 1500.00;
    t.s.W_TauxRubCharge = dnt::Long32(2500);
    payroll::ValeurdesCharges(t.s, t.quarter);
    EXPECT_EQ(t.s.W_TauxCentre, 0.125);
    EXPECT_EQ(t.s.W_ValeurReduite, 9.98);
    EXPECT_EQ(t.s.W_TauxCentreNet, 0.125 - 2.5);
    // 1500 less 0.125 % is 1498.125, 149813 cents, 8.6099... an hour, rounded to 8.61.
    EXPECT_EQ(t.s.W_Valeur1Reduite, 8.61);
    // The second rate is always zero.
    centre(mv({day("01/01/2020")}), mv({"22048"}));
    t.s.W_TauxCentreBis = 5;
    t.s.W_ValeurConstante = 11.657;
    t.s.W_TauxRubCharge = dnt::Long32(1750);
    payroll::ValeurdesCharges(t.s, t.quarter);
    EXPECT_EQ(t.s.W_TauxCentreBis, 0.0);
    EXPECT_EQ(t.s.W_ValeurReduiteBis, 11.65);
    EXPECT_EQ(t.s.W_TauxCentreBisNet, -1.75);
}

TEST_F(CentreRates, RateIsAveragedOverTheMonthsAndNotCarriedOver) {
    centre(mv({day("20/06/2024"), day("01/01/2020")}), mv({"22000", "21000"}));
    t.s.W_ValeurConstante = 11.65;
    payroll::ValeurdesCharges(t.s, t.quarter);
    EXPECT_EQ(t.s.W_TauxCentre, (21000.0 + 21000.0 + 22000.0) / 3 / 1000);
    payroll::ValeurdesCharges(t.s, t.quarter);  // a second run starts again from 0
    EXPECT_EQ(t.s.W_TauxCentre, (21000.0 + 21000.0 + 22000.0) / 3 / 1000);
}

TEST_F(CentreRates, ValuesFromTheStoredConstants) {
    t.s.Aujourdhui = dba::DateInterne("10/07/2024");
    t.put("CONSTANTESPAIE", "1", {"196898", "", "1165", day("01/01/2024"), "", "", "", "", day("01/01/2002")});
    centre(mv({day("01/01/2020")}), mv({"22048"}));
    payroll::LectureConstantesPaie(t.s, t.quarter);
    payroll::ValeurdesCharges(t.s, t.quarter);
    EXPECT_EQ(t.s.W_TauxCentre, (22048.0 + 22048.0 + 22048.0) / 3 / 1000);
    // 11.65 less 22.048 %: 9.081408, cut to 9.08.
    EXPECT_EQ(t.s.W_ValeurReduite, 9.08);
    // 1968.98 less 22.048 %: 1534.86 rounded, 8.82 an hour.
    EXPECT_EQ(t.s.W_Valeur1Reduite, 8.82);
}
