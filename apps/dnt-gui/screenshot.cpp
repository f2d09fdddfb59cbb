// Rendering the screens to PNG files.
#include "apps/dnt-gui/screenshot.h"

#include <QApplication>
#include <QPixmap>

#include "dialogs/frm_selind_dnt.h"
#include "ui/driver.h"
#include "desktop/modal_window.h"
#include "desktop/text.h"

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

}  // namespace

bool screenshotMain(HostWindow& host, const std::string& path, std::string& error) {
    host.show();
    return save(host, path, error);
}

bool screenshotDialog(HostWindow& host, const std::string& search, const std::string& path, std::string& error) {
    control::Ctr_ControleEditVardec& ctl = host.desktop().control();
    host.show();
    settle();
    dialogs::Frm_SelindDnt window(ctl.state(), host.desktop().services());
    window.W_CentreUrssaf = ctl.Txt_CtrUrssaf->text();
    window.Init();
    ui::Form& form = window.form();
    form.show(true);
    desktop::ModalWindow shown(form, &host);
    shown.show();
    settle();
    ui::Driver person(form);
    if (!search.empty()) {
        person.typeInto(*window.Txt_NomPrenomAide, search);
        person.click(*window.Cmd_Recherche);
        std::vector<int> rows;
        for (int i = 0; i < window.Lst_CodPos->listCount() && i < 3; ++i) rows.push_back(i);
        if (!rows.empty()) {
            person.markRows(*window.Lst_CodPos, rows);
            person.click(*window.Cmd_SelectAides);
        }
        if (window.Lst_CodPos->listCount() > 3) person.markRows(*window.Lst_CodPos, {3});
    }
    bool ok = save(shown, path, error);
    window.W_SortirSelindDnt = true;  // the window may go
    return ok;
}

}  // namespace gui
