// The run behind OK: checks of the screen, rates of the run, the empty selection, the
// sector warning, the printer choice and the copies.
#include "support/control.h"
#include "selection/requete_contrat.h"

using testsupport::ControlFixture;

namespace {

// Stands for the print loop: one line per copy, so that copies can be counted, with the
// quarter it was given.
void printOneLine(dnt::SharedState& s, const dba::DynArray& rows, const dnt::Quarter& quarter) {
    s.Imprimante->print("ROWS " + std::to_string(rows.DCount()) + " " + quarter.firstDate() + " " + quarter.lastDate() +
                        " " + quarter.key());
}

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(ControlFixture, IncoherentRangeOrAQuoteInItIsRefusedBeforeAnythingRuns) {
    create();
    enterCentre("75");
    person->replaceText(*ctl->Txt_De, "MARTIN");
    person->click(*ctl->Cmd_OK);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Incohérence dans la sélection de l'aidé."}));
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Warning);
    EXPECT_FALSE(ctl->W_Sortir);
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_TRUE(printers.journal().empty());  // nothing ran
    // A quote in the range is refused before anything runs.
    person->replaceText(*ctl->Txt_De, "A\" OR AVEC 1 = \"X");
    person->replaceText(*ctl->Txt_A, "Z");
    person->click(*ctl->Cmd_OK);
    ASSERT_EQ(services.messages().size(), 2u);
    EXPECT_NE(services.messages()[1].text.find("guillemet"), std::string::npos);
    EXPECT_FALSE(ctl->W_Sortir);
    EXPECT_EQ(chooser.calls, 0);
}

TEST_F(ControlFixture, EmptySelectionGivesTheNoticeAndKeepsTheScreen) {
    create();
    enterCentre("75");
    person->replaceText(*ctl->Txt_De, "ZZZ");
    person->replaceText(*ctl->Txt_A, "ZZZZ");
    person->click(*ctl->Cmd_OK);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Aucune sélection correspondant aux critères demandés."}));
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Information);
    EXPECT_TRUE(services.messages()[0].controlEnabled);
    EXPECT_EQ(services.messages()[0].pointer, ui::MousePointer::Default);
    EXPECT_FALSE(ctl->W_Sortir);
    EXPECT_EQ(services.hostUnloadCount(), 0);
    // The person may change the screen and press OK again.
    for (ui::TextBox* box : {ctl->Txt_De, ctl->Txt_A}) {
        person->focus(*box);
        person->selectAll();
        person->key(8);
        EXPECT_EQ(box->text(), "");
    }
    ctl->gestionRequete = printOneLine;
    EXPECT_TRUE(person->click(*ctl->Cmd_OK));
    EXPECT_TRUE(ctl->W_Sortir) << ::testing::PrintToString(messages());
}

TEST_F(ControlFixture, TwoCopiesPrintTheSameSelectionTwiceWithTheQuarterAndRatesOfTheRun) {
    create();
    enterCentre("75");
    chooser.copies = 2;
    ctl->gestionRequete = printOneLine;
    person->click(*ctl->Cmd_OK);
    auto& s = ctl->state();
    // Rubric 922: its first date is after the quarter end, its second before: values 2,
    // with an empty field 14 counting 0.
    EXPECT_EQ(s.TauxRub922.value(), 1900);
    // Rubric 908: first date (15983) before the quarter end: 18000 + 2000.
    EXPECT_EQ(s.TauxRub908.value(), 20000);
    std::string journal = printers.journal();
    EXPECT_EQ(count(journal, "TEXT 0 0 \"ROWS "), 2u);
    EXPECT_EQ(count(journal, " 01/04/2013 30/06/2013 20132\""), 2u);
    EXPECT_EQ(count(journal, "PAGE 2"), 1u);
    EXPECT_EQ(count(journal, "FONT \"Courier New\" 11 0"), 1u);
    EXPECT_EQ(journal.substr(journal.size() - 4), "END\n");
    EXPECT_TRUE(ctl->W_Sortir);
    EXPECT_EQ(services.hostUnloadCount(), 1);
    EXPECT_EQ(ctl->state().W_TypeEdition, "D");
}

