// The name search: its sentence on CIVILAIDE, the candidates in name order, searches
// adding up, the empty result, the name box's own rules, and a double quote refused.
#include "fixture.h"

namespace dialogstest {
namespace {

using RechercheNom = Fenetre;

TEST_F(RechercheNom, SentenceOfTheSearchAndItsCandidatesInNameOrder) {
    chercher("du");
    EXPECT_EQ(s.Requete.element(1),
              "SSELECT CIVILAIDE AVEC NomPrenomAide = \"DU]\" AND AVEC CentreUrssafAide = \"75\" PAR 2 PAR 3");
    EXPECT_EQ(s.Requete.element(2), "CIVILAIDE");
    EXPECT_EQ(s.Requete.element(3), "0 2 3 5 6 7 8 9 10 11");
    EXPECT_EQ(s.Requete.DCount(), 3);
    EXPECT_EQ(f.ResultatAides.DCount(), 5);
    EXPECT_EQ(f.ResultatAides.element(1, 1), "58569");
    // The candidates of the centre in name order. A second address line alone keeps the
    // blank that follows it before the postal code.
    EXPECT_EQ(lignes(*f.Lst_CodPos), (std::vector<std::string>{"58569", "61594", "58210", "13113", "11945"}));
    EXPECT_EQ(lignes(*f.Lst_NomPrenomPos),
              (std::vector<std::string>{"DUBOIS JEAN-CHRISTOPHE", "DUBOIS PHILIPPE", "DUFOUR PIERRE",
                                        "DUMONT MARIE-THÉRÈSE", "DUPONT AURÉLIE"}));
    EXPECT_EQ(lignes(*f.Lst_AdressePos),
              (std::vector<std::string>{"87 QUAI DES ORFÈVRES  69003 LYON", "154 AVENUE DE LA RÉPUBLIQUE  93200 SAINT-DENIS",
                                        "95 IMPASSE DES ROSES  92100 BOULOGNE-BILLANCOURT",
                                        "62 RUE DES LILAS  78000 VERSAILLES",
                                        "66 RUE DU GÉNÉRAL DE GAULLE  94300 VINCENNES"}));
    EXPECT_TRUE(f.Fra_Pos->enabled());
    EXPECT_FALSE(f.Bdv_Pos->enabled());  // five rows fit
    EXPECT_TRUE(f.form().enabled());
    EXPECT_EQ(services.mousePointer(), ui::MousePointer::Default);
    EXPECT_GE(services.doEventsCount(), 1);
}

TEST_F(RechercheNom, AddressShapesOfTheResult) {
    chercher("ANDR");  // three lines, empty fourth
    chercher("MATH");  // further line only
    chercher("PETIT");  // town only
    EXPECT_EQ(lignes(*f.Lst_AdressePos),
              (std::vector<std::string>{"BAT A 174 PLACE DE LA MAIRIE ESC 4  69003 LYON",
                                        "RÉSIDENCE LES CÈDRES 92100 BOULOGNE-BILLANCOURT", "69003 LYON"}));
}

TEST_F(RechercheNom, TypedNameIsPutInCapitalsAccentsIncludedAndEnterSearches) {
    ASSERT_TRUE(d.typeInto(*f.Txt_NomPrenomAide, "clément\n"));  // the other CLÉMENT belongs to centre 93
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "clément");
    EXPECT_EQ(lignes(*f.Lst_CodPos), std::vector<std::string>{"68848"});
    EXPECT_EQ(lignes(*f.Lst_NomPrenomPos), std::vector<std::string>{"CLÉMENT NICOLAS"});
    ASSERT_TRUE(d.replaceText(*f.Txt_NomPrenomAide, "rousseau\n"));
    EXPECT_EQ(lignes(*f.Lst_CodPos), (std::vector<std::string>{"68848", "69760", "04449"}));
}

TEST_F(RechercheNom, NothingFoundKeepsTheLists) {
    chercher("MARCHAND");
    chercher("ZZZ");
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].text, "Pas d'aidé correspondant à la sélection.");
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Warning);
    EXPECT_EQ(services.messages()[0].title, "Message TALMIRAN");
    EXPECT_EQ(services.messages()[0].pointer, ui::MousePointer::Default);
    EXPECT_EQ(lignes(*f.Lst_CodPos), (std::vector<std::string>{"05358", "67318"}));
    EXPECT_TRUE(f.form().enabled());
}

TEST_F(RechercheNom, EmptyingTheNameBoxClearsThePossibleBlock) {
    chercher("DU");
    EXPECT_TRUE(f.Cmd_Recherche->enabled());
    ASSERT_TRUE(d.replaceText(*f.Txt_NomPrenomAide, "   "));  // blanks only count as empty
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_EQ(f.Lst_NomPrenomPos->listCount(), 0);
    EXPECT_EQ(f.Lst_AdressePos->listCount(), 0);
    EXPECT_FALSE(f.Fra_Pos->enabled());
    EXPECT_FALSE(f.Cmd_Recherche->enabled());
    EXPECT_FALSE(f.Bdv_Pos->enabled());
}

TEST_F(RechercheNom, NameAfterATypedCodeEmptiesTheCode) {
    taperCode("04449");
    ASSERT_TRUE(d.replaceText(*f.Txt_NomPrenomAide, "\b"));
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
}

TEST_F(RechercheNom, DoubleQuoteInTheNameIsRefusedAndNotRun) {
    chercher("DU\"");
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].text, "Le nom recherché ne peut pas contenir de guillemet (\").");
    EXPECT_EQ(services.messages()[0].title, "Message TALMIRAN");
    EXPECT_TRUE(s.Requete.empty());
    EXPECT_TRUE(f.ResultatAides.empty());
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_TRUE(f.form().enabled());
    EXPECT_EQ(services.mousePointer(), ui::MousePointer::Default);
    EXPECT_EQ(f.form().activeControl(), f.Txt_NomPrenomAide);
    // By Enter as well.
    ASSERT_TRUE(d.type("\n"));
    EXPECT_EQ(services.messages().size(), 2u);
    EXPECT_TRUE(s.Requete.empty());
}

}  // namespace
}  // namespace dialogstest
