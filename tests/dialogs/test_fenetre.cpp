// The selection window's controls and captions, its first state, Init, the refused
// title-bar close and the help pop-up menu.
#include "fixture.h"
#include "ui/keys.h"

namespace dialogstest {
namespace {

using FenetreSelection = Fenetre;

std::string libelle(ui::Form& form, const std::string& nom) {
    ui::Widget* w = form.find(nom);
    if (auto* l = dynamic_cast<ui::Label*>(w)) return l->caption();
    if (auto* b = dynamic_cast<ui::CommandButton*>(w)) return b->caption();
    if (auto* fr = dynamic_cast<ui::Frame*>(w)) return fr->caption();
    return "<" + nom + " absent>";
}

TEST_F(FenetreSelection, CaptionsAsTheUserReadsThem) {
    ui::Form& form = f.form();
    EXPECT_EQ(form.name(), "Frm_SelindDnt");
    EXPECT_EQ(form.caption(), "Edition des Déclarations Nominatives Trimestrielles  : sélection individuelle");
    EXPECT_EQ(libelle(form, "Etq_Aide"), "Aidé");
    EXPECT_EQ(libelle(form, "Cmd_Recherche"), "Recherche");
    EXPECT_EQ(libelle(form, "Fra_Pos"), "Possibles ");
    EXPECT_EQ(libelle(form, "Etq_CodPos"), "Code");
    EXPECT_EQ(libelle(form, "Etq_NomPrenomPos"), "Nom Prénom ");
    EXPECT_EQ(libelle(form, "Etq_AdressePos"), "Adresse");
    EXPECT_EQ(libelle(form, "Fra_Selec"), "Sélectionnés ");
    EXPECT_EQ(libelle(form, "Etq_CodSel"), "Code");
    EXPECT_EQ(libelle(form, "Etq_NomPrenomSel"), "Nom Prénom ");
    EXPECT_EQ(libelle(form, "Etq_AdresseSel"), "Adresse");
    EXPECT_EQ(libelle(form, "Cmd_Imprimer"), "Imprimer");
    EXPECT_EQ(libelle(form, "Cmd_Retour"), "Retour");
    ASSERT_NE(form.findMenu("Mnu_Aide"), nullptr);
    EXPECT_EQ(form.findMenu("Mnu_Aide")->caption(), "Aide");
    ASSERT_EQ(form.findMenu("Mnu_Aide")->items().size(), 1u);
    EXPECT_EQ(form.findMenu("Mnu_Aide")->items()[0]->name(), "Mnu_Sommaire");
}

TEST_F(FenetreSelection, ListsInTheirFramesWithMultipleSelection) {
    for (ui::ListBox* l : {f.Lst_CodPos, f.Lst_NomPrenomPos, f.Lst_AdressePos}) {
        EXPECT_EQ(l->multiSelect(), ui::MultiSelect::Simple) << l->name();
        EXPECT_EQ(l->container(), f.Fra_Pos) << l->name();
    }
    for (ui::ListBox* l : {f.Lst_CodSel, f.Lst_NomPrenomSel, f.Lst_AdresseSel}) {
        EXPECT_EQ(l->multiSelect(), ui::MultiSelect::Simple) << l->name();
        EXPECT_EQ(l->container(), f.Fra_Selec) << l->name();
    }
    EXPECT_EQ(f.Bdv_Pos->container(), f.Fra_Pos);
    EXPECT_EQ(f.Bdv_Sel->container(), f.Fra_Selec);
}

TEST_F(FenetreSelection, StartsWithNothingToMovePrintOrSearch) {
    EXPECT_FALSE(f.Fra_Pos->enabled());
    EXPECT_FALSE(f.Cmd_SelectAides->enabled());
    EXPECT_FALSE(f.Cmd_SuppAides->enabled());
    EXPECT_FALSE(f.Cmd_Imprimer->enabled());
    EXPECT_FALSE(f.Cmd_Recherche->enabled());
    EXPECT_TRUE(f.Cmd_Retour->enabled());
    EXPECT_FALSE(f.Bdv_Pos->enabled());
    EXPECT_FALSE(f.Bdv_Sel->enabled());
    EXPECT_EQ(f.form().activeControl(), f.Txt_CodAide);
    EXPECT_EQ(f.W_CentreUrssaf, "75");
}

TEST_F(FenetreSelection, InitLowersBothFlags) {
    f.W_SortirSelindDnt = true;
    s.SelectionAnnulee = true;
    f.Init();
    EXPECT_FALSE(f.W_SortirSelindDnt);
    EXPECT_FALSE(s.SelectionAnnulee);
}

TEST_F(FenetreSelection, TitleBarCloseDoesNothing) {
    ajouterCode("04449");
    EXPECT_FALSE(d.closeWindow());
    EXPECT_TRUE(f.form().loaded());
    EXPECT_TRUE(f.form().visible());
    EXPECT_FALSE(f.W_SortirSelindDnt);
    EXPECT_FALSE(f.form().unload());  // nor does an unload from code before a button
    EXPECT_TRUE(f.form().loaded());
}

TEST_F(FenetreSelection, RightButtonOnWindowOrFrameOpensHelpMenu) {
    ui::Menu& helpMenu = *f.Mnu_Aide;
    helpMenu.setEnabled(false);
    f.Mnu_Sommaire->setEnabled(false);
    EXPECT_TRUE(d.mouseDown(ui::kLeftButton, 1, 2));
    EXPECT_TRUE(f.form().popupRequests().empty());
    EXPECT_TRUE(d.mouseDown(ui::kRightButton, 10, 20));
    ASSERT_EQ(f.form().popupRequests().size(), 1u);
    EXPECT_EQ(f.form().popupRequests()[0].menu, &helpMenu);
    EXPECT_TRUE(helpMenu.enabled());
    EXPECT_TRUE(f.Mnu_Sommaire->enabled());
    EXPECT_TRUE(d.mouseDown(*f.Fra_Selec, ui::kRightButton, 3, 4));
    EXPECT_EQ(f.form().popupRequests().size(), 2u);
    // The possible frame takes no input until it lists candidates.
    EXPECT_FALSE(d.mouseDown(*f.Fra_Pos, ui::kRightButton, 3, 4));
    taperCode("04449");
    EXPECT_TRUE(d.mouseDown(*f.Fra_Pos, ui::kRightButton, 3, 4));
    EXPECT_EQ(f.form().popupRequests().size(), 3u);
    EXPECT_TRUE(d.chooseMenu(*f.Mnu_Sommaire));
    EXPECT_EQ(helpOpened, 1);
}

}  // namespace
}  // namespace dialogstest
