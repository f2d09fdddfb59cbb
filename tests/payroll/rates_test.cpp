// Contribution rates at the quarter's end, the overtime rubrics, the exemption types record,
// and the opening of the aidé's charge-detail record.
#include <gtest/gtest.h>

#include "numbers/error.h"
#include "payroll/average_rate.h"
#include "payroll_db.h"
#include "support/database.h"

using paytest::day;
using paytest::mv;

namespace {

class ChargeRates : public ::testing::Test {
protected:
    void SetUp() override {
        t.chooseQuarter("2ème TRIMESTRE 2024");
        for (int n = 1; n <= 8; ++n)
            t.put("CHGPARTEMP", "0" + std::to_string(n),
                  {"LIGNE", mv({std::to_string(1000 * n + 150), std::to_string(1000 * n + 450)}),
                   mv({day("31/12/2023"), "99999"})});
    }
    paytest::PayrollDb t;
};

}  // namespace

TEST_F(ChargeRates, FirstPeriodReachingTheQuarterEndGivesTheRate) {
    t.put("CHGPARTEMP", "01",
          {"LIGNE 1", mv({"30150", "30300", "30450"}), mv({day("31/03/2024"), day("30/06/2024"), "99999"})});
    t.put("CHGPARTEMP", "02", {"LIGNE 2", mv({"14900", "15050"}), mv({day("01/07/2024"), "99999"})});
    payroll::TauxUrssafDesCharges(t.s, t.quarter);
    // Line 1: the period ending on the quarter's last day; line 2: the first period already ends after it.
    EXPECT_EQ(t.s.TabTauxCharges.text(),
              "30.3\xFE" "14.9\xFE" "3.45\xFE" "4.45\xFE" "5.45\xFE" "6.45\xFE" "7.45\xFE" "8.45");
}

TEST_F(ChargeRates, TheAverageTakesEachMonthsRateOnItsFirstDay) {
    // Newest period first: 15.00 until the rate of 30.00 from the quarter's third month.
    t.put("CHGPARTEMP", "01", {"LIGNE 1", mv({"3000", "1500"}), mv({day("01/06/2024"), day("31/12/2023")})});
    t.open({"CHGPARTEMP"});
    payroll::PreparerDebutsMois(t.s, t.quarter);
    EXPECT_DOUBLE_EQ(payroll::MoyenneTaux(t.s, "01", 100), 20.0);
}

TEST_F(ChargeRates, AShortHistoryOrAMissingLineIsAnError) {
    t.put("CHGPARTEMP", "05", {"LIGNE 5", mv({"4000"}), mv({day("31/03/2024")})});
    EXPECT_THROW(payroll::TauxUrssafDesCharges(t.s, t.quarter), dnt::ConversionError);
    paytest::PayrollDb six;  // a missing line is raised
    six.chooseQuarter("2ème TRIMESTRE 2024");
    for (int n = 1; n <= 6; ++n) six.put("CHGPARTEMP", "0" + std::to_string(n), {"LIGNE", "1000", "99999"});
    EXPECT_THROW(payroll::TauxUrssafDesCharges(six.s, six.quarter), dba::DbError);
}

TEST(Rubrics, OvertimeRubricsOfBothRatesSortedByKey) {
    paytest::PayrollDb t;
    auto rub = [&](const std::string& key, const std::string& f8, const std::string& f9, const std::string& f19) {
        std::vector<std::string> f(19);
        f[0] = "RUBRIQUE " + key;
        f[7] = f8;
        f[8] = f9;
        f[18] = f19;
        t.put("RUBSAISIE", key, f);
    };
    rub("150", "2", "1500000", "2");
    rub("125", "2", "1250000", "2");
    rub("100", "1", "1000000", "1");
    rub("126", "1", "1250000", "2");  // field 8 is not 2
    rub("127", "2", "1250000", "1");  // field 19 is not 2
    rub("128", "2", "1000000", "2");  // another rate
    payroll::LectureRubSaisie(t.s);
    EXPECT_EQ(t.s.RubriquesHeuresSup.text(), "125\xFD" "1250000\xFE" "150\xFD" "1500000");
}

TEST(TypeExo, RecordOneIsKeptWithItsFileAndAgeFlagsAreCleared) {
    paytest::PayrollDb t;
    t.put("TYPEEXO", "1", {"1", "EXONERATION", "50"});
    payroll::LectureTypeExo(t.s);
    EXPECT_EQ(t.s.RecTypeExo.element(3), "50");
    EXPECT_EQ(t.s.RecTypeExo.key(), "1");
    EXPECT_NO_THROW(t.s.fichier("TYPEEXO"));
    // The age search clears both flags.
    t.s.W_AgeAidantLigne = t.s.W_AgeAidantAide = true;
    payroll::Recherche_Age_Aidant(t.s);
    EXPECT_FALSE(t.s.W_AgeAidantLigne);
    EXPECT_FALSE(t.s.W_AgeAidantAide);
}

namespace {

class ChargeDetailKey : public ::testing::Test {
protected:
    void SetUp() override {
        t.put("CIVILAIDE", "04449", {"MME", "DURAND"});
        t.put("CIVILAIDE", "05985", {"M.", "MARTIN"});
        t.open({"DETAILCHGPARTEMP"});
        t.quarter = dnt::Quarter::fromKey("20242").value();
        t.s.W_CodeEntite = "E75";
    }
    void aide(const std::string& code) { t.s.RecAide = t.get("CIVILAIDE", code); }
    paytest::PayrollDb t;
};

}  // namespace

TEST_F(ChargeDetailKey, AnExistingRecordIsStartedAfreshAndAMissingKeyGivesAnEmptyOne) {
    t.put("DETAILCHGPARTEMP", "0598520242", {"OLD", "X", "1", "2", "99"});  // started afresh
    aide("05985");
    payroll::CreationCleFichierDetailChgPartemp(t.s, t.quarter);
    t.s.RecDetailChgPartemp.setElement(5, "12");
    t.s.RecDetailChgPartemp.DBWrite();

    // The next aidé has no record yet: it must not inherit the previous aidé's key.
    aide("04449");
    payroll::CreationCleFichierDetailChgPartemp(t.s, t.quarter);
    EXPECT_EQ(t.s.RecDetailChgPartemp.key(), "0444920242");
    EXPECT_TRUE(t.s.RecDetailChgPartemp.bound());
    EXPECT_EQ(t.s.RecDetailChgPartemp.text(), "E75");
    t.s.RecDetailChgPartemp.DBWrite();
    EXPECT_EQ(t.get("DETAILCHGPARTEMP", "0444920242").text(), "E75");
    EXPECT_EQ(t.get("DETAILCHGPARTEMP", "0598520242").text(), "E75\xFE\xFE\xFE\xFE" "12");
}

TEST_F(ChargeDetailKey, ARefusedLockFallsBackOnAPlainRead) {
    t.put("DETAILCHGPARTEMP", "0444920242", {"OLD"});
    auto other = testsupport::openDatabase(t.tmp.path());
    dba::Record held = other->DBOpenFile("DETAILCHGPARTEMP")->DBReadLock("0444920242");
    aide("04449");
    payroll::CreationCleFichierDetailChgPartemp(t.s, t.quarter);
    EXPECT_EQ(t.s.RecDetailChgPartemp.key(), "0444920242");
    EXPECT_EQ(t.s.RecDetailChgPartemp.text(), "E75");
    held.Release();
}
