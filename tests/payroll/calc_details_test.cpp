// Aidant lines from the monthly calculation details: months of the contract, amounts,
// overtime, the "922" amounts, line grouping, and statements passed over when they fail.
#include <gtest/gtest.h>

#include <map>

#include "payroll_db.h"

using paytest::day;
using paytest::mv;

namespace {

// Detail fields by number: 2 rubrics, 3 quantities, 5 whole numbers, 6 hours, 7 amount,
// 8 codes, 62 a further amount.
using Champs = std::map<int, std::string>;

class CalcDetails : public ::testing::Test {
protected:
    void SetUp() override {
        t.chooseQuarter("2ème TRIMESTRE 2024");
        t.open({"CIVILAIDANT", "DETAILCALCUL", "CONTRAT"});
        t.s.TabConstantesPaie.setText("1165\xFE" "1165\xFE" "1165");
        t.s.W_MoisConstante9 = "200201";
        t.s.W_Constante9Depassee = true;
        t.s.W_Totaux.setText("0\xFE" "0\xFE" "0");
        t.s.RubriquesHeuresSup.setText("125\xFD" "1250000\xFE" "126\xFD" "1250000\xFE" "150\xFD" "1500000");
        t.put("CIVILAIDANT", "15129", {"MME", "", "FRANCOISE", "DENIS"});
        t.put("CIVILAIDANT", "17975", {"M.", "", "MARIE", "LEBLANC"});
    }

    void contrat(const std::string& key, const std::string& debut, const std::string& fin = "",
                 const std::string& nature = "M") {
        std::vector<std::string> f(30);
        f[0] = "02";
        f[2] = "11344";
        f[6] = debut;
        f[7] = fin;
        f[29] = nature;
        t.put("CONTRAT", key, f);
    }

    void detail(const std::string& key, const Champs& champs) {
        std::vector<std::string> f(62);
        for (const auto& [n, v] : champs) f[n - 1] = v;
        t.put("DETAILCALCUL", key, f);
    }

    // Reads the contracts in this order, as the print loop does for the rows of one aidé.
    void lire(std::initializer_list<std::string> contrats) {
        dba::DynArray tableau;
        int i = 0;
        for (const auto& c : contrats) {
            ++i;
            tableau.Replace(i, 1, 0, c);
            tableau.Replace(i, 2, 0, "11344");
        }
        for (int row = 1; row <= i; ++row) {
            t.s.RecContrat = t.get("CONTRAT", tableau.Extract(row, 1, -1));
            payroll::LectureDetailCalcul(t.s, row, tableau);
        }
    }

    std::string ligne(int L, int v) { return t.s.W_LignesAidants.element(L, v); }

    paytest::PayrollDb t;
};

}  // namespace

TEST_F(CalcDetails, HoursTimesTheMonthsConstantRoundedToCents) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "4350"}, {7, "1"}});
    lire({"15129001"});
    EXPECT_EQ(t.s.W_NbAidants.value(), 1);
    EXPECT_EQ(ligne(1, 1), "15129");
    EXPECT_EQ(ligne(1, 2), "43.5");
    EXPECT_EQ(ligne(1, 3), "506.78");  // 43.5 x 1165 + 0.5 = 50678
    EXPECT_EQ(ligne(1, 4), "M");
    EXPECT_EQ(t.s.W_MontantMois, 506.78);
    EXPECT_EQ(t.s.W_Totaux.text(), "506.78\xFE" "0\xFE" "0");
    EXPECT_EQ(t.s.RecAidant.element(4), "DENIS");
}

TEST_F(CalcDetails, TheHalfIsAddedThenRoundedToEven) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "100"}});
    detail("15129001202405", {{6, "100"}});
    t.s.TabConstantesPaie.setText("50677\xFE" "50678\xFE" "1165");
    lire({"15129001"});
    // 50677 + 0.5 gives 50678 by the half to even; 50678 + 0.5 stays 50678.
    EXPECT_EQ(t.s.W_Totaux.element(1), "506.78");
    EXPECT_EQ(t.s.W_Totaux.element(2), "506.78");
    EXPECT_EQ(ligne(1, 3), "1013.56");
}

