// The typed aidé code: keys, padding, the look-up and its refusals, and the one
// possible aidé it lists.
#include "fixture.h"

namespace dialogstest {
namespace {

using CodeTape = Fenetre;

class CodeTapeSecteurs : public Fenetre {
protected:
    CodeTapeSecteurs() : Fenetre("secteurs") {}  // sectors S01 and S03 only
};

TEST_F(CodeTape, KnownCodeListsTheAideAsOnePossible) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "58569"));
    EXPECT_EQ(lignes(*f.Lst_CodPos), std::vector<std::string>{"58569"});
    EXPECT_EQ(lignes(*f.Lst_NomPrenomPos), std::vector<std::string>{"DUBOIS JEAN-CHRISTOPHE"});
    EXPECT_EQ(lignes(*f.Lst_AdressePos), std::vector<std::string>{"87 QUAI DES ORFÈVRES  69003 LYON"});
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "DUBOIS JEAN-CHRISTOPHE");
    EXPECT_TRUE(f.Fra_Pos->enabled());
    EXPECT_TRUE(f.Cmd_SelectAides->enabled());
    EXPECT_TRUE(f.Cmd_SuppAides->enabled());
    EXPECT_TRUE(f.Cmd_Recherche->enabled());
    EXPECT_FALSE(f.Bdv_Pos->enabled());
    EXPECT_EQ(s.RecAide.key(), "58569");
    EXPECT_EQ(s.RecEltsPartemp.key(), "58569");
    EXPECT_TRUE(services.messages().empty());
    EXPECT_TRUE(f.form().enabled());
    EXPECT_EQ(services.mousePointer(), ui::MousePointer::Default);
}

TEST_F(CodeTape, AddressLinesOfEveryShape) {
    taperCode("04449");  // three lines and an empty fourth: the blank after the third stays
    EXPECT_EQ(f.Lst_AdressePos->list(0), "BAT B 103 IMPASSE DES ROSES ESC 1  75018 PARIS");
    taperCode("04581");  // no address: the further line stands in
    EXPECT_EQ(f.Lst_AdressePos->list(0), "RÉSIDENCE LES CÈDRES 92100 BOULOGNE-BILLANCOURT");
    taperCode("32869");  // nothing but the town
    EXPECT_EQ(f.Lst_AdressePos->list(0), "69003 LYON");
    taperCode("41084");  // fourth line only, the further line ignored
    EXPECT_EQ(f.Lst_AdressePos->list(0), "110 RUE VICTOR HUGO 33000 BORDEAUX");
    EXPECT_EQ(f.Lst_CodPos->listCount(), 1);  // each code replaces the previous one
}

TEST_F(CodeTape, ShortCodeIsPaddedWhenLeavingTheBox) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "3326"));
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    ASSERT_TRUE(d.tab());
    EXPECT_EQ(f.Txt_CodAide->text(), "03326");
    EXPECT_EQ(lignes(*f.Lst_NomPrenomPos), std::vector<std::string>{"RIVIÈRE THOMAS"});
}

TEST_F(CodeTape, UnknownPaddedCodeKeepsTheFocusInTheBox) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "123"));
    d.tab();  // "00123" is looked up on the way out, refused, and the box takes the focus back
    EXPECT_EQ(textesMessages(), std::vector<std::string>{"Cet aidé n'existe pas."});
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.form().activeControl(), f.Txt_CodAide);
}

TEST_F(CodeTape, EnterPadsWithoutReachingTheBox) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "123\n"));
    EXPECT_EQ(f.Txt_CodAide->text(), "");  // "00123" does not exist: emptied after the message
    EXPECT_EQ(textesMessages(), std::vector<std::string>{"Cet aidé n'existe pas."});
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "4449\n"));
    EXPECT_EQ(f.Txt_CodAide->text(), "04449");
    EXPECT_EQ(lignes(*f.Lst_CodPos), std::vector<std::string>{"04449"});
}

TEST_F(CodeTape, EnterInAnEmptyBoxLooksUpFiveZeros) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "\n"));
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].text, "Cet aidé n'existe pas.");
}

