// The individual selection window on the desktop: Qt double clicks and arrows add and
// remove, the block's scroll bar scrolls its lists, the help, and the modal loop.

#include "selection_fixture.h"
#include "ui/list_box.h"

namespace uiqttest {
namespace {

using SelectionWindow = SelectionFixture;

TEST_F(SelectionWindow, TheArrowsAddInNameOrderAndRemoveAndF1OpensTheHelp) {
    open();
    QTest::keyClick(w<QLineEdit>("Txt_CodAide"), Qt::Key_F1);
    EXPECT_EQ(helpCalls, 1);
    EXPECT_TRUE(person.popups.empty());
    search("M");
    clickRow("Lst_CodPos", 4);  // MORIN
    clickRow("Lst_CodPos", 0);  // MARCHAND CATHERINE
    QTest::mouseClick(w<QPushButton>("Cmd_SelectAides"), Qt::LeftButton);
    EXPECT_EQ(rows("Lst_NomPrenomSel"), (std::vector<std::string>{"MARCHAND CATHERINE", "MORIN JULIE"}));
    clickRow("Lst_CodPos", 2, true);  // a double click adds MATHIEU
    EXPECT_EQ(rows("Lst_CodSel"), (std::vector<std::string>{"05358", "04581", "35488"}));
    clickRow("Lst_NomPrenomSel", 1);
    QTest::mouseClick(w<QPushButton>("Cmd_SuppAides"), Qt::LeftButton);
    EXPECT_EQ(rows("Lst_CodSel"), (std::vector<std::string>{"05358", "35488"}));
    clickRow("Lst_AdresseSel", 0, true);  // a double click removes
    EXPECT_EQ(rows("Lst_CodSel"), std::vector<std::string>{"35488"});
}

TEST_F(SelectionWindow, TheBlocksScrollBarScrollsItsLists) {
    open();
    search("D");
    search("M");  // the searches accumulate: ten aidés for seven rows
    ASSERT_EQ(rows("Lst_CodPos").size(), 10u);
    auto* bar = w<QScrollBar>("Bdv_Pos");
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), 9);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    settle();
    EXPECT_EQ(fenetre->Bdv_Pos->value(), bar->value());
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(fenetre->Lst_CodPos->listIndex(), bar->value());
    EXPECT_EQ(fenetre->Lst_AdressePos->listIndex(), bar->value());
    // The current row is scrolled into view in the three lists alike.
    const int top = w<QListWidget>("Lst_CodPos")->verticalScrollBar()->value();
    EXPECT_GT(top, 0);
    EXPECT_EQ(w<QListWidget>("Lst_NomPrenomPos")->verticalScrollBar()->value(), top);
    EXPECT_EQ(w<QListWidget>("Lst_AdressePos")->verticalScrollBar()->value(), top);
}

// Shown modally through the services: the window waits until Imprimer or Retour.
class ModalSelection : public SelectionFixture {};

TEST_F(ModalSelection, TheWindowWaitsUntilImprimerHandsTheCode) {
    person.modal = [&](QDialog& d) {
        auto* view = d.findChild<QWidget*>("Frm_SelindDnt");
        auto* code = view->findChild<QLineEdit*>("Txt_CodAide");
        QTest::mouseClick(code, Qt::LeftButton);
        QTest::keyClicks(code, "58569");
        auto* list = view->findChild<QListWidget*>("Lst_CodPos");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QTest::mouseClick(view->findChild<QPushButton*>("Cmd_SelectAides"), Qt::LeftButton);
        QTest::mouseClick(view->findChild<QPushButton*>("Cmd_Imprimer"), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        return d.result();
    };
    services.showModal(fenetre->form());
    EXPECT_EQ(person.modalCount, 1);
    EXPECT_FALSE(s.SelectionAnnulee);
    EXPECT_EQ(s.W_AidesSelectionnes.text(), "58569");
    EXPECT_FALSE(fenetre->form().loaded());
}

}  // namespace
}  // namespace uiqttest