TEST_F(CalcDetails, KindBTakesTheMonthsAmount) {
    contrat("15129001", day("01/01/2020"), "", "B");
    detail("15129001202405", {{6, "4350"}, {7, "50547"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 3), "505.47");
    EXPECT_EQ(ligne(1, 4), "B");
    EXPECT_EQ(t.s.W_Totaux.element(2), "505.47");
}

TEST_F(CalcDetails, MonthsBeforeTheFrancDateAreConverted) {
    contrat("15129001", day("01/01/2020"));
    t.s.TabConstantesPaie.setText("656\xFE" "656\xFE" "656");
    detail("15129001202404", {{6, "1000"}});
    detail("15129001202405", {{6, "1000"}});
    t.s.W_MoisConstante9 = "202405";
    lire({"15129001"});
    // April: 65.60 / 6.55957 = 10.0006, rounded to 10; May is not converted.
    EXPECT_EQ(t.s.W_Totaux.element(1), "10");
    EXPECT_EQ(t.s.W_Totaux.element(2), "65.6");
    EXPECT_EQ(ligne(1, 3), "75.6");
}

TEST_F(CalcDetails, KindBAmountsBeforeTheFrancDateAreConvertedToo) {
    contrat("15129001", day("01/01/2020"), "", "B");
    detail("15129001202404", {{6, "1000"}, {7, "6560"}});
    t.s.W_MoisConstante9 = "202405";
    lire({"15129001"});
    // 65.60 / 6.55957 = 10.0006, rounded to a whole 10.
    EXPECT_EQ(ligne(1, 3), "10");
    EXPECT_EQ(t.s.W_MontantMois, 10.0);
}

TEST_F(CalcDetails, NoConversionUntilTheFrancDateIsPassed) {
    contrat("15129001", day("01/01/2020"));
    t.s.TabConstantesPaie.setText("656\xFE" "656\xFE" "656");
    detail("15129001202404", {{6, "1000"}});
    t.s.W_MoisConstante9 = "202405";
    t.s.W_Constante9Depassee = false;
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 3), "65.6");
}

TEST_F(CalcDetails, OvertimeOfOneMonthIsCutOnceOnTheSum) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{2, mv({"100", "125", "126"})},
                              {3, mv({"15000", "150", "75"})},
                              {5, mv({"9", "3", "4"})},
                              {6, "15225"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 7), "2");  // 225 / 100, cut
    EXPECT_EQ(ligne(1, 8), "0");
    EXPECT_EQ(ligne(1, 9), "7");  // field 5 of the overtime lines only
    EXPECT_EQ(t.s.W_HeuresSup125.value(), 2);
}

TEST_F(CalcDetails, OvertimeOfTwoMonthsIsCutPerMonth) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{2, "125"}, {3, "150"}, {5, "1"}, {6, "150"}});
    detail("15129001202405", {{2, "126"}, {3, "75"}, {5, "1"}, {6, "75"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 7), "1");  // 1 + 0
    EXPECT_EQ(ligne(1, 9), "2");
}

TEST_F(CalcDetails, ARubricOnSeveralPayLinesAddsEachTime) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{2, mv({"150", "150"})}, {3, mv({"150", "75"})}, {5, mv({"1", "1"})}, {6, "225"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 7), "0");
    EXPECT_EQ(ligne(1, 8), "2");
    EXPECT_EQ(ligne(1, 9), "2");
}

TEST_F(CalcDetails, Amounts922AreAddedPerCode) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "100"}, {7, "300"}, {8, mv({"100", "922"})}});
    detail("15129001202405", {{6, "100"}, {7, "250"}, {8, mv({"922", "922"})}});
    detail("15129001202406", {{6, "100"}, {7, "999"}, {8, "908"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 10), "800");
}

TEST_F(CalcDetails, Field62IsAddedInCurrency) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "100"}, {62, "1030"}});
    detail("15129001202405", {{6, "100"}});
    detail("15129001202406", {{6, "100"}, {62, "2694"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 6), "37.24");
}

TEST_F(CalcDetails, NoField62LeavesValue6Empty) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "100"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 6), "");
}

TEST_F(CalcDetails, AContractStartingOn15MayIsReadForMayAndJune) {
    contrat("15129001", day("15/05/2024"));
    detail("15129001202404", {{6, "1000"}});
    detail("15129001202405", {{6, "1000"}});
    detail("15129001202406", {{6, "1000"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 2), "20");
    EXPECT_EQ(t.s.W_Totaux.element(1), "0");
    EXPECT_EQ(t.s.W_Totaux.element(3), "116.5");
}

TEST_F(CalcDetails, AContractEndingOn10AprilIsReadForAprilOnly) {
    contrat("15129001", day("01/01/2020"), day("10/04/2024"));
    detail("15129001202404", {{6, "1000"}});
    detail("15129001202405", {{6, "1000"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 2), "10");
    EXPECT_EQ(t.s.W_DateCalcul.value(), dba::DateInterne("10/04/2024"));
}

TEST_F(CalcDetails, AContractAfterTheQuarterAddsNoLine) {
    contrat("15129001", day("01/07/2024"));
    detail("15129001202406", {{6, "1000"}});
    t.s.W_DateCalcul = dnt::Long32(100);
    lire({"15129001"});
    EXPECT_EQ(t.s.W_NbAidants.value(), 0);
    EXPECT_EQ(t.s.W_LignesAidants.text(), "");
    EXPECT_EQ(t.s.W_DateCalcul.value(), 99999);
}

TEST_F(CalcDetails, TheLatestEndIsKeptAndAnOpenEndCounts99999) {
    contrat("15129001", day("01/01/2020"), day("20/05/2024"));
    contrat("15129002", day("01/01/2020"), day("10/04/2024"));
    contrat("15129003", day("01/01/2020"));
    lire({"15129001", "15129002"});
    EXPECT_EQ(t.s.W_DateCalcul.value(), dba::DateInterne("20/05/2024"));
    lire({"15129003"});
    EXPECT_EQ(t.s.W_DateCalcul.value(), 99999);
}

TEST_F(CalcDetails, AdjacentContractsOfOneAidantShareALine) {
    contrat("15129001", day("01/01/2020"), day("30/04/2024"));
    contrat("15129002", day("01/05/2024"));
    detail("15129001202404", {{6, "1000"}});
    detail("15129002202405", {{6, "2000"}});
    lire({"15129001", "15129002"});
    EXPECT_EQ(t.s.W_NbAidants.value(), 1);
    EXPECT_EQ(ligne(1, 2), "30");
    EXPECT_EQ(ligne(1, 3), "349.5");
}

TEST_F(CalcDetails, NonAdjacentContractsOfOneAidantGetTwoLines) {
    contrat("15129001", day("01/01/2020"));
    contrat("17975001", day("01/01/2020"));
    contrat("15129002", day("01/01/2020"));
    detail("15129001202404", {{6, "1000"}});
    detail("17975001202404", {{6, "500"}});
    detail("15129002202406", {{6, "2000"}});
    lire({"15129001", "17975001", "15129002"});
    EXPECT_EQ(t.s.W_NbAidants.value(), 3);
    EXPECT_EQ(ligne(1, 1), "15129");
    EXPECT_EQ(ligne(2, 1), "17975");
    EXPECT_EQ(ligne(3, 1), "15129");
    EXPECT_EQ(ligne(3, 2), "20");
    EXPECT_EQ(t.s.W_Totaux.element(1), "174.76");  // 116.50 + 58.26: 5 x 1165 + 0.5 = 5825.5, to even 5826
    EXPECT_EQ(t.s.W_Totaux.element(3), "233");
}

TEST_F(CalcDetails, AMissingMonthIsSkipped) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "1000"}});
    detail("15129001202406", {{6, "1000"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 2), "20");
    EXPECT_EQ(t.s.W_Totaux.text(), "116.5\xFE" "0\xFE" "116.5");
}

