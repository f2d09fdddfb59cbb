// The screen's event handlers: the centre entry and list, and the individual selection box.
#include "control/ctr_controle.h"
#include "numbers/utf8.h"
#include "dba/errors.h"
#include "dba/expression.h"

namespace control {

namespace {
std::string padTwo(const std::string& text) { return text.size() < 2 ? std::string(2 - text.size(), '0') + text : text; }
}  // namespace

void Ctr_ControleEditVardec::Txt_CtrUrssaf_KeyPress(int& keyAscii) {
    if (keyAscii == 8) return;  // backspace passes
    if (keyAscii == 13) Txt_CtrUrssaf->setText(padTwo(Txt_CtrUrssaf->text()));
    if (keyAscii < '0' || keyAscii > '9') keyAscii = 0;
}

void Ctr_ControleEditVardec::Txt_CtrUrssaf_LostFocus() {
    const std::string& t = Txt_CtrUrssaf->text();
    if (!t.empty() && t.size() < 2) Txt_CtrUrssaf->setText(padTwo(t));
}

void Ctr_ControleEditVardec::Txt_CtrUrssaf_Change() {
    const std::string code = Txt_CtrUrssaf->text();
    s.TexteCtrUrssaf = code;
    if (code.size() != 2) {
        Cbo_CtrUrssaf->setText("");
        Cmd_OK->setEnabled(false);
        return;
    }
    // The read runs trapped: a centre that cannot be read is reported as unknown.
    bool trouve = true;
    try {
        s.RecCentre = s.fichier("CENTREURSSAF").DBRead(code);
    } catch (const dnt::Error&) {
        trouve = false;
    }
    if (!trouve) {
        message("Ce centre Urssaf n'existe pas.", ui::MsgIcon::Warning);
        Txt_CtrUrssaf->setText("");
        Txt_CtrUrssaf->trySetFocus();
        return;
    }
    occupe();
    Cbo_CtrUrssaf->setText(s.RecCentre.element(1));
    Cmd_OK->setEnabled(true);
    s.W_CodeEntite = dnt::utf8::substring(s.RecCentre.element(25), 1, 3);
    s.DoEvents();
    disponible();
}

void Ctr_ControleEditVardec::Cbo_CtrUrssaf_Click() {
    int i = Cbo_CtrUrssaf->listIndex();
    if (i < 0) return;
    Txt_CtrUrssaf->setText(ResultatCentres.element(i + 1, 1));
}

void Ctr_ControleEditVardec::Cbo_CtrUrssaf_Change() {
    if (Cbo_CtrUrssaf->text().empty()) Txt_CtrUrssaf->setText("");
}

void Ctr_ControleEditVardec::Cac_SelecInd_Click() {
    if (Cac_SelecInd->checked()) {
        Txt_De->setText("");
        Txt_A->setText("");
        Cdr_Selection->setEnabled(false);
    } else {
        Cdr_Selection->setEnabled(true);
    }
}

}  // namespace control
