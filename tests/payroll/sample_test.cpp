// One aidé of the small sample database computed from start to end: rubrics, constants,
// rates, the calculation details of its contract, and its charge-detail record.
#include <gtest/gtest.h>

#include <fstream>

#include "numbers/numtext.h"
#include "payroll_db.h"

namespace {

class SampleAide : public ::testing::Test {
protected:
    void SetUp() override {
        std::ifstream in(testsupport::sample("small.jsonl"), std::ios::binary);
        dba::importJsonl(*t.db, in);
        t.open({"CHGPARTEMP", "CIVILAIDE", "CIVILAIDANT", "CONTRAT", "DETAILCALCUL", "DETAILCHGPARTEMP",
                "ELTSPARTEMP", "RUBSAISIE", "CENTREURSSAF"});
        t.s.Aujourdhui = dba::DateInterne("15/01/2012");
        t.chooseQuarter("4ème TRIMESTRE 2011");
        t.s.RecCentre = t.get("CENTREURSSAF", "75");
        t.s.W_CodeEntite = "E75";
        t.s.W_Totaux.setText("0\xFE" "0\xFE" "0");
    }
    paytest::PayrollDb t;
};

}  // namespace

TEST_F(SampleAide, RatesLinesAndChargeDetail) {
    payroll::LectureRubSaisie(t.s);
    EXPECT_EQ(t.s.RubriquesHeuresSup.text(), "125\xFD" "1250000\xFE" "126\xFD" "1250000\xFE" "150\xFD" "1500000");
    payroll::LectureConstantesPaie(t.s, t.quarter);
    // New amounts from 25/11/2011 and from 01/12/2011.
    EXPECT_EQ(t.s.TabConstantesPaie.text(), "900\xFE" "903\xFE" "919");
    EXPECT_EQ(t.s.W_ValeurConstante, ((900 + 903.0 + 919.0) / 3) / 100);
    EXPECT_EQ(t.s.W_MoisConstante9, "200201");
    EXPECT_TRUE(t.s.W_Constante9Depassee);
    payroll::ValeurdesCharges(t.s, t.quarter);
    EXPECT_EQ(t.s.W_TauxCentre, 21847.0 * 3 / 3 / 1000);
    EXPECT_EQ(t.s.W_ValeurReduite, 7.09);  // 9.0733 less 21.847 %: 7.0911
    payroll::TauxUrssafDesCharges(t.s, t.quarter);
    EXPECT_EQ(t.s.TabTauxCharges.text(),
              "30.4\xFE" "15.15\xFE" "5.05\xFE" "2.9\xFE" "0.5\xFE" "7.5\xFE" "2.35\xFE" "1.2");

    // The lines of its contract and its charge detail.
    dba::DynArray tableau("15129001\xFD" "11344");
    t.s.RecContrat = t.get("CONTRAT", "15129001");
    payroll::LectureDetailCalcul(t.s, t.quarter, 1, tableau);
    // October and December (November has no record); kind "B" takes the amounts as stored.
    EXPECT_EQ(t.s.W_LignesAidants.asDynArray().text(),
              "15129\xFD" "131.37\xFD" "1526.52\xFD" "B\xFD" "False\xFD" "1.5\xFD" "0\xFD" "0\xFD" "3000");
    EXPECT_EQ(t.s.W_Totaux.text(), "1352.22\xFE" "0\xFE" "174.3");
    EXPECT_EQ(t.s.W_DateCalcul.value(), 99999);

    t.s.RecAide = t.get("CIVILAIDE", "11344");
    t.s.RecEltsPartemp = t.get("ELTSPARTEMP", "11344");
    t.s.W_TotalLignes = dnt::Currency::fromText("1526.52");
    t.s.W_CodeConvention = "T";
    t.s.TauxRub908 = dnt::Long32(20000);
    payroll::CreationCleFichierDetailChgPartemp(t.s, t.quarter);
    payroll::CalculTepRestant(t.s, t.quarter);
    // Basis "03": the second rate, 15.15 % of 1526.52 = 231.27; lines 3 to 8 at 1 %.
    EXPECT_EQ(t.s.RecDetailChgPartemp.text(),
              "E75\xFE\xFE\xFE\xFE" "6\xFE" "0\xFE" "231\xFE" "77\xFE" "44\xFE" "8\xFE" "114\xFE" "36\xFE" "18"
              "\xFE\xFE\xFE\xFE" "0");
    EXPECT_EQ(t.s.RecDetailChgPartemp.key(), "1134420114");
}
