// Rendering the windows to PNG files.
#include "apps/dnt-gui/screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QTableWidget>

#include "desktop/guarded.h"
#include "desktop/history_window.h"
#include "desktop/modal_window.h"
#include "desktop/presenter.h"
#include "desktop/preview_printer.h"
#include "desktop/preview_window.h"
#include "desktop/printer_dialog.h"
#include "desktop/text.h"
#include "dialogs/frm_selind_dnt.h"
#include "ui/driver.h"

namespace gui {

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool save(QWidget& widget, const std::string& path, std::string& error) {
    settle();
    QPixmap picture = widget.grab();
    if (picture.isNull() || !picture.save(desktop::toQ(path), "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool selectionWindow(desktop::ApplicationWindow& window, const std::string& search, const std::string& path,
                     std::string& error) {
    control::Ctr_ControleEditVardec& ctl = window.screen()->control();
    dialogs::Frm_SelindDnt selection(ctl.state(), window.screen()->services());
    selection.W_CentreUrssaf = ctl.Txt_CtrUrssaf->text();
    selection.Init();
    ui::Form& form = selection.form();
    form.show(true);
    desktop::ModalWindow shown(form, &window);
    shown.show();
    settle();
    ui::Driver person(form);
    if (!search.empty()) {
        person.typeInto(*selection.Txt_NomPrenomAide, search);
        person.click(*selection.Cmd_Recherche);
        std::vector<int> rows;
        for (int i = 0; i < selection.Lst_CodPos->listCount() && i < 3; ++i) rows.push_back(i);
        if (!rows.empty()) {
            person.markRows(*selection.Lst_CodPos, rows);
            person.click(*selection.Cmd_SelectAides);
        }
        if (selection.Lst_CodPos->listCount() > 3) person.markRows(*selection.Lst_CodPos, {3});
    }
    bool ok = save(shown, path, error);
    selection.W_SortirSelindDnt = true;  // the window may go
    return ok;
}

// The centre previewed: APERCU chosen in the printer dialog, the preview's second page taken.
bool preview(desktop::ApplicationWindow& window, const std::string& path, std::string& error) {
    bool ok = false, shown = false;
    desktop::presenter().exec = [&](QDialog& dialog) {
        if (auto* printers = dynamic_cast<desktop::PrinterDialog*>(&dialog)) {
            const auto names = window.screen()->printers().printerNames();
            for (size_t i = 0; i < names.size(); ++i)
                if (names[i] == desktop::kPreviewPrinterName) printers->setPrinterIndex(static_cast<int>(i));
            return int(QDialog::Accepted);
        }
        if (auto* pages = dynamic_cast<desktop::PreviewWindow*>(&dialog)) {
            shown = true;
            pages->show();
            settle();
            pages->showPage(1);
            ok = save(*pages, path, error);
        }
        return int(QDialog::Accepted);
    };
    desktop::guarded([&] { ui::Driver(window.screen()->control().surface()).click(*window.screen()->control().Cmd_OK); });
    settle();
    if (!shown && error.empty()) error = "the preview was not shown";
    return ok;
}

}  // namespace

void openWithCentre(desktop::ApplicationWindow& window, const std::string& centre) {
    if (!window.openScreen()) return;
    control::Ctr_ControleEditVardec& ctl = window.screen()->control();
    if (!ctl.Txt_CtrUrssaf->enabled()) return;
    desktop::guarded([&] {
        ui::Driver person(ctl.surface());
        person.replaceText(*ctl.Txt_CtrUrssaf, centre);
        person.tab();
    });
}

bool screenshot(desktop::ApplicationWindow& window, const Options& o, std::string& error) {
    window.show();
    settle();
    if (o.picture == "application") return save(window, o.screenshot, error);
    if (o.picture == "history") {
        desktop::HistoryWindow history(window.database(), window.user(), &window);
        history.show();
        if (history.table().rowCount() > 0) history.table().selectRow(0);
        return save(history, o.screenshot, error);
    }
    openWithCentre(window, o.centre);
    if (!window.screen()) {
        error = "the selection screen could not be opened";
        return false;
    }
    if (o.picture == "selection") return selectionWindow(window, o.search, o.screenshot, error);
    if (o.picture == "preview") return preview(window, o.screenshot, error);
    return save(window, o.screenshot, error);
}

}  // namespace gui
