// The latest quarter has a calculation record for every month of every contract to
// declare, except the month left out on purpose; the fixed cases have the months and
// pay lines they promise.
#include <gtest/gtest.h>

#include "demo/calendar.h"
#include "demo/situations.h"
#include "demo_fixture.h"

using demotest::field;
using demotest::records;
using demotest::value;
using demotest::values;

namespace {

const demo::Quarter kQ{2025, 4};

bool has(const std::map<std::string, std::string>& m, const std::string& key) { return m.count(key) > 0; }

}  // namespace

TEST(DemoDetails, EveryMonthOfEveryContractToDeclareHasItsRecord) {
    auto& db = *demotest::standard().db;
    auto details = records(db, "DETAILCALCUL");
    auto rows = testsupport::query(db,
                                   "SSELECT CONTRAT AVEC 1 = \"02\" AND AVEC 65 # \"O\" AND AVEC 7 <= \"" +
                                       std::to_string(kQ.lastDay()) + "\" AND AVEC 8 >= \"" +
                                       std::to_string(kQ.firstDay()) + "\" OR = \"\"",
                                   "0 7 8");
    ASSERT_FALSE(rows.empty());
    int manquants = 0;
    for (const std::string& row : rows) {
        std::string cle = row.substr(0, 8);
        long debut = std::stol(row.substr(9, row.find('|', 9) - 9));
        std::string finText = row.substr(row.rfind('|') + 1);
        long fin = finText.empty() ? 99999 : std::stol(finText);
        for (int i = 1; i <= 3; ++i) {
            demo::Month m = kQ.month(i);
            if (debut > m.lastDay() || fin < m.firstDay()) continue;
            bool present = has(details, cle + m.key());
            if (cle == "A0006001" && i == 2) {
                EXPECT_FALSE(present);
                ++manquants;
            } else {
                EXPECT_TRUE(present) << cle << " " << m.key();
            }
        }
    }
    EXPECT_EQ(manquants, 1);
}

TEST(DemoDetails, ContractsStartingAndEndingInTheQuarter) {
    auto& db = *demotest::standard().db;
    auto details = records(db, "DETAILCALCUL");
    auto contrats = records(db, "CONTRAT");
    // Starts on 15/11/2025: November and December only.
    EXPECT_EQ(field(contrats.at("A0004001"), 7), std::to_string(kQ.month(2).day(15)));
    EXPECT_FALSE(has(details, "A0004001202510"));
    EXPECT_TRUE(has(details, "A0004001202511") && has(details, "A0004001202512"));
    // Ends on 10/10/2025: October only.
    EXPECT_EQ(field(contrats.at("A0005001"), 8), std::to_string(kQ.month(1).day(10)));
    EXPECT_TRUE(has(details, "A0005001202510"));
    EXPECT_FALSE(has(details, "A0005001202511"));
    // One aidant, two contracts meeting on 15/16 November: both have November.
    EXPECT_EQ(field(contrats.at("A0003001"), 8), std::to_string(kQ.month(2).day(15)));
    EXPECT_EQ(field(contrats.at("A0003002"), 7), std::to_string(kQ.month(2).day(16)));
    EXPECT_TRUE(has(details, "A0003001202511") && has(details, "A0003002202511"));
    EXPECT_TRUE(has(details, "A0003001202510") && !has(details, "A0003001202512"));
    EXPECT_TRUE(has(details, "A0003002202512") && !has(details, "A0003002202510"));
}

TEST(DemoDetails, OvertimeRubricsOfTheOvertimeCase) {
    auto details = records(*demotest::standard().db, "DETAILCALCUL");
    const std::string& octobre = details.at("A0007001202510");
    ASSERT_EQ(values(octobre, 2), 5);
    EXPECT_EQ(field(octobre, 2), std::string("100\xFD" "125\xFD" "126\xFD" "150\xFD" "127"));
    EXPECT_EQ(value(octobre, 3, 2), "150");
    EXPECT_EQ(value(octobre, 3, 3), "75");
    EXPECT_EQ(value(octobre, 3, 4), "200");
    EXPECT_EQ(value(octobre, 5, 1), "");
    EXPECT_FALSE(value(octobre, 5, 2).empty());
    const std::string& novembre = details.at("A0007001202511");
    EXPECT_EQ(field(novembre, 2), std::string("100\xFD" "125\xFD" "151"));
    const std::string& decembre = details.at("A0007001202512");
    EXPECT_EQ(field(decembre, 2), std::string("100\xFD" "150\xFD" "200"));
    EXPECT_EQ(value(decembre, 3, 2), "250");
}

TEST(DemoDetails, LowRealWageOfTheDeductionCase) {
    auto details = records(*demotest::standard().db, "DETAILCALCUL");
    for (const char* mois : {"202510", "202511", "202512"}) {
        const std::string& d = details.at(std::string("A0037001") + mois);
        long heures = std::stol(field(d, 6)), montant = std::stol(field(d, 7));
        EXPECT_EQ(montant, (heures * 500 + 50) / 100) << mois;  // 5.00 an hour
    }
}

TEST(DemoDetails, CodesAndExcludedHoursAppear) {
    auto details = records(*demotest::standard().db, "DETAILCALCUL");
    int code922 = 0, heuresExclues = 0;
    for (const auto& [key, text] : details) {
        for (int v = 1; v <= values(text, 8); ++v) code922 += value(text, 8, v) == "922";
        heuresExclues += !field(text, 62).empty();
    }
    EXPECT_GT(code922, 0);
    EXPECT_GT(heuresExclues, 0);
}
