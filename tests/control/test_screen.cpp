// The selection screen as a person uses it: quarter list, centre entry, rights gate.
#include "numbers/error.h"
#include "numbers/utf8.h"
#include "support/control.h"
#include "support/database.h"

using testsupport::ControlFixture;

TEST_F(ControlFixture, InitFillsTheScreen) {
    create();
    EXPECT_EQ(ctl->Cbo_Trimestre->listCount(), 9);
    EXPECT_EQ(ctl->Cbo_Trimestre->listIndex(), 0);
    EXPECT_EQ(ctl->Cbo_Trimestre->text(), "2ème TRIMESTRE 2013");
    EXPECT_EQ(ctl->Cbo_CtrUrssaf->listCount(), 3);
    EXPECT_EQ(ctl->Cbo_CtrUrssaf->list(0), "URSSAF DE PARIS");  // sorted on the name
    EXPECT_TRUE(ctl->Txt_CtrUrssaf->enabled());
    EXPECT_TRUE(ctl->Txt_CtrUrssaf->hasFocus());
    EXPECT_TRUE(ctl->Cmd_OK->visible());
    EXPECT_FALSE(ctl->Cmd_OK->enabled());
    EXPECT_EQ(ctl->Txt_DateRetour->text(), "10/07/2013");  // quarter end + 10 days
    // Rate of the rubric named in PARAMPOLEEMPLOI: its first date is before the quarter end.
    EXPECT_EQ(ctl->state().W_TauxRubCharge.value(), 3500);
    EXPECT_EQ(services.mousePointer(), ui::MousePointer::Default);
    EXPECT_TRUE(services.controlEnabled());
}

TEST_F(ControlFixture, NineQuarterLabelsOfNineteenCharactersNewestFirst) {
    testsupport::put(*db, testsupport::RecTexte("PERIODESPAIE", "1", {"202501"}));
    create();
    std::vector<std::string> labels;
    for (int i = 0; i < ctl->Cbo_Trimestre->listCount(); ++i) labels.push_back(ctl->Cbo_Trimestre->list(i));
    EXPECT_EQ(labels, (std::vector<std::string>{"1er  TRIMESTRE 2025", "4ème TRIMESTRE 2024", "3ème TRIMESTRE 2024",
                                                "2ème TRIMESTRE 2024", "1er  TRIMESTRE 2024", "4ème TRIMESTRE 2023",
                                                "3ème TRIMESTRE 2023", "2ème TRIMESTRE 2023", "1er  TRIMESTRE 2023"}));
    for (const auto& l : labels) EXPECT_EQ(dnt::utf8::countChars(l), 19u) << l;
}

TEST_F(ControlFixture, AMalformedPayPeriodFailsInit) {
    testsupport::put(*db, testsupport::RecTexte("PERIODESPAIE", "1", {"2025"}));
    create("quelquun", false);
    EXPECT_THROW(ctl->Init(), dnt::Error);
}

TEST_F(ControlFixture, WithoutFullAccessOkIsNeverShown) {
    create("lecteur");
    EXPECT_FALSE(ctl->Cmd_OK->visible());
    enterCentre("75");
    EXPECT_FALSE(ctl->Cmd_OK->visible());
    EXPECT_FALSE(person->click(*ctl->Cmd_OK));
}

TEST_F(ControlFixture, OneCentreIsPreselectedAndGreyed) {
    // Only centre 75 is left.
    for (const char* centre : {"92", "93"}) db->storage().remove("CENTREURSSAF", centre, {});
    create();
    EXPECT_EQ(ctl->Cbo_CtrUrssaf->listCount(), 1);
    EXPECT_EQ(ctl->Txt_CtrUrssaf->text(), "75");
    EXPECT_FALSE(ctl->Txt_CtrUrssaf->enabled());
    EXPECT_FALSE(ctl->Etq_CtrUrssaf->enabled());
    EXPECT_FALSE(ctl->Cbo_CtrUrssaf->enabled());
    EXPECT_TRUE(ctl->Cmd_OK->enabled());
    EXPECT_TRUE(ctl->Cmd_OK->hasFocus());
}

TEST_F(ControlFixture, CentreEntryPadsDiscardsLettersAndLooksUp) {
    testsupport::put(*db, testsupport::RecChamps("CENTREURSSAF", "07", {{1, "URSSAF DE L'ARDECHE"}, {25, "É0701"}}));
    create();
    person->type("7");
    person->type("x");  // a letter has no effect
    EXPECT_EQ(ctl->Txt_CtrUrssaf->text(), "7");
    EXPECT_FALSE(ctl->Cmd_OK->enabled());
    person->tab();  // leaving the entry pads to two digits, which looks the centre up
    EXPECT_EQ(ctl->Txt_CtrUrssaf->text(), "07");
    EXPECT_EQ(ctl->Cbo_CtrUrssaf->text(), "URSSAF DE L'ARDECHE");
    EXPECT_EQ(ctl->state().W_CodeEntite, "É07");  // characters, not bytes
    EXPECT_TRUE(ctl->Cmd_OK->enabled());
    // A third character cannot make the code valid.
    person->focus(*ctl->Txt_CtrUrssaf);
    ctl->Txt_CtrUrssaf->setSelStart(2);
    person->type("5");
    EXPECT_FALSE(ctl->Cmd_OK->enabled());
    EXPECT_TRUE(messages().empty());
}

TEST_F(ControlFixture, EnterPadsAndUnknownCentreIsReported) {
    create();
    person->type("8");
    person->key(13);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Ce centre Urssaf n'existe pas."}));
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Warning);
    EXPECT_EQ(services.messages()[0].title, "Message TALMIRAN");
    EXPECT_EQ(ctl->Txt_CtrUrssaf->text(), "");
    EXPECT_TRUE(ctl->Txt_CtrUrssaf->hasFocus());
    EXPECT_FALSE(ctl->Cmd_OK->enabled());
}

TEST_F(ControlFixture, ChoosingACentreInTheListFillsTheEntry) {
    create();
    person->choose(*ctl->Cbo_CtrUrssaf, 2);
    EXPECT_EQ(ctl->Txt_CtrUrssaf->text(), "92");
    EXPECT_TRUE(ctl->Cmd_OK->enabled());
    EXPECT_EQ(ctl->state().W_CodeEntite, "E75");
}

TEST_F(ControlFixture, IndividualSelectionDisablesTheRange) {
    create();
    person->replaceText(*ctl->Txt_De, "DU");
    person->click(*ctl->Cac_SelecInd);
    EXPECT_EQ(ctl->Txt_De->text(), "");
    EXPECT_FALSE(ctl->Cdr_Selection->enabled());
    EXPECT_FALSE(person->replaceText(*ctl->Txt_De, "X"));
    person->click(*ctl->Cac_SelecInd);
    EXPECT_TRUE(ctl->Cdr_Selection->enabled());
}

TEST_F(ControlFixture, HelpFileAndItsTwoMoments) {
    create();
    EXPECT_EQ(ctl->helpFile(), "/opt/dnt/ControleEditDntVardec.html");
    person->mouseDown(2, 10, 20);
    ASSERT_EQ(ctl->surface().popupRequests().size(), 1u);
    person->chooseMenu(*ctl->Mnu_Sommaire);
    ctl.reset();
    ASSERT_EQ(help.calls.size(), 2u);
    EXPECT_EQ(help.calls[0].command, "contents");
    EXPECT_EQ(help.calls[1].command, "quit");
}
