// Leaving the window: "Imprimer" hands over the codes in the displayed order, an empty
// selection is refused, "Retour" abandons the run.
#include "fixture.h"

namespace dialogstest {
namespace {

using Sortie = Fenetre;

TEST_F(Sortie, ImprimerHandsTheCodesInNameOrder) {
    s.W_AidesSelectionnes.setText("ANCIEN");
    ajouterCode("04449");
    ajouterCode("58569");
    ajouterCode("69760");  // ROUSSEAU ANNE-SOPHIE before ROUSSEAU THOMAS
    ajouterCode("05358");
    ASSERT_TRUE(d.click(*f.Cmd_Imprimer));
    EXPECT_EQ(champs(s.W_AidesSelectionnes), (std::vector<std::string>{"58569", "05358", "69760", "04449"}));
    EXPECT_FALSE(s.SelectionAnnulee);
    EXPECT_TRUE(f.W_SortirSelindDnt);
    EXPECT_FALSE(f.form().loaded());
    EXPECT_EQ(services.mousePointer(), ui::MousePointer::Default);
    EXPECT_TRUE(f.form().enabled());
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(Sortie, ConfirmingAnEmptySelectionIsRefused) {
    taperCode("04449");  // a candidate, but nothing selected
    f.Cmd_Imprimer_Click();
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].text, "Vous devez sélectionner au moins un aidant.");
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Warning);
    EXPECT_EQ(services.messages()[0].title, "Message TALMIRAN");
    EXPECT_TRUE(f.form().loaded());
    EXPECT_FALSE(f.W_SortirSelindDnt);
    EXPECT_EQ(f.form().activeControl(), f.Lst_CodPos);
    EXPECT_FALSE(f.VerifZones());
}

TEST_F(Sortie, RetourAbandonsTheRun) {
    s.W_AidesSelectionnes.setText("AVANT");
    ajouterCode("04449");
    ASSERT_TRUE(d.click(*f.Cmd_Retour));
    EXPECT_TRUE(s.SelectionAnnulee);
    EXPECT_TRUE(f.W_SortirSelindDnt);
    EXPECT_FALSE(f.form().loaded());
    EXPECT_EQ(s.W_AidesSelectionnes.text(), "AVANT");
}

TEST_F(Sortie, WithNothingChosenImprimerIsNotOfferedButRetourCloses) {
    EXPECT_FALSE(d.click(*f.Cmd_Imprimer));
    EXPECT_TRUE(f.form().loaded());
    ASSERT_TRUE(d.click(*f.Cmd_Retour));
    EXPECT_TRUE(s.SelectionAnnulee);
    EXPECT_FALSE(f.form().loaded());
}

}  // namespace
}  // namespace dialogstest
