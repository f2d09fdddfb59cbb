// The printer choice of the desktop: the printer dialog lists the program's printers,
// gives the copies, and asks for the file of the PDF and matrix printers.
#include <QListWidget>
#include <QSpinBox>

#include <filesystem>

#include "support/database.h"
#include "printing/qt/printers.h"
#include "qt_test_support.h"
#include "screen_fixture.h"
#include "desktop/printer_chooser.h"
#include "desktop/printer_dialog.h"

namespace uiqttest {
namespace {

class PrinterChoice : public ::testing::Test {
protected:
    PrinterChoice() {
        app();
        chooser.proposedName = [] { return std::string("DNT-20132-75"); };
        chooser.setFolder(desktop::toQ(tmp.dir()));
    }
    ScriptedPresenter person;
    testsupport::TempDb tmp;
    desktop::DesktopPrinters printers;
    desktop::PrinterChooser chooser{printers};
};

TEST_F(PrinterChoice, TheDialogListsThePdfMatrixPreviewAndArchivePrintersFirst) {
    std::vector<std::string> seen;
    person.modal = [&](QDialog& d) {
        auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
        for (int i = 0; i < dialog.list().count(); ++i)
            seen.push_back(dialog.list().item(i)->data(Qt::UserRole).toString().toStdString());
        EXPECT_EQ(dialog.copiesBox().minimum(), 1);
        EXPECT_EQ(dialog.copiesBox().maximum(), 99);
        EXPECT_EQ(dialog.copies(), 1);
        EXPECT_EQ(dialog.printerIndex(), 0);
        return int(QDialog::Rejected);
    };
    long copies = 7;
    EXPECT_EQ(chooser.choose(copies), -1);  // cancelled
    std::vector<std::string> expected = printing::qt::printerNames();
    expected.insert(expected.begin() + 2, {"APERCU", "PDF PAR AIDE"});
    EXPECT_EQ(seen, expected);
}

TEST_F(PrinterChoice, PdfAsksForTheFileAndGivesTheCopies) {
    person.modal = [](QDialog& d) {
        auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
        dialog.setPrinterIndex(0);
        dialog.setCopies(3);
        return int(QDialog::Accepted);
    };
    person.saveAnswer = tmp.dir() + "/sortie.pdf";
    long copies = 1;
    EXPECT_EQ(chooser.choose(copies), 0);
    EXPECT_EQ(copies, 3);
    ASSERT_EQ(person.proposedFiles.size(), 1u);
    EXPECT_EQ(person.proposedFiles[0], tmp.dir() + "/DNT-20132-75.pdf");
    EXPECT_EQ(printers.output().string(), tmp.dir() + "/sortie.pdf");
}

// A system queue whose name holds "matric" in any case is a matrix printer too.
class WithMatrixQueue : public desktop::DesktopPrinters {
public:
    std::vector<std::string> printerNames() override { return {"PDF", "MATRICIELLE", "Epson_Matricielle"}; }
};

TEST_F(PrinterChoice, MatrixPrintersWriteATextWhateverTheCaseOfTheirName) {
    WithMatrixQueue queues;
    desktop::PrinterChooser withQueues{queues};
    withQueues.proposedName = chooser.proposedName;
    withQueues.setFolder(desktop::toQ(tmp.dir()));
    for (int index : {1, 2}) {
        person.proposedFiles.clear();
        person.modal = [index](QDialog& d) {
            auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
            EXPECT_TRUE(dialog.list().item(2)->text().contains("matricielle"));
            dialog.setPrinterIndex(index);
            return int(QDialog::Accepted);
        };
        person.saveAnswer = tmp.dir() + "/sortie.txt";
        long copies = 0;
        EXPECT_EQ(withQueues.choose(copies), index);
        EXPECT_EQ(copies, 1);
        EXPECT_EQ(person.proposedFiles.at(0), tmp.dir() + "/DNT-20132-75.txt") << index;
        EXPECT_EQ(queues.output().string(), tmp.dir() + "/sortie.txt");
    }
}

// The archive printer asks for a folder that does not exist yet.
TEST_F(PrinterChoice, OnePdfPerAideAsksForANewFolder) {
    person.modal = [](QDialog& d) {
        auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
        EXPECT_TRUE(dialog.list().item(3)->text().startsWith("Un PDF par aidé"));
        dialog.setPrinterIndex(3);
        return int(QDialog::Accepted);
    };
    std::filesystem::create_directory(tmp.dir() + "/ancien");
    person.saveAnswers = {tmp.dir() + "/ancien", tmp.dir() + "/archive"};
    long copies = 0;
    EXPECT_EQ(chooser.choose(copies), 3);
    EXPECT_EQ(person.proposedFiles.at(0), tmp.dir() + "/DNT-20132-75");
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.messages[0].text, "« " + tmp.dir() + "/ancien » existe déjà : les PDF par aidé vont dans un nouveau dossier.");
    EXPECT_EQ(printers.splitFolder().string(), tmp.dir() + "/archive");
}

TEST_F(PrinterChoice, CancellingTheFileGoesBackToThePrinters) {
    int shown = 0;
    person.modal = [&](QDialog&) { return ++shown == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected); };
    person.saveAnswer = "";
    long copies = 1;
    EXPECT_EQ(chooser.choose(copies), -1);
    EXPECT_EQ(shown, 2);
}

// The file of the PDF printer is never the database or one of its files, however it is
// named: the person is told why and asked again.
class SaveDialog : public ScreenFixture {};

TEST_F(SaveDialog, RefusesTheDatabaseAndItsFilesAndAsksAgain) {
    open();
    std::filesystem::create_directory(tmp.dir() + "/sous");
    std::filesystem::create_symlink(tmp.path(), tmp.dir() + "/lien.pdf");
    person.modal = [](QDialog&) { return int(QDialog::Accepted); };
    person.saveAnswers = {tmp.path(), tmp.dir() + "/sous/../test.db-journal", tmp.dir() + "/lien.pdf",
                          tmp.dir() + "/sortie.pdf"};
    const std::string before = testsupport::slurp(tmp.path());
    long copies = 0;
    EXPECT_EQ(desktop->chooser().choose(copies), 0);
    EXPECT_EQ(desktop->printers().output().string(), tmp.dir() + "/sortie.pdf");
    ASSERT_EQ(person.messages.size(), 3u);
    EXPECT_EQ(person.messages[0].text, "Le fichier « " + tmp.path() + " » est la base des déclarations : choisissez un autre fichier.");
    EXPECT_EQ(person.messages[1].text, "Le fichier « " + tmp.dir() + "/sous/../test.db-journal » est un fichier de la base "
                                       "des déclarations (-journal) : choisissez un autre fichier.");
    EXPECT_TRUE(person.messages[2].text.find("lien.pdf » est la base des déclarations") != std::string::npos);
    for (const Shown& m : person.messages) {
        EXPECT_EQ(m.icon, QMessageBox::Warning);
        EXPECT_EQ(m.title, "Message TALMIRAN");
    }
    EXPECT_EQ(testsupport::slurp(tmp.path()), before);
}

}  // namespace
}  // namespace uiqttest
