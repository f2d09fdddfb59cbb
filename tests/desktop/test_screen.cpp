// The selection screen on the desktop: the warning box, a refused paste, the individual
// selection box, the exit after its handler, the hourglass, the help, and a whole run.
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QFileInfo>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

#include <filesystem>
#include <sstream>

#include "screen_fixture.h"
#include "desktop/printer_dialog.h"

namespace uiqttest {
namespace {

// A click on the box itself (a wide button takes clicks on its box and caption only).
void clickBox(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

using Screen = ScreenFixture;

TEST_F(Screen, UnknownCentreIsAWarningBoxWithTheControlsTitleAndAPasteIsRefused) {
    open();
    auto* code = w<QLineEdit>("Txt_CtrUrssaf");
    QTest::keyClicks(code, "99");
    settle();
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.messages[0].text, "Ce centre Urssaf n'existe pas.");
    EXPECT_EQ(person.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(person.messages[0].title, "Message TALMIRAN");
    EXPECT_EQ(code->text(), "");
    EXPECT_TRUE(code->hasFocus());
    EXPECT_FALSE(w<QPushButton>("Cmd_OK")->isEnabled());
    // Pasting is refused like any key that is not a digit.
    QApplication::clipboard()->setText("75");
    QTest::keyClick(code, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(code->text(), "");
}

TEST_F(Screen, ClickOrSpaceOnTheIndividualBoxReachesTheControlAndShowsTheRangeDisabled) {
    open();
    auto* individual = w<QCheckBox>("Cac_SelecInd");
    clickBox(individual);
    EXPECT_TRUE(individual->isChecked());
    EXPECT_TRUE(ctl().Cac_SelecInd->checked());
    EXPECT_FALSE(w<QGroupBox>("Cdr_Selection")->isEnabled());
    EXPECT_FALSE(w<QLineEdit>("Txt_De")->isEnabled());
    QTest::keyClick(individual, Qt::Key_Space);  // the focused box is clicked
    EXPECT_FALSE(individual->isChecked());
    EXPECT_FALSE(ctl().Cac_SelecInd->checked());
    EXPECT_TRUE(w<QLineEdit>("Txt_De")->isEnabled());
}

TEST_F(Screen, SortirClosesTheHostOnceItsHandlerHasReturned) {
    open();
    QTest::mouseClick(w<QPushButton>("Cmd_Sortir"), Qt::LeftButton);
    EXPECT_TRUE(ctl().W_Sortir);
    EXPECT_EQ(hostUnloads, 0);
    settle();
    EXPECT_EQ(hostUnloads, 1);
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

// The right-button menu "Aide_TALMIRAN" of the background and of the name range frame (not
// of the other frames), or F1, opens the HTML contents in a window that closes with the control.
TEST_F(Screen, HelpFromTheMenuOrF1OpensTheContentsWhichCloseWithTheControl) {
    open();
    QTest::mouseClick(w<QGroupBox>("Cdr_Selection"), Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_EQ(person.popups.size(), 1u);
    QTest::mouseClick(w<QGroupBox>("Cdr_Tri"), Qt::RightButton, {}, QPoint(4, 4));
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(person.popups.size(), 1u);
    EXPECT_EQ(desktop->help().window(), nullptr);  // dismissed: nothing chosen

    QTest::keyClick(w<QGroupBox>("Cdr_Tri"), Qt::Key_F1);
    EXPECT_EQ(person.popups.size(), 1u);
    ASSERT_NE(desktop->help().window(), nullptr);
    EXPECT_TRUE(desktop->help().browser()->source().toLocalFile().endsWith("ControleEditDntVardec.html"));

    person.menuAnswer = "Aide_TALMIRAN";
    QTest::mouseClick(&view(), Qt::RightButton, {}, QPoint(3, 3));
    ASSERT_EQ(person.popups.size(), 2u);
    EXPECT_EQ(person.popups[1], std::vector<std::string>{"Aide_TALMIRAN"});
    ASSERT_NE(desktop->help().window(), nullptr);
    EXPECT_TRUE(desktop->help().window()->isVisible());
    EXPECT_TRUE(desktop->help().browser()->source().toLocalFile().endsWith("ControleEditDntVardec.html"));
    EXPECT_FALSE(desktop->help().browser()->toPlainText().isEmpty());
    const QString html = desktop->help().browser()->toHtml();
    for (const char* page : {"trimestre.html", "selection-individuelle.html", "impression.html", "ligne-de-commande.html"})
        EXPECT_TRUE(html.contains(page)) << page;
    QPointer<QWidget> helpWindow = desktop->help().window();
    window.reset();
    desktop.reset();  // the control goes: its help closes
    EXPECT_TRUE(helpWindow.isNull());
}

// A whole run: OK, the printer dialog (PDF, a file), the print loop with its progress in
// the status label, and the host closed at the end.
TEST_F(Screen, OkPrintsToThePdfChosenAndClosesTheHost) {
    open();
    desktop::ProgressLabel progress;
    desktop->setProgressLabel(&progress);
    typeCentre("75");
    person.modal = [](QDialog& d) {
        dynamic_cast<desktop::PrinterDialog&>(d).setPrinterIndex(0);
        return int(QDialog::Accepted);
    };
    const std::string pdf = tmp.dir() + "/declarations.pdf";
    person.saveAnswer = pdf;
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    settle();
    for (const auto& m : person.messages) ADD_FAILURE() << m.text;
    EXPECT_EQ(person.modalCount, 1);
    EXPECT_NE(person.proposedFiles.at(0).find("DNT-"), std::string::npos);
    EXPECT_TRUE(ctl().W_Sortir);
    EXPECT_EQ(hostUnloads, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(QFileInfo(desktop::toQ(pdf)).size() > 0);
    EXPECT_GT(progress.total(), 0);
    EXPECT_TRUE(progress.text().startsWith("Impression terminée"));
    EXPECT_EQ(desktop->runSummary(),
              QString("%1 déclarations imprimées dans %2").arg(progress.total()).arg(desktop::toQ(pdf)));
}

// The archive printer: one PDF per aidé and the index in the new folder chosen, nothing else.
TEST_F(Screen, OkWritesOnePdfPerAideToTheNewFolderChosen) {
    open();
    typeCentre("75");
    person.modal = [](QDialog& d) {
        dynamic_cast<desktop::PrinterDialog&>(d).setPrinterIndex(3);
        return int(QDialog::Accepted);
    };
    const std::string folder = tmp.dir() + "/archive";
    person.saveAnswer = folder;
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    settle();
    for (const auto& m : person.messages) ADD_FAILURE() << m.text;
    const long printed = static_cast<long>(ctl().state().Bilan.aidesImprimes.size());
    EXPECT_GT(printed, 0);
    long pdfs = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) pdfs += e.path().extension() == ".pdf";
    EXPECT_EQ(pdfs, printed);
    std::istringstream index(testsupport::slurp(folder + "/index.csv"));
    long rows = -1;  // the header
    for (std::string row; std::getline(index, row);) ++rows;
    EXPECT_EQ(rows, printed);
    EXPECT_EQ(desktop->runSummary(), QString("%1 déclarations imprimées dans le dossier %2").arg(printed).arg(desktop::toQ(folder)));
}

}  // namespace
}  // namespace uiqttest
