// Leaving the selection window: "Imprimer" hands over the selected codes, "Retour"
// abandons the run, and any other close is refused; also the help pop-up menu.
#include "dialogs/frm_selind_dnt.h"
#include "ui/keys.h"

namespace dialogs {

bool Frm_SelindDnt::VerifZones() {
    if (Lst_CodSel->listCount() == 0) {
        // The window is given back before the message, so that the focus can move.
        disponible();
        message("Vous devez sélectionner au moins un aidant.");
        Lst_CodPos->trySetFocus();
        return false;
    }
    return true;
}

void Frm_SelindDnt::Cmd_Imprimer_Click() {
    occupe();
    if (!VerifZones()) return;
    s.W_AidesSelectionnes.clear();
    for (int i = 0; i < Lst_CodSel->listCount(); ++i) s.W_AidesSelectionnes.setElement(i + 1, Lst_CodSel->list(i));
    disponible();
    W_SortirSelindDnt = true;
    form_.unload();
}

void Frm_SelindDnt::Cmd_Retour_Click() {
    W_SortirSelindDnt = true;
    s.SelectionAnnulee = true;
    form_.unload();
}

// Only "Imprimer" and "Retour" may close the window; the title bar's close does nothing.
void Frm_SelindDnt::Form_Unload(int& cancel) {
    if (!W_SortirSelindDnt) cancel = 1;
}

void Frm_SelindDnt::Form_MouseDown(int button, float x, float y) {
    if (button != ui::kRightButton) return;
    Mnu_Aide->setEnabled(true);
    Mnu_Sommaire->setEnabled(true);
    form_.popupMenu(*Mnu_Aide, x, y);
}

void Frm_SelindDnt::Mnu_Sommaire_Click() {
    if (help_) help_();
}

}  // namespace dialogs