TEST_F(CodeTape, OnlyDigitsAndBackspaceReachTheBox) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "0a4x4 4-"));
    EXPECT_EQ(f.Txt_CodAide->text(), "0444");
    ASSERT_TRUE(d.type("\b49"));
    EXPECT_EQ(f.Txt_CodAide->text(), "04449");
    EXPECT_EQ(f.Lst_CodPos->listCount(), 1);
}

TEST_F(CodeTape, UnknownCodeIsReportedAndEmptied) {
    ajouterCode("04449");
    taperCode("99999");
    ASSERT_EQ(services.messages().size(), 1u);
    const auto& m = services.messages()[0];
    EXPECT_EQ(m.text, "Cet aidé n'existe pas.");
    EXPECT_EQ(m.icon, ui::MsgIcon::Warning);
    EXPECT_EQ(m.title, "Message TALMIRAN");
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.form().activeControl(), f.Txt_CodAide);
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_EQ(lignes(*f.Lst_CodSel), std::vector<std::string>{"04449"});
}

TEST_F(CodeTape, AideWithoutEmployerRecordIsNotAnEmployer) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "12056"));
    EXPECT_EQ(textesMessages(), std::vector<std::string>{"Cet aidé n'est pas reconnu comme Particulier-Employeur."});
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
}

TEST_F(CodeTape, EmployerOfAnotherCentreGetsTheEmployerMessage) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "05985"));  // an employer of centre 92
    EXPECT_EQ(textesMessages(), std::vector<std::string>{"Cet aidé n'est pas reconnu comme Particulier-Employeur."});
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.form().activeControl(), f.Txt_CodAide);
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
}

TEST_F(CodeTapeSecteurs, AideOfAnotherSectorIsRefused) {
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "04581"));  // sector S02
    EXPECT_EQ(textesMessages(), std::vector<std::string>{"Vous n'avez pas les droits d'accès au secteur de cet aidé."});
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "03326"));  // sector S03-NORD, compared on "S03"
    EXPECT_EQ(lignes(*f.Lst_CodPos), std::vector<std::string>{"03326"});
    EXPECT_EQ(services.messages().size(), 1u);
}

TEST_F(CodeTape, FirstDigitAfterASearchIsLost) {
    chercher("DU");
    ASSERT_EQ(f.Lst_CodPos->listCount(), 5);
    ASSERT_TRUE(d.typeInto(*f.Txt_CodAide, "5"));
    EXPECT_EQ(f.Txt_CodAide->text(), "");
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "");
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_FALSE(f.Cmd_Recherche->enabled());
    EXPECT_FALSE(f.Fra_Pos->enabled());
    // Typed again, the code goes through.
    ASSERT_TRUE(d.type("58569"));
    EXPECT_EQ(lignes(*f.Lst_CodPos), std::vector<std::string>{"58569"});
}

TEST_F(CodeTape, IncompleteCodeClearsThePossibleBlock) {
    taperCode("04449");
    ASSERT_TRUE(d.type("\b"));  // the code loses its last digit, the name box is emptied
    EXPECT_EQ(f.Lst_CodPos->listCount(), 0);
    EXPECT_EQ(f.Lst_NomPrenomPos->listCount(), 0);
    EXPECT_EQ(f.Lst_AdressePos->listCount(), 0);
    EXPECT_FALSE(f.Fra_Pos->enabled());
    EXPECT_FALSE(f.Cmd_SelectAides->enabled());
    EXPECT_FALSE(f.Cmd_SuppAides->enabled());
    EXPECT_EQ(f.Txt_NomPrenomAide->text(), "");
}

TEST_F(CodeTape, CodeAlreadySelectedIsOnlyUnmarked) {
    ajouterCode("04449");
    taperCode("04449");
    ASSERT_TRUE(d.markRows(*f.Lst_NomPrenomPos, {0}));
    ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    EXPECT_EQ(lignes(*f.Lst_CodSel), std::vector<std::string>{"04449"});
    for (ui::ListBox* l : {f.Lst_CodPos, f.Lst_NomPrenomPos, f.Lst_AdressePos})
        EXPECT_TRUE(marques(*l).empty()) << l->name();
}

}  // namespace
}  // namespace dialogstest
