// Look before writing, from the desktop: a run on the preview printer shows its pages with
// the banner and writes nothing; the screen is there again with the same choices; a real
// run follows, lists itself in the history window, and is undone from there.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <sstream>

#include "screen_fixture.h"
#include "desktop/history_window.h"
#include "desktop/preview_printer.h"
#include "desktop/preview_window.h"
#include "desktop/printer_dialog.h"

namespace uiqttest {
namespace {

using PreviewAndHistory = ScreenFixture;

std::string written(dba::Database& db) {
    std::ostringstream out;
    dba::exportJsonl(db, out, {"REGULDNT", "DETAILCHGPARTEMP"});
    return out.str();
}

TEST_F(PreviewAndHistory, PreviewThenPrintThenUndo) {
    open();
    typeCentre("75");
    QTest::mouseClick(w<QRadioButton>("Opt_Commune"), Qt::LeftButton);
    const std::string before = written(*db);
    const std::vector<std::string> names = desktop->printers().printerNames();
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[2], desktop::kPreviewPrinterName);

    person.modal = [](QDialog& d) {
        auto& dialog = dynamic_cast<desktop::PrinterDialog&>(d);
        dialog.setPrinterIndex(2);
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    settle();
    EXPECT_EQ(hostUnloads, 1);
    EXPECT_TRUE(person.proposedFiles.empty()) << "a preview asks for no file";
    EXPECT_EQ(written(*db), before) << "a preview writes nothing";
    ASSERT_NE(desktop->previewPages(), nullptr);
    EXPECT_GT(desktop->previewPages()->pageCount(), 1);
    EXPECT_TRUE(desktop->runSummary().isEmpty());

    int shownPages = 0;
    person.modal = [&](QDialog& d) {
        auto& preview = dynamic_cast<desktop::PreviewWindow&>(d);
        EXPECT_EQ(preview.findChild<QLabel*>("banner")->text(), QString("Aperçu : rien n'est enregistré"));
        EXPECT_EQ(preview.page(), 0);
        QTest::mouseClick(preview.findChild<QPushButton*>("next"), Qt::LeftButton);
        EXPECT_EQ(preview.page(), 1);
        const int width = preview.image().width();
        QTest::mouseClick(preview.findChild<QPushButton*>("larger"), Qt::LeftButton);
        EXPECT_GT(preview.image().width(), width);
        // Something is painted on the page: not all of it is white paper.
        const QImage& page = preview.image();
        bool ink = false;
        for (int y = 0; y < page.height() && !ink; y += 3)
            for (int x = 0; x < page.width() && !ink; x += 3) ink = page.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(ink);
        shownPages = desktop->previewPages()->pageCount();
        return int(QDialog::Accepted);
    };
    EXPECT_TRUE(desktop->showPreview(window.get()));
    EXPECT_GT(shownPages, 1);

    // The same choices are on the screen; a real run follows.
    EXPECT_TRUE(w<QPushButton>("Cmd_OK")->isVisible());
    EXPECT_TRUE(ctl().Opt_Commune->value());
    EXPECT_EQ(ctl().Txt_CtrUrssaf->text(), "75");
    person.modal = [](QDialog& d) {
        dynamic_cast<desktop::PrinterDialog&>(d).setPrinterIndex(0);
        return int(QDialog::Accepted);
    };
    person.saveAnswer = tmp.dir() + "/declarations.pdf";
    QTest::mouseClick(w<QPushButton>("Cmd_OK"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(desktop->showPreview(window.get()));
    const std::string printed = written(*db);
    EXPECT_NE(printed, before);

    desktop::HistoryWindow history(db, "paie");
    ASSERT_EQ(history.table().rowCount(), 1);
    EXPECT_EQ(history.table().item(0, 0)->text(), "1");
    EXPECT_EQ(history.table().item(0, 4)->text(), "75");
    history.table().selectRow(0);
    person.confirmAnswer = false;
    history.undoChosen();
    EXPECT_EQ(written(*db), printed) << "not confirmed: nothing undone";
    person.confirmAnswer = true;
    history.undoChosen();
    EXPECT_EQ(written(*db), before);
    ASSERT_EQ(history.table().rowCount(), 2);
    EXPECT_EQ(history.table().item(1, 6)->text(), "annulée par 2");
    history.table().selectRow(1);
    history.undoChosen();
    ASSERT_FALSE(person.messages.empty());
    EXPECT_NE(person.messages.back().text.find("déjà annulée"), std::string::npos) << person.messages.back().text;
}

}  // namespace
}  // namespace uiqttest