TEST_F(CalcDetails, AContractWithoutRecordsCreatesNoLine) {
    contrat("15129001", day("01/01/2020"));
    lire({"15129001"});
    EXPECT_EQ(t.s.W_NbAidants.value(), 0);
    EXPECT_EQ(t.s.W_DateCalcul.value(), 99999);
}

TEST_F(CalcDetails, AMissingAidantLeavesAnEmptyRecord) {
    contrat("99999001", day("01/01/2020"));
    detail("99999001202404", {{6, "1000"}});
    t.s.RecAidant = t.get("CIVILAIDANT", "17975");
    lire({"99999001"});
    EXPECT_EQ(t.s.RecAidant.text(), "");
    EXPECT_EQ(ligne(1, 1), "99999");
}

TEST_F(CalcDetails, AnOverflowingStatementIsTheOnlyOnePassedOver) {
    contrat("15129001", day("01/01/2020"));
    // 40000 hundredths of overtime and a field 5 of 40000 do not fit a 16-bit integer.
    detail("15129001202404", {{2, mv({"125", "150"})}, {3, mv({"40000", "250"})}, {5, mv({"40000", "1"})},
                              {6, "1000"}, {7, "300"}, {8, "922"}});
    lire({"15129001"});
    EXPECT_EQ(ligne(1, 2), "10");
    EXPECT_EQ(ligne(1, 3), "116.5");
    EXPECT_EQ(ligne(1, 7), "0");  // the 125 % sum overflowed and was skipped
    EXPECT_EQ(ligne(1, 8), "2");  // the 150 % sum, after it, still ran
    EXPECT_EQ(ligne(1, 9), "1");  // only the field 5 that fitted
    EXPECT_EQ(ligne(1, 10), "300");
}

TEST_F(CalcDetails, AnUnreadableMonthAddsNothingAndTheOthersCount) {
    contrat("15129001", day("01/01/2020"));
    detail("15129001202404", {{6, "1000"}});
    detail("15129001202405", {{6, "dix"}});
    detail("15129001202406", {{6, "2000"}});
    lire({"15129001"});
    // May's hours and amount cannot be converted: April's amount is not added again.
    EXPECT_EQ(ligne(1, 2), "30");
    EXPECT_EQ(ligne(1, 3), "349.5");
    EXPECT_EQ(t.s.W_Totaux.text(), "116.5\xFE" "0\xFE" "233");
}

TEST_F(CalcDetails, KindFTakesTheSecondRateAndReducedValue) {
    t.s.W_TauxCentre = 22.0;
    t.s.W_ValeurReduite = 9.08;
    t.s.W_TauxCentreBis = 0;
    t.s.W_ValeurReduiteBis = 11.65;
    contrat("15129001", day("01/01/2020"), "", "F");
    lire({"15129001"});
    EXPECT_EQ(t.s.W_TauxLigne, 0.0);
    EXPECT_EQ(t.s.W_ValeurConstante, 11.65);
    contrat("15129002", day("01/01/2020"), "", "M");
    lire({"15129002"});
    EXPECT_EQ(t.s.W_TauxLigne, 22.0);
    EXPECT_EQ(t.s.W_ValeurConstante, 9.08);
}
