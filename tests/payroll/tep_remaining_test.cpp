// The remaining exemption: base contributions under each declaration basis, the lines 3 to
// 8, the capped "922" amounts, the overtime amount and the regularisation left.
#include <gtest/gtest.h>

#include "numbers/error.h"
#include "numbers/numtext.h"
#include "payroll_db.h"

namespace {

class TepRestant : public ::testing::Test {
protected:
    void SetUp() override {
        t.open({"DETAILCHGPARTEMP"});
        t.s.RecDetailChgPartemp = t.s.fichier("DETAILCHGPARTEMP").NewRecord("0444920242");
        t.s.RecDetailChgPartemp.setElement(1, "E75");
        t.s.W_CleTrimestre = "20242";
        t.s.W_CodeConvention = "T";
        base("01");
        contratNature("M");
        taux({"10", "20", "0", "0", "0", "0", "0", "0"});
        t.s.TabConstantesPaie.setText("1165\xFE" "1165\xFE" "1165");
        t.s.W_ValeurConstanteTrim = 11.65;
        t.s.W_Totaux.setText("0\xFE" "0\xFE" "0");
    }
    void base(const std::string& code) {
        t.s.RecEltsPartemp = dba::Record(nullptr, "04449", std::string(8, dba::FM) + code);
    }
    void contratNature(const std::string& nature) {
        t.s.RecContrat = dba::Record(nullptr, "15129001", std::string(29, dba::FM) + nature);
    }
    void centre(const std::string& f22) { t.s.RecCentre = dba::Record(nullptr, "75", std::string(21, dba::FM) + f22); }
    void taux(std::initializer_list<std::string> rates) {
        t.s.TabTauxCharges.clear();
        int n = 0;
        for (const auto& r : rates) t.s.TabTauxCharges.setElement(++n, r);
    }
    // One aidant line: code, hours, gross amount, kind; value 6 kept-out hours.
    void ligne(const std::string& heures, const std::string& brut, const std::string& nature = "M",
               const std::string& v6 = "") {
        int L = t.s.W_NbAidants.value() + 1;
        t.s.W_NbAidants = decltype(t.s.W_NbAidants)(L);
        t.s.W_LignesAidants.setElement(L, 1, "15129");
        t.s.W_LignesAidants.setElement(L, 2, heures);
        t.s.W_LignesAidants.setElement(L, 3, brut);
        t.s.W_LignesAidants.setElement(L, 4, nature);
        t.s.W_LignesAidants.setElement(L, 6, v6);
        t.s.W_TotalLignes = t.s.W_TotalLignes + dnt::Currency::fromText(brut);
    }
    std::string champ(int f) { return t.s.RecDetailChgPartemp.element(f); }
    std::string total() { return dnt::NumberToText(t.s.W_TotalCharges); }

    paytest::PayrollDb t;
};

}  // namespace

TEST_F(TepRestant, QuarterlyCeilingSplitsTheGross) {
    base("02");
    ligne("250", "3000");
    payroll::CalculTepRestant(t.s);
    // Ceiling 11.65 x 195 = 2271.75: 728.25 at rate 1 and 2271.75 at rate 2.
    EXPECT_EQ(champ(6), "73");   // 72.825
    EXPECT_EQ(champ(7), "454");  // 454.35
    EXPECT_EQ(total(), "527.175");
    for (int f = 8; f <= 13; ++f) EXPECT_EQ(champ(f), "0") << f;
}

TEST_F(TepRestant, QuarterlyCeilingNotReached) {
    base("02");
    ligne("150", "2000");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "0");
    EXPECT_EQ(champ(7), "400");
    EXPECT_EQ(total(), "400");
}

TEST_F(TepRestant, MonthlyCeilingReachedExactlyTakesOnlyTheLowerRate) {
    base("02");
    t.s.W_CodeConvention = "M";
    t.s.TabConstantesPaie.setText("1000\xFE" "1000\xFE" "1000");  // ceiling 650 a month
    t.s.W_Totaux.setText("650\xFE" "700\xFE" "0");
    ligne("135", "1350");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "5");    // 10 % of the 50 above the ceiling in the second month
    EXPECT_EQ(champ(7), "260");  // 20 % of 650, twice
    EXPECT_EQ(total(), "265");
}

TEST_F(TepRestant, RealWageRateLoweredBy15PointsUpTo2010) {
    taux({"30", "20", "0", "0", "0", "0", "0", "0"});
    contratNature("B");
    t.s.W_CleTrimestre = "20104";
    ligne("100", "1000", "B");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "150");
    EXPECT_EQ(champ(7), "0");
}

TEST_F(TepRestant, RealWageRateNotLoweredFrom2011) {
    taux({"30", "20", "0", "0", "0", "0", "0", "0"});
    contratNature("B");
    t.s.W_CleTrimestre = "20111";
    ligne("100", "1000", "B");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "300");
}

TEST_F(TepRestant, OtherBasisUsesTheSecondRate) {
    base("03");
    ligne("100", "1000");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "0");
    EXPECT_EQ(champ(7), "200");
}

TEST_F(TepRestant, HourlyDeductionFrom2013) {
    base("00");
    centre("75");
    t.s.W_CleTrimestre = "20131";
    ligne("130.6", "1000");
    payroll::CalculTepRestant(t.s);
    // 130 whole hours x 0.75 = 97.5, rounded to 98, off the 100 of field 6.
    EXPECT_EQ(t.s.W_DeductionHeures, 98.0);
    EXPECT_EQ(champ(6), "2");
    EXPECT_EQ(champ(7), "0");
}

