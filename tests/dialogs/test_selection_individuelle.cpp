// The window run for the control: played from a list of codes, from a script, or shown
// modally through the services.
#include <stdexcept>

#include "dialogs/selection_individuelle.h"
#include "fixture.h"
#include "ui/keys.h"

namespace dialogstest {
namespace {

using SelectionParCodes = BaseEchantillon;

TEST_F(SelectionParCodes, KnownCodesAreChosenAndPrinted) {
    s.SelectionAnnulee = true;
    dialogs::selectionParCodes(s, services, "75", {"04449", "58569", "3326"});
    EXPECT_EQ(champs(s.W_AidesSelectionnes), (std::vector<std::string>{"58569", "03326", "04449"}));
    EXPECT_FALSE(s.SelectionAnnulee);
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(SelectionParCodes, RefusedCodesGetTheWindowsMessagesAndAreSkipped) {
    dialogs::selectionParCodes(s, services, "75", {"99999", "04449", "12056", "05985", "04449", "58569"});
    EXPECT_EQ(champs(s.W_AidesSelectionnes), (std::vector<std::string>{"58569", "04449"}));
    EXPECT_EQ(textesMessages(), (std::vector<std::string>{"Cet aidé n'existe pas.",
                                                          "Cet aidé n'est pas reconnu comme Particulier-Employeur.",
                                                          "Cet aidé n'est pas reconnu comme Particulier-Employeur."}));
    EXPECT_FALSE(s.SelectionAnnulee);
}

TEST_F(SelectionParCodes, CodesThatCannotBeTypedAreRefusedUntyped) {
    dialogs::selectionParCodes(s, services, "75", {"044490", "04A49", "", "04449"});
    EXPECT_EQ(champs(s.W_AidesSelectionnes), std::vector<std::string>{"04449"});
    ASSERT_EQ(services.messages().size(), 3u);
    EXPECT_EQ(services.messages()[0].text, "Code d'aidé incorrect : « 044490 » (cinq chiffres au plus).");
    EXPECT_EQ(services.messages()[0].title, "Message TALMIRAN");
}

TEST_F(SelectionParCodes, NothingChosenGoesBack) {
    s.W_AidesSelectionnes.setText("X");
    dialogs::selectionParCodes(s, services, "75", {"99999"});
    EXPECT_TRUE(s.SelectionAnnulee);
    EXPECT_EQ(s.W_AidesSelectionnes.text(), "X");
    dialogs::selectionParCodes(s, services, "75", {});
    EXPECT_TRUE(s.SelectionAnnulee);
}

TEST_F(SelectionParCodes, FilesNotYetOpenAreOpened) {
    s.Fichiers.clear();
    dialogs::selectionParCodes(s, services, "92", {"05985"});
    EXPECT_EQ(champs(s.W_AidesSelectionnes), std::vector<std::string>{"05985"});
}

TEST_F(SelectionParCodes, ScriptMixingSearchAndCodes) {
    dialogs::selectionParScript(s, services, "75", [](dialogs::Frm_SelindDnt& f, ui::Driver& d) {
        ASSERT_TRUE(d.typeInto(*f.Txt_NomPrenomAide, "marchand\n"));
        ASSERT_TRUE(d.markRows(*f.Lst_CodPos, {1}));
        ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
        EXPECT_TRUE(dialogs::choisirCode(f, d, "58569"));  // the name left in its box is emptied first
        EXPECT_FALSE(dialogs::choisirCode(f, d, "99999"));
        ASSERT_TRUE(d.click(*f.Cmd_Imprimer));
    });
    EXPECT_EQ(champs(s.W_AidesSelectionnes), (std::vector<std::string>{"58569", "67318"}));
}

TEST_F(SelectionParCodes, ScriptLeavingTheWindowOpenIsAnError) {
    EXPECT_THROW(dialogs::selectionParScript(s, services, "75", [](dialogs::Frm_SelindDnt&, ui::Driver& d) {
                     d.closeWindow();
                 }),
                 std::logic_error);
}

TEST_F(SelectionParCodes, ShownModallyThroughTheServices) {
    int helpOpened = 0;
    services.modalPlayer = [](ui::Form& form) {
        ui::Driver d(form);
        d.typeInto(d.widget("Txt_CodAide"), "04449");
        d.markRows(dynamic_cast<ui::ListBox&>(d.widget("Lst_CodPos")), {0});
        d.click(d.widget("Cmd_SelectAides"));
        d.mouseDown(ui::kRightButton, 5, 5);
        d.chooseMenu(*form.findMenu("Mnu_Sommaire"));
        d.click(d.widget("Cmd_Imprimer"));
    };
    dialogs::selectionIndividuelle(s, services, "75", [&] { ++helpOpened; });
    EXPECT_EQ(services.modalForms(), std::vector<std::string>{"Frm_SelindDnt"});
    EXPECT_EQ(champs(s.W_AidesSelectionnes), std::vector<std::string>{"04449"});
    EXPECT_FALSE(s.SelectionAnnulee);
    EXPECT_EQ(helpOpened, 1);
}

}  // namespace
}  // namespace dialogstest
