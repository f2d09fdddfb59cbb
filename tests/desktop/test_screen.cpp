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
#include "desktop/run_result.h"

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
// of the other frames), opens the HTML contents, F1 the page of the field in use, in a window that closes with the control.
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
    // F1 opens the page of the field in use: the centre's code has the focus.
    EXPECT_EQ(desktop->help().browser()->source().fileName(), "trimestre.html");

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

// A whole run: OK, the printer dialog and the file (the folder) it asks for, the print
// loop with its progress in the status label, and the host closed at the end; on PDF one
// file, on the archive printer one PDF per aidé and the index in the new folder chosen.
class WholeRun : public ScreenFixture, public ::testing::WithParamInterface<int> {};

TEST_P(WholeRun, OkPrintsToWhatWasChosenAndClosesTheHost) {
    const bool archive = GetParam() == 3;
    open();
    desktop::ProgressLabel progress;
    desktop->setProgressLabel(&progress);
    typeCentre("75");
    person.modal = [index = GetParam()](QDialog& d) {
        dynamic_cast<desktop::PrinterDialog&>(d).setPrinterIndex(index);
        return int(QDialog::Accepted);
    };
    const std::string chosen = tmp.dir() + (archive ? "/archive" : "/declarations.pdf");
    person.saveAnswer = chosen;
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    settle();
    for (const auto& m : person.messages) ADD_FAILURE() << m.text;
    EXPECT_EQ(person.modalCount, 1);
    EXPECT_NE(person.proposedFiles.at(0).find("DNT-"), std::string::npos);
    EXPECT_TRUE(ctl().W_Sortir);
    EXPECT_EQ(hostUnloads, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_GT(progress.total(), 0);
    EXPECT_TRUE(progress.text().startsWith("Impression terminée"));
    const long printed = static_cast<long>(ctl().state().outcome.printedAides.size());
    const std::string written = ".\nLes enregistrements sont écrits (impression 1 de l'historique).";
    if (!archive) {
        EXPECT_TRUE(QFileInfo(desktop::toQ(chosen)).size() > 0);
        EXPECT_EQ(desktop::RunResult::of(ctl().state(), chosen).text(),
                  std::to_string(printed) + " déclarations imprimées dans " + chosen + written);
        return;
    }
    long pdfs = 0, rows = -1;  // the index's header
    for (const auto& e : std::filesystem::directory_iterator(chosen)) pdfs += e.path().extension() == ".pdf";
    std::istringstream index(testsupport::slurp(chosen + "/index.csv"));
    for (std::string row; std::getline(index, row);) ++rows;
    EXPECT_EQ(pdfs, printed);
    EXPECT_EQ(rows, printed);
    EXPECT_EQ(desktop::RunResult::of(ctl().state(), "", chosen).text(),
              std::to_string(printed) + " déclarations imprimées dans le dossier " + chosen + written);
}

INSTANTIATE_TEST_SUITE_P(PdfAndArchive, WholeRun, ::testing::Values(0, 3));

}  // namespace
}  // namespace uiqttest
