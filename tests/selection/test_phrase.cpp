// The contract sentence for every payment-mode combination, the name range and the
// aidés chosen one by one, and its run on the small sample.
#include <gtest/gtest.h>

#include "support/database.h"
#include "dba/errors.h"
#include "selection/requete_contrat.h"

namespace {

const std::string kB =
    " AVEC 1 = \"02\" AND AVEC CtrUrssafContrat = \"75\" AND AVEC 2 = \"E75\" AND AVEC 65 # \"O\""
    " AND AVEC 7 <= \"15887\" AND AVEC 8 >= \"15797\" OR = \"\"";
const std::string kEntite = " AND AVEC ChgURSSAFAideContrat = \"1\"";
const std::string kPrelev = " AND AVEC ChgURSSAFAideContrat # \"1\" AND AVEC IBANFactAide # \"\"";
const std::string kAide = " AND AVEC ChgURSSAFAideContrat # \"1\" AND AVEC IBANFactAide = \"\"";
const std::string kSort =
    " PAR NomAideContrat PAR PrenomAideContrat PAR 3 PAR NomPrenomAidantContrat PAR CodeAidant PAR 7";

dnt::SharedState quarter() {
    dnt::SharedState s;
    s.W_CodeEntite = "E75";
    return s;
}

std::string phrase(bool e, bool p, bool a, selection::Tri tri = selection::Tri::Alpha) {
    selection::CriteresContrat c{dnt::Quarter(2011, 2)};  // days 15797 to 15887
    c.ctrUrssaf = "75";
    c.regltParEntite = e;
    c.prelevCpteAide = p;
    c.regltParAide = a;
    c.tri = tri;
    return selection::PhraseContrat(quarter(), c, dba::DynArray());
}

}  // namespace

TEST(PhraseContrat, EveryPaymentModeCombinationAndSortKey) {
    const std::string S = "SSELECT CONTRAT";
    EXPECT_EQ(phrase(true, true, true), S + kB + kSort);
    EXPECT_EQ(phrase(false, false, false), S + kB + kSort);  // none checked: no condition either
    EXPECT_EQ(phrase(true, false, false), S + kB + kEntite + kSort);
    EXPECT_EQ(phrase(false, true, false), S + kB + kPrelev + kSort);
    EXPECT_EQ(phrase(false, false, true), S + kB + kAide + kSort);
    EXPECT_EQ(phrase(true, true, false), S + kB + kEntite + " OR" + kB + kPrelev + kSort);
    EXPECT_EQ(phrase(true, false, true), S + kB + kEntite + " OR" + kB + kAide + kSort);
    EXPECT_EQ(phrase(false, true, true), S + kB + kPrelev + " OR" + kB + kAide + kSort);
    EXPECT_EQ(phrase(true, true, true, selection::Tri::Commune), S + kB + " PAR LibCommuneAide" + kSort);
    EXPECT_EQ(phrase(true, true, true, selection::Tri::Secteur), S + kB + " PAR CodSecteurContratAide" + kSort);
    EXPECT_EQ(phrase(true, true, true, selection::Tri::Responsable), S + kB + " PAR ResponsableAideContrat" + kSort);
}

TEST(PhraseContrat, NameRangeInUpperCaseWithItsBracketAndNoQuote) {
    selection::CriteresContrat c{dnt::Quarter(2011, 2)};  // days 15797 to 15887
    c.ctrUrssaf = "75";
    c.de = "dupont";
    c.a = "émile";
    std::string p = selection::PhraseContrat(quarter(), c, dba::DynArray());
    EXPECT_NE(p.find(" AND AVEC 65 # \"O\" AND AVEC NomAideContrat >= \"DUPONT]\" AND AVEC NomAideContrat <= \"ÉMILE]\""
                     " AND AVEC 7 <= "),
              std::string::npos)
        << p;
    c.a = "";
    p = selection::PhraseContrat(quarter(), c, dba::DynArray());
    EXPECT_EQ(p.find("<= \"]\""), std::string::npos);
    c.de = "A\" OR AVEC 1 = \"X";  // a quote typed by a person is refused
    EXPECT_EQ(testsupport::errorOf([&] { selection::PhraseContrat(quarter(), c, dba::DynArray()); }),
              dba::kErrBadSentence);
}

// Latin-1 letters from à (U+00E0) to þ (U+00FE) but ÷ have a capital; ÿ (U+00FF) has none.
TEST(PhraseContrat, NamesInUpperCase) {
    EXPECT_EQ(selection::MajusculesNom("dupont-élise à þ ÷ ÿ ø"), "DUPONT-ÉLISE À Þ ÷ ÿ Ø");
}

TEST(PhraseContrat, ThreeAidesChosenOneByOne) {
    dba::DynArray list(std::string("07022") + dba::FM + "11344" + dba::FM + "11945");
    selection::CriteresContrat c{dnt::Quarter(2011, 2)};  // days 15797 to 15887
    c.ctrUrssaf = "75";
    EXPECT_EQ(selection::PhraseContrat(quarter(), c, list),
              "SSELECT CONTRAT AVEC 1 = \"02\" AND AVEC CtrUrssafContrat = \"75\" AND AVEC 2 = \"E75\" AND AVEC 3 = "
              "\"07022\" OR = \"11344\" OR = \"11945\" AND AVEC 65 # \"O\" AND AVEC 7 <= \"15887\" AND AVEC 8 >= "
              "\"15797\" OR = \"\"" + kSort);
}

TEST(RequeteContrat, RunsOnContratAndKeepsKeyAndAide) {
    testsupport::TempDb tmp;
    auto db = testsupport::loadSample(tmp);
    dnt::SharedState s = quarter();
    s.TheDatabase = db;
    selection::CriteresContrat c{dnt::Quarter(2011, 2)};  // days 15797 to 15887
    c.ctrUrssaf = "75";
    c.regltParEntite = false;
    c.prelevCpteAide = false;
    selection::RequeteContrat(s, c, dba::DynArray());
    EXPECT_EQ(s.Requete.element(2), "CONTRAT");
    EXPECT_EQ(s.Requete.element(3), "0 3");
    EXPECT_EQ(s.ResultatContrats.DCount(), 11);
    for (int i = 1; i <= s.ResultatContrats.DCount(); ++i) {
        EXPECT_EQ(s.ResultatContrats.element(i, 1).size(), 8u);
        EXPECT_EQ(s.ResultatContrats.element(i, 2).size(), 5u);
    }
}