TEST_F(TepRestant, NoHourlyDeductionBefore2013) {
    base("00");
    centre("75");
    t.s.W_CleTrimestre = "20124";
    ligne("130.6", "1000");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_DeductionHeures, 0.0);
    EXPECT_EQ(champ(6), "100");
}

TEST_F(TepRestant, HoursKeptOutAreNotDeducted) {
    base("00");
    centre("75");
    t.s.W_CleTrimestre = "20131";
    ligne("130.6", "1000", "M", "30.4");  // 130.6 - 30 = 100.6, cut to 100
    t.s.W_DeductionHeures = 12;
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_DeductionHeures, 75.0);
    EXPECT_EQ(champ(6), "25");
}

TEST_F(TepRestant, NoCentreAmountNoDeduction) {
    base("00");
    centre("0");
    t.s.W_CleTrimestre = "20131";
    ligne("130.6", "1000");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "100");
}

TEST_F(TepRestant, Value10IsRescaledAndCappedAt15) {
    t.s.TauxRub922 = dnt::Long32(2500);
    ligne("10", "100");
    ligne("10", "100");
    ligne("10", "100");
    ligne("10", "100");
    t.s.W_LignesAidants.setElement(1, 10, "50547");   // 12.63675 -> 13
    t.s.W_LignesAidants.setElement(2, 10, "100000");  // 25 -> "15"
    t.s.W_LignesAidants.setElement(3, 10, "0");
    t.s.RecDetailChgPartemp.setElement(17, "7");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_LignesAidants.element(1, 10), "13");
    EXPECT_EQ(t.s.W_LignesAidants.element(2, 10), "15");
    EXPECT_EQ(t.s.W_LignesAidants.element(3, 10), "0");
    EXPECT_EQ(t.s.W_LignesAidants.element(4, 10), "");
    EXPECT_EQ(champ(17), "35");
    EXPECT_EQ(total(), "68");  // 10 % of 400, plus 28
}

TEST_F(TepRestant, FlatRateLastLineDividesLines3And4By98_25) {
    taux({"0", "0", "5", "2", "4", "0", "0", "0"});
    ligne("10", "500", "M");
    ligne("10", "482.5", "F");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(8), "50");  // 5 x 982.5 / 98.25
    EXPECT_EQ(champ(9), "20");
    EXPECT_EQ(champ(10), "39");  // 4 x 982.5 / 100 = 39.3
    EXPECT_EQ(total(), "109.3");
}

TEST_F(TepRestant, OnlyTheLastLinesKindCounts) {
    taux({"0", "0", "5", "0", "0", "0", "0", "0"});
    ligne("10", "482.5", "F");
    ligne("10", "500", "M");
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(8), "49");  // 49.125
}

TEST_F(TepRestant, OvertimeAmountIntoField5) {
    t.s.TauxRub908 = dnt::Long32(20000);
    ligne("10", "100");
    ligne("10", "100");
    ligne("10", "100");
    t.s.W_LignesAidants.setElement(1, 9, "3000");
    t.s.W_LignesAidants.setElement(2, 9, "0");
    t.s.W_LignesAidants.setElement(3, 9, "2000");
    t.s.RecDetailChgPartemp.setElement(5, "2");
    payroll::CalculTepRestant(t.s);
    // 20 x 5000 = 100000, that is 10.
    EXPECT_EQ(champ(5), "12");
}

TEST_F(TepRestant, RegularisationLeftNeverBelowZero) {
    ligne("10", "1000");  // 100 of contributions
    t.s.W_Regul = dnt::Long32(50);
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_Regul.value(), 0);

    t.s.W_Regul = dnt::Long32(0);
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_Regul.value(), 0);

    t.s.W_Regul = dnt::Long32(250);
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_Regul.value(), 150);
}

TEST_F(TepRestant, RegularisationLeftIsRoundedAsAWhole) {
    ligne("10", "1005");  // 100.5 of contributions
    t.s.W_Regul = dnt::Long32(501);
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(t.s.W_Regul.value(), 400);  // 400.5 to even
}

TEST_F(TepRestant, AnAideWithoutLinesWritesOnlyFields17And5) {
    t.s.TauxRub922 = dnt::Long32(2500);
    payroll::CalculTepRestant(t.s);
    for (int f = 6; f <= 13; ++f) EXPECT_EQ(champ(f), "") << f;
    EXPECT_EQ(champ(17), "0");
    EXPECT_EQ(champ(5), "0");
    EXPECT_EQ(champ(1), "E75");
}

TEST_F(TepRestant, ATotalRoundsHalfUpIntoTheField) {
    taux({"10", "20", "0", "0", "0", "0", "0", "0"});
    ligne("10", "1005");  // 100.5
    payroll::CalculTepRestant(t.s);
    EXPECT_EQ(champ(6), "101");
}

TEST_F(TepRestant, AnUnconvertibleRateIsRaised) {
    taux({"10", "20", "0", "0", "", "0", "0", "0"});
    ligne("10", "1000");
    EXPECT_THROW(payroll::CalculTepRestant(t.s), dnt::ConversionError);
}
