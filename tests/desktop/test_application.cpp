// The application window through a clerk's day on the small sample: a run and its result,
// the screen again with the last choices (the individual selection proposed, kept after
// Retour), a run stopped half-way, a preview then its real print, the history read and
// undone. Driven through the widget models (ui::Driver), and once through the Qt views.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>

#include <sstream>

#include "support/database.h"
#include "dba/dates.h"
#include "dba/jsonl.h"
#include "desktop/application_window.h"
#include "desktop/history_window.h"
#include "desktop/modal_window.h"
#include "desktop/preview_window.h"
#include "desktop/printer_dialog.h"
#include "qt_test_support.h"
#include "ui/driver.h"
#include "ui/list_box.h"

namespace uiqttest {
namespace {

class Application : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        db = testsupport::loadSample(tmp);
        window = std::make_unique<desktop::ApplicationWindow>(db, "paie", dba::DateInterne("15/07/2013"), "", DNT_HELP_DIR);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    control::Ctr_ControleEditVardec& ctl() { return window->screen()->control(); }
    ui::Driver person() { return ui::Driver(ctl().surface()); }
    // Opens the screen, enters the centre and presses OK, as a person does through the models.
    void openAndRun(const char* centre = "75") {
        ASSERT_TRUE(window->openScreen());
        if (centre) {
            person().replaceText(*ctl().Txt_CtrUrssaf, centre);
            person().tab();
        }
        person().click(*ctl().Cmd_OK);
        settle();
    }
    // Answers the printer dialog with printer `index`, `copies` copies.
    static std::function<int(QDialog&)> printer(int index, int copies = 1) {
        return [index, copies](QDialog& d) {
            auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
            dialog.setPrinterIndex(index);
            dialog.setCopies(copies);
            return int(QDialog::Accepted);
        };
    }
    std::string written() {
        std::ostringstream out;
        dba::exportJsonl(*db, out, {"REGULDNT", "DETAILCHGPARTEMP"});
        return out.str();
    }
    std::string result() { return desktop::fromQ(window->resultLabel().text()); }

