// A whole run from the desktop: OK, the printer dialog (PDF, a file), the print loop
// with its progress in the status label, and the host closed at the end.
#include <QFileInfo>
#include <QPushButton>

#include "screen_fixture.h"
#include "ui/qt/printer_dialog.h"

namespace uiqttest {
namespace {

using DesktopRun = ScreenFixture;

TEST_F(DesktopRun, OkPrintsToThePdfChosenAndClosesTheHost) {
    open();
    ui::qt::ProgressLabel progress;
    desktop->setProgressLabel(&progress);
    typeCentre("75");
    person.modal = [](QDialog& d) {
        dynamic_cast<ui::qt::PrinterDialog&>(d).setPrinterIndex(0);
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
    EXPECT_TRUE(QFileInfo(ui::qt::toQ(pdf)).size() > 0);
    EXPECT_GT(progress.total(), 0);
    EXPECT_TRUE(progress.text().startsWith("Impression terminée"));
    EXPECT_EQ(desktop->runSummary(),
              QString("%1 déclarations imprimées dans %2").arg(progress.total()).arg(ui::qt::toQ(pdf)));
}

}  // namespace
}  // namespace uiqttest
