// The contract sentence of the latest quarter selects, in a demo database, contracts of
// every centre and of every payment mode, and leaves out the contracts it must.
#include <gtest/gtest.h>

#include <set>

#include "demo/calendar.h"
#include "demo/centres.h"
#include "demo/situations.h"
#include "demo_fixture.h"
#include "selection/requete_contrat.h"

namespace {

struct Mode {
    bool entite, prelevement, aide;
};

// The selected rows (contract|aidé) for a centre and payment modes, latest quarter.
std::vector<std::string> select(const std::string& centre, Mode m) {
    demo::Quarter q{2025, 4};
    dnt::SharedState s;
    s.W_CodeEntite = demo::centre(centre).entite();
    s.W_DebutTrimestre = std::to_string(q.firstDay());
    s.W_FinTrimestre = std::to_string(q.lastDay());
    selection::CriteresContrat c;
    c.ctrUrssaf = centre;
    c.regltParEntite = m.entite;
    c.prelevCpteAide = m.prelevement;
    c.regltParAide = m.aide;
    std::string phrase = selection::PhraseContrat(s, c, dba::DynArray());
    return testsupport::query(*demotest::standard().db, phrase, "0 3");
}

std::set<std::string> aides(const std::vector<std::string>& rows) {
    std::set<std::string> out;
    for (const std::string& r : rows) out.insert(r.substr(r.find('|') + 1));
    return out;
}

std::set<std::string> contrats(const std::vector<std::string>& rows) {
    std::set<std::string> out;
    for (const std::string& r : rows) out.insert(r.substr(0, r.find('|')));
    return out;
}

}  // namespace

TEST(DemoSelection, EveryCentreHasContractsToDeclare) {
    for (const demo::Centre& c : demo::centres()) EXPECT_FALSE(select(c.code, {true, true, true}).empty()) << c.code;
}

TEST(DemoSelection, EachPaymentModeSelectsItsAides) {
    auto entite = aides(select("75", {true, false, false}));
    auto prelevement = aides(select("75", {false, true, false}));
    auto parAide = aides(select("75", {false, false, true}));
    EXPECT_TRUE(entite.count(demo::kAideEntitePaie));
    EXPECT_TRUE(prelevement.count(demo::kAidePrelevement));
    EXPECT_TRUE(parAide.count(demo::kAideReglementAide));
    EXPECT_FALSE(entite.count(demo::kAidePrelevement));
    EXPECT_FALSE(parAide.count(demo::kAidePrelevement));

    // The three modes share no aidé and together give the whole selection.
    std::set<std::string> ensemble;
    for (const auto* part : {&entite, &prelevement, &parAide})
        for (const std::string& a : *part) EXPECT_TRUE(ensemble.insert(a).second) << a;
    EXPECT_EQ(ensemble, aides(select("75", {true, true, true})));
}

TEST(DemoSelection, CentresWithoutDebitAndAccountsWithoutIban) {
    EXPECT_TRUE(aides(select("93", {false, true, false})).count(demo::kAideCentreSansPrelevement));
    EXPECT_TRUE(aides(select("92", {false, false, true})).count(demo::kAideSansIban));
    EXPECT_FALSE(aides(select("75", {true, true, true})).count(demo::kAideCentreSansPrelevement));
    EXPECT_TRUE(aides(select("94", {true, true, true})).count(demo::kAideDeductionHoraire));
}

TEST(DemoSelection, LeftOutContractsAndAides) {
    auto rows = select("75", {true, true, true});
    auto c = contrats(rows);
    auto a = aides(rows);
    EXPECT_FALSE(c.count("A0030001"));  // field 65 "O"
    EXPECT_FALSE(c.count("A0031001"));  // field 1 "01"
    EXPECT_TRUE(c.count("A0032001"));
    EXPECT_FALSE(a.count(demo::kAideInactif));
    EXPECT_FALSE(a.count(demo::kAideNonEmployeur));
    EXPECT_TRUE(c.count("A0003001") && c.count("A0003002"));  // both adjacent contracts
    EXPECT_TRUE(c.count("A0004001") && c.count("A0005001"));  // starting and ending in the quarter
    EXPECT_TRUE(c.count("A0001001") && c.count("A0001002"));  // one aidant, two aidés
}

TEST(DemoSelection, RowsOfOneAideAreAdjacent) {
    std::set<std::string> vus;
    std::string precedent;
    for (const std::string& r : select("75", {true, true, true})) {
        std::string a = r.substr(r.find('|') + 1);
        if (a != precedent) { EXPECT_TRUE(vus.insert(a).second) << a; }
        precedent = a;
    }
    EXPECT_GE(vus.size(), 15u);
}
