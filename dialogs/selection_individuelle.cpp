// The individual selection window run for the control: modally, or played in place of a person.
#include "dialogs/selection_individuelle.h"

#include <stdexcept>

#include "common/procs.h"

namespace dialogs {

namespace {

bool codeValable(const std::string& code) {
    return !code.empty() && code.size() <= 5 && code.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

void selectionIndividuelle(dnt::SharedState& s, ui::Services& services, const std::string& centre,
                           std::function<void()> help) {
    Frm_SelindDnt fenetre(s, services, std::move(help));
    fenetre.W_CentreUrssaf = centre;
    fenetre.Init();
    services.showModal(fenetre.form());
}

void selectionParScript(dnt::SharedState& s, ui::Services& services, const std::string& centre,
                        const ScriptSelection& script) {
    Frm_SelindDnt fenetre(s, services);
    fenetre.W_CentreUrssaf = centre;
    fenetre.Init();
    ui::Form& form = fenetre.form();
    form.show(true);
    ui::Driver driver(form);
    if (script) script(fenetre, driver);
    if (form.loaded() && form.visible())
        throw std::logic_error("the individual selection window was left open");
}

bool choisirCode(Frm_SelindDnt& f, ui::Driver& d, const std::string& code) {
    // A name left in its box would take the first digit typed with it.
    if (!f.Txt_NomPrenomAide->text().empty()) d.replaceText(*f.Txt_NomPrenomAide, "\b");
    if (!f.Txt_CodAide->text().empty()) d.replaceText(*f.Txt_CodAide, "\b");
    // Enter completes a short code; after a whole code it would look up "00000" once the
    // window has emptied the box of a refused code.
    d.typeInto(*f.Txt_CodAide, code.size() < 5 ? code + "\n" : code);
    const std::string tape = f.Txt_CodAide->text();
    if (tape.empty() || f.Lst_CodPos->listCount() != 1 || f.Lst_CodPos->list(0) != tape) return false;
    d.markRows(*f.Lst_CodPos, {0});
    d.click(*f.Cmd_SelectAides);
    return dnt::ListeContient(tape, *f.Lst_CodSel);
}

void selectionParCodes(dnt::SharedState& s, ui::Services& services, const std::string& centre,
                       const std::vector<std::string>& codes) {
    selectionParScript(s, services, centre, [&](Frm_SelindDnt& f, ui::Driver& d) {
        for (const std::string& code : codes) {
            // The command line refuses such a code before the run; here it is never typed.
            if (codeValable(code)) choisirCode(f, d, code);
        }
        d.click(f.Lst_CodSel->listCount() > 0 ? *f.Cmd_Imprimer : *f.Cmd_Retour);
    });
}

}  // namespace dialogs
