// The selection screen on the desktop: captions in the screen's order, the individual
// selection box, the rights gate on OK, the exit, and the run's messages.
#include <QCheckBox>
#include <QCursor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "screen_fixture.h"

namespace uiqttest {
namespace {

// A click on the box itself (a wide button takes clicks on its box and caption only).
void clickBox(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

using Screen = ScreenFixture;

TEST_F(Screen, CaptionsAndFirstState) {
    open();
    EXPECT_EQ(w<QLabel>("Etq_Trimestre")->text(), "Trimestre concerné");
    EXPECT_EQ(w<QLabel>("Etq_CtrUrssaf")->text(), "Centre URSSAF");
    EXPECT_EQ(w<QGroupBox>("Cdr_Selection")->title(), "Sélection de l'aidé");
    EXPECT_EQ(w<QLabel>("Etq_De")->text(), "de");
    EXPECT_EQ(w<QLabel>("Etq_A")->text(), "à");
    EXPECT_EQ(w<QCheckBox>("Cac_SelecInd")->text(), "Sélection individuelle");
    EXPECT_FALSE(w<QCheckBox>("Cac_SelecInd")->isChecked());
    EXPECT_EQ(w<QGroupBox>("Cdr_Tri")->title(), "Tri");
    EXPECT_TRUE(w<QRadioButton>("Opt_Alpha")->isChecked());
    EXPECT_EQ(w<QRadioButton>("Opt_Resp")->text(), "Responsable");
    EXPECT_EQ(w<QGroupBox>("Cdr_PiedDnt")->title(), "Pied D.N.T.");
    EXPECT_TRUE(w<QCheckBox>("Cac_RegltParAide")->isChecked());
    EXPECT_EQ(w<QCheckBox>("Cac_PrelevCpteAide")->text(), "Prélèvement sur le compte bancaire de l'aidé");
    EXPECT_EQ(w<QLabel>("Etq_DateRetour")->text(), "Date de retour");
    EXPECT_EQ(w<QPushButton>("Cmd_OK")->text(), "OK");
    EXPECT_EQ(w<QPushButton>("Cmd_Sortir")->text(), "Sortir");
    auto* quarter = w<QComboBox>("Cbo_Trimestre");
    EXPECT_EQ(quarter->count(), 9);
    EXPECT_EQ(quarter->currentIndex(), 0);
    EXPECT_EQ(ui::qt::fromQ(quarter->currentText()), ctl().Cbo_Trimestre->list(0));
    EXPECT_EQ(ui::qt::fromQ(w<QLineEdit>("Txt_DateRetour")->text()), ctl().Txt_DateRetour->text());
    // Top to bottom as the screen reads.
    EXPECT_LT(w<QLabel>("Etq_Trimestre")->mapTo(window.get(), QPoint()).y(),
              w<QLabel>("Etq_CtrUrssaf")->mapTo(window.get(), QPoint()).y());
    EXPECT_LT(w<QGroupBox>("Cdr_Selection")->mapTo(window.get(), QPoint()).y(),
              w<QCheckBox>("Cac_SelecInd")->mapTo(window.get(), QPoint()).y());
    EXPECT_LT(w<QCheckBox>("Cac_SelecInd")->mapTo(window.get(), QPoint()).y(),
              w<QGroupBox>("Cdr_Tri")->mapTo(window.get(), QPoint()).y());
}

TEST_F(Screen, IndividualSelectionDisablesTheNameRange) {
    open();
    auto* from = w<QLineEdit>("Txt_De");
    QTest::mouseClick(from, Qt::LeftButton);
    QTest::keyClicks(from, "DU");
    EXPECT_EQ(ctl().Txt_De->text(), "DU");
    auto* individual = w<QCheckBox>("Cac_SelecInd");
    clickBox(individual);
    EXPECT_TRUE(individual->isChecked());
    EXPECT_TRUE(ctl().Cac_SelecInd->checked());
    EXPECT_FALSE(w<QGroupBox>("Cdr_Selection")->isEnabled());
    EXPECT_FALSE(from->isEnabled());
    EXPECT_EQ(from->text(), "");
    clickBox(individual);
    EXPECT_FALSE(individual->isChecked());
    EXPECT_TRUE(w<QGroupBox>("Cdr_Selection")->isEnabled());
    EXPECT_TRUE(from->isEnabled());
}

TEST_F(Screen, SpaceOnTheFocusedBoxClicksIt) {
    open();
    auto* individual = w<QCheckBox>("Cac_SelecInd");
    clickBox(individual);
    ASSERT_TRUE(individual->isChecked());
    QTest::keyClick(individual, Qt::Key_Space);
    EXPECT_FALSE(individual->isChecked());
    EXPECT_FALSE(ctl().Cac_SelecInd->checked());
}

TEST_F(Screen, SortOptionsStayExclusive) {
    open();
    clickBox(w<QRadioButton>("Opt_Sect"));
    EXPECT_TRUE(ctl().Opt_Sect->value());
    EXPECT_FALSE(ctl().Opt_Alpha->value());
    EXPECT_TRUE(w<QRadioButton>("Opt_Sect")->isChecked());
    EXPECT_FALSE(w<QRadioButton>("Opt_Alpha")->isChecked());
    QTest::keyClick(w<QRadioButton>("Opt_Sect"), Qt::Key_Down);
    EXPECT_TRUE(w<QRadioButton>("Opt_Resp")->isChecked());
    EXPECT_FALSE(w<QRadioButton>("Opt_Sect")->isChecked());
}

TEST_F(Screen, OkIsHiddenWithoutFullRights) {
    open("lecteur");
    EXPECT_TRUE(w<QPushButton>("Cmd_OK")->isHidden());
    EXPECT_FALSE(w<QPushButton>("Cmd_Sortir")->isHidden());
}

TEST_F(Screen, OkIsShownWithFullRights) {
    open("*");
    EXPECT_FALSE(w<QPushButton>("Cmd_OK")->isHidden());
}

TEST_F(Screen, SortirClosesTheHostOnceItsHandlerHasReturned) {
    open();
    QTest::mouseClick(w<QPushButton>("Cmd_Sortir"), Qt::LeftButton);
    EXPECT_TRUE(ctl().W_Sortir);
    EXPECT_EQ(hostUnloads, 0);
    settle();
    EXPECT_EQ(hostUnloads, 1);
}

TEST_F(Screen, IncoherentRangeIsAWarning) {
    open();
    typeCentre("75");
    QTest::mouseClick(w<QLineEdit>("Txt_De"), Qt::LeftButton);
    QTest::keyClicks(w<QLineEdit>("Txt_De"), "MARTIN");
    QTest::mouseClick(w<QLineEdit>("Txt_A"), Qt::LeftButton);
    QTest::keyClicks(w<QLineEdit>("Txt_A"), "BERNARD");
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.messages[0].text, "Incohérence dans la sélection de l'aidé.");
    EXPECT_EQ(person.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(person.messages[0].title, "Message TALMIRAN");
    EXPECT_EQ(hostUnloads, 0);
}

TEST_F(Screen, EmptySelectionIsAnInformation) {
    open();
    typeCentre("75");
    QTest::mouseClick(w<QLineEdit>("Txt_De"), Qt::LeftButton);
    QTest::keyClicks(w<QLineEdit>("Txt_De"), "ZZZ");
    QTest::mouseClick(w<QLineEdit>("Txt_A"), Qt::LeftButton);
    QTest::keyClicks(w<QLineEdit>("Txt_A"), "ZZZZ");
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.messages[0].text, "Aucune sélection correspondant aux critères demandés.");
    EXPECT_EQ(person.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(person.messages[0].title, "Message TALMIRAN");
    // The screen is given back for another try.
    EXPECT_TRUE(view().isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Screen, TheHourglassAndTheDisabledScreenFollowTheControl) {
    open();
    desktop->services().setMousePointer(ui::MousePointer::Hourglass);
    desktop->services().setControlEnabled(false);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(view().isEnabled());
    desktop->services().setMousePointer(ui::MousePointer::Default);
    desktop->services().setControlEnabled(true);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(view().isEnabled());
    settle();
    EXPECT_TRUE(w<QLineEdit>("Txt_CtrUrssaf")->hasFocus());  // the focus is given back
}

}  // namespace
}  // namespace uiqttest
