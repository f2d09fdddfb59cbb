// The fixed cases are in every demo database, at their codes.
#include <gtest/gtest.h>

#include "demo/calendar.h"
#include "demo/situations.h"
#include "demo_fixture.h"

using demotest::field;
using demotest::records;
using demotest::value;
using demotest::values;

namespace {

size_t characters(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

TEST(DemoSituations, OneAidantForTwoAides) {
    auto contrats = records(*demotest::standard().db, "CONTRAT");
    EXPECT_EQ(field(contrats.at("A0001001"), 3), demo::kAideAidantPartage1);
    EXPECT_EQ(field(contrats.at("A0001002"), 3), demo::kAideAidantPartage2);
    EXPECT_EQ(field(contrats.at("A0002001"), 3), demo::kAideAidantPartage2);
}

TEST(DemoSituations, NamesOfThirtyAndThirtyOneCharacters) {
    auto aidants = records(*demotest::standard().db, "CIVILAIDANT");
    auto nom = [&](const char* code) { return field(aidants.at(code), 4) + " " + field(aidants.at(code), 3); };
    EXPECT_EQ(characters(nom("A0008")), 30u);
    EXPECT_EQ(characters(nom("A0009")), 31u);
    EXPECT_EQ(characters(nom("A0010")), 30u);
    EXPECT_GT(nom("A0010").size(), 30u);  // accented: more bytes than characters
    EXPECT_EQ(characters(nom("A0011")), 31u);
    EXPECT_EQ(characters(nom("A0012")), 47u);
    auto contrats = records(*demotest::standard().db, "CONTRAT");
    for (const char* c : {"A0008001", "A0009001", "A0010001", "A0011001", "A0012001"})
        EXPECT_EQ(field(contrats.at(c), 3), demo::kAideNomsLongs);
}

TEST(DemoSituations, IdentificationsThatAreNotNumbers) {
    auto aidants = records(*demotest::standard().db, "CIVILAIDANT");
    EXPECT_EQ(field(aidants.at("A0013"), 17), "EN COURS");
    EXPECT_EQ(field(aidants.at("A0014"), 17), "0");
    EXPECT_EQ(field(aidants.at("A0015"), 17), "");
}

TEST(DemoSituations, Regularisations) {
    auto regul = records(*demotest::standard().db, "REGULDNT");
    EXPECT_EQ(regul.at(demo::kAideRegulNegative), "5000");
    EXPECT_EQ(regul.at(demo::kAideEntitePaie), "150");
    EXPECT_EQ(value(regul.at(demo::kAideRegulAncienne), 2, 1), "20253");
    EXPECT_EQ(value(regul.at(demo::kAideRegulAncienne), 2, 2), "");
    EXPECT_EQ(value(regul.at(demo::kAideRegulDuTrimestre), 1, 1), "300");
    EXPECT_EQ(value(regul.at(demo::kAideRegulDuTrimestre), 2, 1), "20254");
    EXPECT_EQ(value(regul.at(demo::kAideRegulDuTrimestre), 2, 2), "20252");
    EXPECT_EQ(value(regul.at(demo::kAideRegulVide), 1, 1), "");
    EXPECT_EQ(value(regul.at(demo::kAideRegulVide), 1, 2), "30");
}

TEST(DemoSituations, PaymentModes) {
    auto& db = *demotest::standard().db;
    auto emp = records(db, "ELTSPARTEMP");
    auto fact = records(db, "ELTSFACTAIDE");
    auto centres = records(db, "CENTREURSSAF");
    EXPECT_EQ(field(emp.at(demo::kAideEntitePaie), 8), "1");
    EXPECT_EQ(field(emp.at(demo::kAidePrelevement), 8), "0");
    EXPECT_FALSE(field(fact.at(demo::kAidePrelevement), 16).empty());
    EXPECT_EQ(field(emp.at(demo::kAideReglementAide), 8), "");
    EXPECT_FALSE(fact.count(demo::kAideReglementAide));
    EXPECT_EQ(field(emp.at(demo::kAideCentreSansPrelevement), 1), "93");
    EXPECT_EQ(field(centres.at("93"), 17), "0");
    EXPECT_FALSE(field(fact.at(demo::kAideCentreSansPrelevement), 16).empty());
    EXPECT_EQ(field(emp.at(demo::kAideSansIban), 1), "92");
    EXPECT_TRUE(fact.count(demo::kAideSansIban));
    EXPECT_EQ(field(fact.at(demo::kAideSansIban), 16), "");
}

TEST(DemoSituations, ManyAidantsInactiveAndNonEmployerAides) {
    auto& db = *demotest::standard().db;
    auto emp = records(db, "ELTSPARTEMP");
    int n = 0;
    for (const auto& [key, text] : records(db, "CONTRAT")) n += field(text, 3) == demo::kAideSeptAidants;
    EXPECT_EQ(n, 7);
    EXPECT_FALSE(field(emp.at(demo::kAideSeptAidants), 3).empty());
    EXPECT_TRUE(records(db, "CIVILAIDE").count(demo::kAideNonEmployeur));
    EXPECT_FALSE(emp.count(demo::kAideNonEmployeur));
    EXPECT_LT(field(records(db, "CONTRAT").at("A0029001"), 8), std::to_string(demo::Quarter{2025, 4}.firstDay()));
}

TEST(DemoSituations, AddressesNamesAndSectors) {
    auto& db = *demotest::standard().db;
    auto aides = records(db, "CIVILAIDE");
    const std::string& quatre = aides.at(demo::kAideDebutEnCours);
    for (int f = 5; f <= 8; ++f) EXPECT_FALSE(field(quatre, f).empty()) << f;
    const std::string& vide = aides.at(demo::kAideFinEnCours);
    for (int f = 5; f <= 9; ++f) EXPECT_TRUE(field(vide, f).empty()) << f;
    EXPECT_EQ(field(aides.at(demo::kAideNomAccentue), 2), "ÉVRARD");
    EXPECT_EQ(field(aides.at(demo::kAideNomAccentue), 40), "S02-SUD");
    auto centres = records(db, "CENTREURSSAF");
    EXPECT_EQ(field(centres.at("75"), 10), "1");
    EXPECT_EQ(field(centres.at("75"), 11), "");
    EXPECT_EQ(field(centres.at("94"), 11), "12");
    for (int f = 3; f <= 6; ++f) EXPECT_FALSE(field(centres.at("94"), f).empty()) << f;
    EXPECT_EQ(field(centres.at("94"), 22), "200");
    EXPECT_EQ(field(records(db, "ELTSPARTEMP").at(demo::kAideDeductionHoraire), 9), "00");
}

TEST(DemoSituations, RightsOfTheFourUsers) {
    auto droits = records(*demotest::standard().db, "DROITS");
    ASSERT_EQ(droits.size(), 4u);
    EXPECT_EQ(field(droits.at("*"), 3), "1");
    EXPECT_EQ(value(droits.at("*"), 2, 1), "2");
    EXPECT_EQ(field(droits.at("secteurs"), 4), std::string("S01\xFD" "S03"));
    EXPECT_EQ(field(droits.at("lecteur"), 2), "1");
    EXPECT_EQ(field(droits.at("aucun"), 1), "AUTREMODULE");
}

TEST(DemoSituations, HistoriesAroundTheLatestQuarter) {
    auto& db = *demotest::standard().db;
    demo::Quarter q{2025, 4};
    const std::string constantes = records(db, "CONSTANTESPAIE").at("1");
    EXPECT_EQ(value(constantes, 4, 1), std::to_string(q.month(2).day(15)));  // in the quarter's second month
    EXPECT_EQ(values(constantes, 3), values(constantes, 4));
    const std::string rub922 = records(db, "RUBCHARGE").at("922");
    EXPECT_GT(std::stol(value(rub922, 17, 1)), q.lastDay());  // announced for after the quarter
    EXPECT_LE(std::stol(value(rub922, 17, 2)), q.lastDay());
    EXPECT_EQ(value(records(db, "CENTREURSSAF").at("75"), 20, 1), std::to_string(q.month(2).firstDay()));
    EXPECT_EQ(records(db, "PARAMPOLEEMPLOI").at("1"), "910");
    EXPECT_TRUE(records(db, "DETAILCHGPARTEMP").count(std::string(demo::kAideAidantPartage1) + "20254"));
}

TEST(DemoSituations, FewerAidesThanCasesMakesTheFirstCases) {
    testsupport::TempDb tmp;
    auto db = dba::Database::Open(tmp.path(), dba::OpenMode::Create);
    demo::DemoOptions o;
    o.aides = 5;
    demo::DemoSummary s = demo::generateDemo(*db, o);
    EXPECT_EQ(s.aides, 5);
    auto aides = records(*db, "CIVILAIDE");
    ASSERT_EQ(aides.size(), 5u);
    EXPECT_EQ(aides.begin()->first, "01001");
    EXPECT_EQ(aides.rbegin()->first, "01005");
}

TEST(DemoSituations, EveryCaseIsMadeOnce) {
    testsupport::TempDb tmp;
    auto db = dba::Database::Open(tmp.path(), dba::OpenMode::Create);
    demo::DemoOptions o;
    o.aides = demo::kNombreSituations;
    demo::generateDemo(*db, o);
    auto aides = records(*db, "CIVILAIDE");
    ASSERT_EQ(aides.size(), static_cast<size_t>(demo::kNombreSituations));
    EXPECT_EQ(aides.rbegin()->first, demo::kAideDeductionHoraire);
}
