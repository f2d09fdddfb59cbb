// The window run for the control: played from a list of codes, from a script, or shown
// modally through the services.
#include <stdexcept>

#include "dialogs/selection_individuelle.h"
#include "fixture.h"
#include "ui/keys.h"

namespace dialogstest {
namespace {

using SelectionParCodes = BaseEchantillon;

// Codes handed to the window for a centre, and the codes printed, the messages shown
// and whether the run goes back. The selection held before is "AVANT".
struct ParCodes {
    const char* what;
    const char* centre;
    std::vector<std::string> codes, printed, messages;
    bool annulee;
};

TEST_F(SelectionParCodes, CodesAreTypedChosenOrRefusedAndPrintedInNameOrder) {
    const char* const kUnknown = "Cet aidé n'existe pas.";
    const char* const kNotEmployer = "Cet aidé n'est pas reconnu comme Particulier-Employeur.";
    const ParCodes cases[] = {
        {"known codes", "75", {"04449", "58569", "3326"}, {"58569", "03326", "04449"}, {}, false},
        {"refused codes skipped", "75", {"99999", "04449", "12056", "05985", "04449", "58569"}, {"58569", "04449"},
         {kUnknown, kNotEmployer, kNotEmployer}, false},
        {"codes that cannot be typed", "75", {"044490", "04A49", "", "04449"}, {"04449"}, {}, false},
        {"nothing chosen", "75", {"99999"}, {"AVANT"}, {kUnknown}, true},
        {"no codes", "75", {}, {"AVANT"}, {}, true},
        {"files not yet open", "92", {"05985"}, {"05985"}, {}, false},
    };
    for (const ParCodes& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t before = services.messages().size();
        s.W_AidesSelectionnes.setText("AVANT");
        s.SelectionAnnulee = !c.annulee;
        if (std::string(c.what) == "files not yet open") s.Fichiers.clear();
        dialogs::selectionParCodes(s, services, c.centre, c.codes);
        EXPECT_EQ(champs(s.W_AidesSelectionnes), c.printed);
        EXPECT_EQ(s.SelectionAnnulee, c.annulee);
        ASSERT_EQ(services.messages().size() - before, c.messages.size());
        for (size_t i = 0; i < c.messages.size(); ++i) {
            const auto& shown = services.messages()[before + i];
            if (!c.messages[i].empty()) EXPECT_EQ(shown.text, c.messages[i]);
            EXPECT_EQ(shown.title, "Message TALMIRAN");
        }
    }
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