    ScriptedPresenter people;
    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    std::unique_ptr<desktop::ApplicationWindow> window;
};

TEST_F(Application, ARunItsResultAndTheScreenAgainWithTheLastChoices) {
    // Through the Qt views: the home page's button, the screen's widgets.
    EXPECT_EQ(window->findChild<QLabel*>("association")->text().toStdString(), "ASSOCIATION D'AIDE A DOMICILE E75\nASSOCIATION D'AIDE A DOMICILE E93");
    QTest::mouseClick(window->findChild<QPushButton*>("declarations"), Qt::LeftButton);
    ASSERT_NE(window->screen(), nullptr);
    EXPECT_EQ(window->pages().currentWidget()->objectName(), "screenPage");
    desktop::ControlView& view = window->screen()->view();
    auto* code = view.widget<QLineEdit>("Txt_CtrUrssaf");
    QTest::keyClicks(code, "75");
    QTest::mouseClick(view.widget<QRadioButton>("Opt_Commune"), Qt::LeftButton);
    QTest::keyClick(view.widget<QCheckBox>("Cac_SelecInd"), Qt::Key_Space);
    people.modal = [&](QDialog& d) {
        if (auto* selection = dynamic_cast<desktop::ModalWindow*>(&d)) {
            ui::Driver chooser(selection->view().form());
            for (const char* aide : {"04449", "58569"}) {
                chooser.replaceText(chooser.widget("Txt_CodAide"), "\b");
                chooser.typeInto(chooser.widget("Txt_CodAide"), aide);
                chooser.markRows(dynamic_cast<ui::ListBox&>(chooser.widget("Lst_CodPos")), {0});
                chooser.click(chooser.widget("Cmd_SelectAides"));
            }
            chooser.click(chooser.widget("Cmd_Imprimer"));
            return int(QDialog::Accepted);
        }
        return printer(0, 2)(d);
    };
    people.saveAnswer = tmp.dir() + "/choisis.pdf";
    QTest::keyClick(code, Qt::Key_Return);  // OK is the default button
    settle();
    ASSERT_EQ(window->screen(), nullptr) << "the screen closed; the application stays";
    EXPECT_EQ(window->pages().currentWidget()->objectName(), "home");
    EXPECT_EQ(result(), "2 déclarations imprimées dans " + tmp.dir() +
                            "/choisis.pdf.\nLes enregistrements sont écrits (impression 1 de l'historique).");
    EXPECT_TRUE(window->findChild<QPushButton*>("openDocument")->isEnabled());

    // The run in the history: who, what, where, copies; its aidés once.
    desktop::HistoryWindow history(db, "paie");
    QTableWidget& runs = history.table();
    ASSERT_EQ(runs.rowCount(), 1);
    const std::vector<std::string> cells = {"1", "", "paie", "2ème TRIMESTRE 2013", "75", "2", "2",
                                            "--select 58569,04449 --sort commune --copies 2 --printer PDF",
                                            tmp.dir() + "/choisis.pdf", ""};
    for (int c = 0; c < runs.columnCount(); ++c)
        if (c != 1) {
            EXPECT_EQ(desktop::fromQ(runs.item(0, c)->text()), cells[c]) << c;
        }
    EXPECT_EQ(runs.item(0, 1)->text().size(), 16);  // "06/12/2026 09:12"

    // The screen again: the same quarter, centre, sort and individual selection proposed;
    // Retour closes it and the picked aidés are kept.
    ASSERT_TRUE(window->openScreen());
    EXPECT_EQ(ctl().Txt_CtrUrssaf->text(), "75");
    EXPECT_TRUE(ctl().Opt_Commune->value());
    EXPECT_TRUE(ctl().Cac_SelecInd->checked());
    std::vector<std::string> proposed;
    people.modal = [&](QDialog& d) {
        auto& selection = dynamic_cast<desktop::ModalWindow&>(d);
        ui::Driver chooser(selection.view().form());
        auto& chosen = dynamic_cast<ui::ListBox&>(chooser.widget("Lst_CodSel"));
        for (int i = 0; i < chosen.listCount(); ++i) proposed.push_back(chosen.list(i));
        chooser.click(chooser.widget("Cmd_Retour"));
        return int(QDialog::Accepted);
    };
    person().click(*ctl().Cmd_OK);
    settle();
    EXPECT_EQ(proposed, (std::vector<std::string>{"58569", "04449"}));
    EXPECT_EQ(window->screen(), nullptr);
    EXPECT_EQ(result(), "Aucune impression : l'écran a été quitté avant le choix de l'imprimante.");
    EXPECT_EQ(window->choices().codes, proposed);
}

TEST_F(Application, TheStopButtonStopsTheRunBetweenTwoAides) {
    ASSERT_TRUE(window->openScreen());
    person().replaceText(*ctl().Txt_CtrUrssaf, "75");
    person().tab();
    dnt::SharedState& s = ctl().state();
    auto told = s.Progression;
    s.Progression = [&](long done, long total) {
        told(done, total);
        if (done == 2) QTest::mouseClick(&window->stopButton(), Qt::LeftButton);
    };
    people.modal = printer(0);
    people.saveAnswer = tmp.dir() + "/stop.pdf";
    person().click(*ctl().Cmd_OK);
    settle();
    EXPECT_EQ(result(), "Impression arrêtée après 2 aidés sur 21.\n2 déclarations imprimées dans " + tmp.dir() +
                            "/stop.pdf.\nLes enregistrements sont écrits (impression 1 de l'historique).");
    desktop::HistoryWindow history(db, "paie");
    EXPECT_EQ(history.table().item(0, 5)->text(), "2");
    EXPECT_EQ(history.table().item(0, 9)->text(), "arrêtée après 2 aidés sur 21");
}

TEST_F(Application, APreviewThenItsPrintThenTheHistorysUndo) {
    const std::string before = written();
    people.modal = [&](QDialog& d) {
        if (auto* preview = dynamic_cast<desktop::PreviewWindow*>(&d)) {
            EXPECT_EQ(people.modalCount, 2);
            EXPECT_TRUE(people.proposedFiles.empty()) << "a preview asks for no file";
            EXPECT_EQ(written(), before) << "a preview writes nothing";
            EXPECT_EQ(preview->findChild<QLabel*>("banner")->text(), "Aperçu : rien n'est enregistré");
            EXPECT_EQ(preview->page(), 0);
            QTest::keyClick(preview, Qt::Key_PageDown);
            EXPECT_EQ(preview->page(), 1);
            QTest::keyClick(preview, Qt::Key_End);
            const int last = preview->findChild<QListWidget*>("pages")->count() - 1;
            EXPECT_EQ(preview->page(), last);
            preview->findChild<QSpinBox*>("number")->setValue(2);
            EXPECT_EQ(preview->page(), 1);
            const int width = preview->image().width();
            QTest::mouseClick(preview->findChild<QPushButton*>("fitPage"), Qt::LeftButton);
            EXPECT_LT(preview->image().width(), width);
            QTest::keyClick(preview, Qt::Key_P, Qt::ControlModifier);  // Imprimer…
            return preview->result();
        }
        auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
        if (people.modalCount == 1) return printer(2)(d);  // APERCU
        EXPECT_EQ(dialog.printerIndex(), 0) << "the preview is not proposed again";
        return printer(0)(d);
    };
    people.saveAnswer = tmp.dir() + "/vu.pdf";
    openAndRun();
    // Imprimer… has opened the screen again and pressed its OK: the printer dialog, then
    // the real run.
    EXPECT_EQ(people.modalCount, 3);
    EXPECT_EQ(result(), "21 déclarations imprimées dans " + tmp.dir() +
                            "/vu.pdf.\nLes enregistrements sont écrits (impression 1 de l'historique).");
    const std::string printed = written();
    EXPECT_NE(printed, before);

    desktop::HistoryWindow history(db, "paie");
    history.table().selectRow(0);
    EXPECT_TRUE(history.undoButton().isEnabled());
    people.confirmAnswer = true;
    history.undoChosen();
    EXPECT_EQ(written(), before);
    ASSERT_EQ(history.table().rowCount(), 2);
    EXPECT_EQ(history.table().item(1, 9)->text(), "annulée par 2");
    history.table().selectRow(1);
    EXPECT_FALSE(history.undoButton().isEnabled());
    EXPECT_EQ(history.undoReason(), "L'impression 1 ne peut pas être annulée : elle est déjà annulée (impression 2).");
}

// A refusal in a box of a few lines, whatever the number of records.
TEST(HistoryText, ARefusalNamesTenRecordsThenCountsTheOthers) {
    dba::UndoRefusal r;
    r.kind = dba::UndoRefusal::Changed;
    for (int i = 0; i < 1365; ++i) r.changes.push_back({"REGULDNT", std::to_string(10000 + i)});
    const QString text = desktop::HistoryWindow::refusalText(7, r);
    EXPECT_TRUE(text.startsWith("L'impression 7 ne peut pas être annulée : 1365 enregistrements ont changé depuis.\n"
                                "  REGULDNT 10000\n"));
    EXPECT_TRUE(text.endsWith("  REGULDNT 10009\n  et 1355 autres\nRien n'a été changé."));
    EXPECT_EQ(text.count('\n'), 12);
    EXPECT_EQ(desktop::HistoryWindow::copiesOf("--sort commune --copies 12 --printer PDF"), 12);
    EXPECT_EQ(desktop::HistoryWindow::localTime("2026-12-06 09:12:09"), "06/12/2026 09:12");
}

}  // namespace
}  // namespace uiqttest