TEST_F(ControlFixture, AMatrixPrinterNamedInMixedCaseRunsInTheEmptyMode) {
    create();
    enterCentre("75");
    chooser.index = 1;
    std::string mode = "unset";
    ctl->gestionRequete = [&](dnt::SharedState& s, const dba::DynArray&, const dnt::Quarter&) { mode = s.W_TypeEdition; };
    person->click(*ctl->Cmd_OK);
    EXPECT_EQ(mode, "");
}

TEST_F(ControlFixture, CancelledPrinterChoiceStillEndsTheDocumentAndCloses) {
    create();
    enterCentre("75");
    chooser.index = -1;
    bool printed = false;
    ctl->gestionRequete = [&](dnt::SharedState&, const dba::DynArray&, const dnt::Quarter&) { printed = true; };
    person->click(*ctl->Cmd_OK);
    EXPECT_FALSE(printed);
    EXPECT_EQ(printers.journal(), "END\n");
    EXPECT_TRUE(ctl->W_Sortir);
    EXPECT_EQ(services.hostUnloadCount(), 1);
}

TEST_F(ControlFixture, SectorWarningForARestrictedUser) {
    create("secteurs");
    enterCentre("75");
    ctl->gestionRequete = printOneLine;
    person->click(*ctl->Cmd_OK);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0].text,
              "Attention : Vous n'avez pas accès à tous les secteurs.\r\nLes aidés appartenant à des secteurs sur "
              "lesquels vous n'avez aucun droit seront exclus de la liste.");
    EXPECT_EQ(services.messages()[0].icon, ui::MsgIcon::Warning);
}

TEST_F(ControlFixture, UnattendedRunPrintsAtOnceWithoutMessages) {
    create("quelquun", false);
    ctl->ModeOmr = true;
    ctl->W_IndImpr = 0;
    ctl->W_Trimestre = "1er  TRIMESTRE 1990";  // matches no quarter: the first stays selected
    ctl->W_CodeCentreUrssaf = "75";
    ctl->W_CodeAideOmr = "99999";  // selects nothing: no message, the run still ends
    ctl->W_NbPagesApres = dnt::Int16(0);
    int calls = 0;
    ctl->gestionRequete = [&](dnt::SharedState&, const dba::DynArray& rows, const dnt::Quarter& quarter) {
        ++calls;
        EXPECT_TRUE(rows.text().empty());
        EXPECT_EQ(quarter.key(), "20132");
    };
    ctl->Init();
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(chooser.calls, 0);
    std::string journal = printers.journal();
    // ENDDOC with no page after: the four tracks, then the end of the document.
    EXPECT_EQ(count(journal, "LINE 850 "), 4u);
    EXPECT_NE(journal.find("WIDTH 12\nLINE 850 1871 1207 1871\nLINE 850 2108 1207 2108\n"), std::string::npos);
    EXPECT_EQ(journal.substr(journal.size() - 4), "END\n");
    EXPECT_EQ(services.hostUnloadCount(), 2);  // the run, then the exit button
}

// A preview prints the very pages of the real run, and writes nothing.
TEST_F(ControlFixture, APreviewPrintsTheRealRunsPagesAndWritesNothing) {
    auto written = [&] {
        std::ostringstream out;
        dba::exportJsonl(*db, out, {"REGULDNT", "DETAILCHGPARTEMP"});
        return out.str();
    };
    const std::string before = written();
    printers.previewFirst = true;
    create();
    enterCentre("75");
    person->click(*ctl->Cmd_OK);
    const std::string preview = printers.journal();
    EXPECT_EQ(written(), before);
    EXPECT_FALSE(ctl->state().outcome.written);
    EXPECT_FALSE(ctl->state().outcome.printedAides.empty());
    printers.reset();
    printers.previewFirst = false;
    create();
    enterCentre("75");
    person->click(*ctl->Cmd_OK);
    EXPECT_EQ(printers.journal(), preview);
    EXPECT_NE(written(), before);
}
