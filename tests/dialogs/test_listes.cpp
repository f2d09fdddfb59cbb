// The two blocks of lists: adding in name order, removing marked entries, the three
// lists of a block kept in step by clicks, and the scroll bars fitted and followed.
#include "fixture.h"

namespace dialogstest {
namespace {

class Listes : public Fenetre {
protected:
    // Nine candidates, as successive searches add up: five DU..., two MARCHAND, two ROUSSEAU.
    void neufCandidats() {
        chercher("DU");
        chercher("MARCHAND");
        chercher("ROUSSEAU");
        ASSERT_EQ(f.Lst_CodPos->listCount(), 9);
        ASSERT_EQ(f.Lst_NomPrenomPos->list(5), "MARCHAND CATHERINE");
        ASSERT_EQ(f.Lst_NomPrenomPos->list(8), "ROUSSEAU THOMAS");
    }
    void expectBlocEnPhase(ui::ListBox& cod, ui::ListBox& nom, ui::ListBox& adresse) {
        EXPECT_EQ(marques(nom), marques(cod));
        EXPECT_EQ(marques(adresse), marques(cod));
        EXPECT_EQ(nom.listIndex(), cod.listIndex());
        EXPECT_EQ(adresse.listIndex(), cod.listIndex());
        EXPECT_EQ(nom.listCount(), cod.listCount());
        EXPECT_EQ(adresse.listCount(), cod.listCount());
    }
    void expectPossiblesEnPhase() { expectBlocEnPhase(*f.Lst_CodPos, *f.Lst_NomPrenomPos, *f.Lst_AdressePos); }
    void expectSelectionnesEnPhase() { expectBlocEnPhase(*f.Lst_CodSel, *f.Lst_NomPrenomSel, *f.Lst_AdresseSel); }
};

TEST_F(Listes, ClickInAnyListMarksTheSameRowInAllThreeAndADoubleClickAdds) {
    neufCandidats();
    ASSERT_TRUE(d.clickRow(*f.Lst_NomPrenomPos, 1));
    EXPECT_EQ(marques(*f.Lst_CodPos), std::vector<int>{1});
    EXPECT_EQ(f.Lst_CodPos->listIndex(), 1);
    expectPossiblesEnPhase();
    ASSERT_TRUE(d.clickRow(*f.Lst_AdressePos, 6));
    EXPECT_EQ(marques(*f.Lst_CodPos), (std::vector<int>{1, 6}));
    EXPECT_EQ(f.Lst_CodPos->listIndex(), 6);
    expectPossiblesEnPhase();
    ASSERT_TRUE(d.clickRow(*f.Lst_CodPos, 1));  // a second click unmarks
    EXPECT_EQ(marques(*f.Lst_NomPrenomPos), std::vector<int>{6});
    EXPECT_EQ(f.Lst_NomPrenomPos->listIndex(), 1);
    expectPossiblesEnPhase();
    // A double click adds the candidate and leaves the block unmarked.
    ASSERT_TRUE(d.clickRow(*f.Lst_CodPos, 6));
    ASSERT_TRUE(d.doubleClickRow(*f.Lst_AdressePos, 6));
    EXPECT_EQ(lignes(*f.Lst_CodSel), std::vector<std::string>{"67318"});
    EXPECT_TRUE(marques(*f.Lst_CodPos).empty());
    expectPossiblesEnPhase();
}

TEST_F(Listes, MarkedCandidatesAreAddedInNameOrder) {
    neufCandidats();
    // ROUSSEAU THOMAS, DUPONT AURÉLIE, MARCHAND CATHERINE, DUBOIS JEAN-CHRISTOPHE.
    ASSERT_TRUE(d.markRows(*f.Lst_CodPos, {8, 4, 5, 0}));
    ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    EXPECT_EQ(lignes(*f.Lst_NomPrenomSel),
              (std::vector<std::string>{"DUBOIS JEAN-CHRISTOPHE", "DUPONT AURÉLIE", "MARCHAND CATHERINE",
                                        "ROUSSEAU THOMAS"}));
    EXPECT_EQ(lignes(*f.Lst_CodSel), (std::vector<std::string>{"58569", "11945", "05358", "04449"}));
    EXPECT_EQ(f.Lst_AdresseSel->list(3), "BAT B 103 IMPASSE DES ROSES ESC 1  75018 PARIS");
    EXPECT_EQ(f.Lst_AdresseSel->list(2), "168 QUAI DES ORFÈVRES  69003 LYON");
    for (ui::ListBox* l : {f.Lst_CodPos, f.Lst_NomPrenomPos, f.Lst_AdressePos})
        EXPECT_TRUE(marques(*l).empty()) << l->name();
    EXPECT_EQ(f.Lst_CodPos->listCount(), 9);  // the candidates stay
    EXPECT_TRUE(f.Cmd_Imprimer->enabled());
    expectSelectionnesEnPhase();
}

TEST_F(Listes, PlaceIsAfterEqualNamesByCharacterCodes) {
    for (const char* nom : {"ANDRÉ", "DUBOIS", "DUBOIS", "ZOLA"}) f.Lst_NomPrenomSel->addItem(nom);
    EXPECT_EQ(f.RecherchePlaceAjout("DUBOIS"), 3);
    EXPECT_EQ(f.RecherchePlaceAjout("ANDRE"), 0);  // É sorts after E
    EXPECT_EQ(f.RecherchePlaceAjout("ANDRÉE"), 1);
    EXPECT_EQ(f.RecherchePlaceAjout("ÉMILE"), 4);  // and after Z
    EXPECT_EQ(f.RecherchePlaceAjout("dubois"), 4);  // small letters after capitals
}

TEST_F(Listes, MarkedSelectedEntriesAreRemovedWhereverTheyAre) {
    neufCandidats();
    ASSERT_TRUE(d.markRows(*f.Lst_CodPos, {0, 1, 2, 3, 4, 5}));
    ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    ASSERT_EQ(f.Lst_CodSel->listCount(), 6);
    ASSERT_TRUE(d.markRows(*f.Lst_NomPrenomSel, {0, 3, 5}));
    expectSelectionnesEnPhase();
    ASSERT_TRUE(d.click(*f.Cmd_SuppAides));
    EXPECT_EQ(lignes(*f.Lst_CodSel), (std::vector<std::string>{"61594", "58210", "11945"}));
    EXPECT_EQ(lignes(*f.Lst_NomPrenomSel),
              (std::vector<std::string>{"DUBOIS PHILIPPE", "DUFOUR PIERRE", "DUPONT AURÉLIE"}));
    EXPECT_EQ(f.Lst_AdresseSel->list(1), "95 IMPASSE DES ROSES  92100 BOULOGNE-BILLANCOURT");
    expectSelectionnesEnPhase();
    EXPECT_TRUE(f.Cmd_Imprimer->enabled());
}

TEST_F(Listes, RemovingTheLastEntryDisablesImprimer) {
    ajouterCode("04449");
    ajouterCode("58569");
    ASSERT_TRUE(d.doubleClickRow(*f.Lst_CodSel, 1));  // a double click removes
    EXPECT_EQ(lignes(*f.Lst_CodSel), std::vector<std::string>{"58569"});
    EXPECT_TRUE(f.Cmd_Imprimer->enabled());
    ASSERT_TRUE(d.doubleClickRow(*f.Lst_AdresseSel, 0));
    EXPECT_EQ(f.Lst_CodSel->listCount(), 0);
    EXPECT_EQ(f.Lst_NomPrenomSel->listCount(), 0);
    EXPECT_EQ(f.Lst_AdresseSel->listCount(), 0);
    EXPECT_FALSE(f.Cmd_Imprimer->enabled());
}

TEST_F(Listes, PossibleScrollBarOrAListScrolledByItselfMovesAllThree) {
    neufCandidats();
    ASSERT_TRUE(f.Lst_NomPrenomPos->scroll(2));
    EXPECT_EQ(f.Lst_CodPos->topIndex(), 2);
    EXPECT_EQ(f.Lst_AdressePos->topIndex(), 2);
    ASSERT_TRUE(f.Bdv_Pos->enabled());
    EXPECT_EQ(f.Bdv_Pos->max(), 8);
    EXPECT_EQ(f.Bdv_Pos->value(), 0);
    ASSERT_TRUE(d.scroll(*f.Bdv_Pos, 8));
    for (ui::ListBox* l : {f.Lst_CodPos, f.Lst_NomPrenomPos, f.Lst_AdressePos}) {
        EXPECT_EQ(l->listIndex(), 8) << l->name();
        EXPECT_EQ(l->topIndex(), 2) << l->name();  // seven rows shown
    }
    EXPECT_TRUE(marques(*f.Lst_CodPos).empty());  // moving the current row marks nothing
}

TEST_F(Listes, SelectedScrollBarFittedToTenRows) {
    chercher("D");
    chercher("M");
    chercher("R");  // 5 + 5 + 3 candidates
    ASSERT_EQ(f.Lst_CodPos->listCount(), 13);
    std::vector<int> tous;
    for (int i = 0; i < 10; ++i) tous.push_back(i);
    ASSERT_TRUE(d.markRows(*f.Lst_CodPos, tous));
    ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    EXPECT_FALSE(f.Bdv_Sel->enabled());  // ten rows fit
    EXPECT_EQ(f.Bdv_Sel->max(), 9);
    ASSERT_TRUE(d.markRows(*f.Lst_CodPos, {10, 11, 12}));
    ASSERT_TRUE(d.click(*f.Cmd_SelectAides));
    EXPECT_TRUE(f.Bdv_Sel->enabled());
    EXPECT_EQ(f.Bdv_Sel->max(), 12);
    ASSERT_TRUE(d.scroll(*f.Bdv_Sel, 11));
    for (ui::ListBox* l : {f.Lst_CodSel, f.Lst_NomPrenomSel, f.Lst_AdresseSel}) {
        EXPECT_EQ(l->listIndex(), 11) << l->name();
        EXPECT_EQ(l->topIndex(), 2) << l->name();
    }
    // Removing three brings the block back under ten rows: the bar is fitted again.
    ASSERT_TRUE(d.markRows(*f.Lst_CodSel, {0, 5, 12}));
    ASSERT_TRUE(d.click(*f.Cmd_SuppAides));
    EXPECT_FALSE(f.Bdv_Sel->enabled());
    EXPECT_EQ(f.Bdv_Sel->max(), 9);
    EXPECT_EQ(f.Bdv_Sel->value(), 0);
    expectSelectionnesEnPhase();
}

}  // namespace
}  // namespace dialogstest
