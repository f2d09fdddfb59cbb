// The two blocks of three lists: adding the marked possible aidés in name order,
// removing the marked selected ones, and keeping each block's lists and scroll bar in step.
#include "common/procs.h"
#include "dialogs/frm_selind_dnt.h"

namespace dialogs {

void Frm_SelindDnt::ClearListesPos() {
    Lst_CodPos->clear();
    Lst_NomPrenomPos->clear();
    Lst_AdressePos->clear();
}

void Frm_SelindDnt::Cmd_SelectAides_Click() { AjouterSelectAidesList(*Lst_CodPos, *Lst_CodSel); }

void Frm_SelindDnt::Cmd_SuppAides_Click() { SupprimerSelectAidesList(*Lst_CodSel); }

void Frm_SelindDnt::AjouterSelectAidesList(ui::ListBox& ListPos, ui::ListBox& ListSelect) {
    for (int i = 0; i < ListPos.listCount(); ++i) {
        if (ListPos.selected(i) && !dnt::ListeContient(ListPos.list(i), ListSelect)) {
            std::string nom = Lst_NomPrenomPos->list(i);
            int p = RecherchePlaceAjout(nom);
            ListSelect.addItem(ListPos.list(i), p);
            Lst_NomPrenomSel->addItem(nom, p);
            Lst_AdresseSel->addItem(Lst_AdressePos->list(i), p);
        }
        // Unmarking raises the list's click, which unmarks the entry in the two others.
        ListPos.setSelected(i, false);
    }
    if (ListSelect.listCount() > 0) Cmd_Imprimer->setEnabled(true);
    dnt::AjusterDefilement(*Bdv_Sel, ListSelect, kLignesSel);
}

void Frm_SelindDnt::SupprimerSelectAidesList(ui::ListBox& ListSelect) {
    for (int i = ListSelect.listCount() - 1; i >= 0; --i) {
        if (!ListSelect.selected(i)) continue;
        ListSelect.removeItem(i);
        Lst_NomPrenomSel->removeItem(i);
        Lst_AdresseSel->removeItem(i);
    }
    if (ListSelect.listCount() == 0) Cmd_Imprimer->setEnabled(false);
    dnt::AjusterDefilement(*Bdv_Sel, ListSelect, kLignesSel);
}

// The first selected name that sorts after the text, by character codes; an equal name
// stays before the new one.
int Frm_SelindDnt::RecherchePlaceAjout(const std::string& Texte) const {
    for (int i = 0; i < Lst_NomPrenomSel->listCount(); ++i) {
        if (Lst_NomPrenomSel->list(i).compare(Texte) > 0) return i;
    }
    return Lst_NomPrenomSel->listCount();
}

// Passes the marks and the current row of the clicked list on to the next list of its
// block; the click this raises there passes them on again, round the block. The row is
// taken before the marks move, since their clicks come back round to this list.
void Frm_SelindDnt::RenvoieClick(ui::ListBox& ListClick, ui::ListBox& ListDest) {
    int courante = ListClick.listIndex();
    for (int i = 0; i < ListClick.listCount() && i < ListDest.listCount(); ++i)
        ListDest.setSelected(i, ListClick.selected(i));
    if (courante < ListDest.listCount()) ListDest.setListIndex(courante);
}

void Frm_SelindDnt::Bdv_Pos_Change() {
    if (Bdv_Pos->value() < Lst_CodPos->listCount()) Lst_CodPos->setListIndex(Bdv_Pos->value());
}

void Frm_SelindDnt::Bdv_Sel_Change() {
    if (Bdv_Sel->value() < Lst_CodSel->listCount()) Lst_CodSel->setListIndex(Bdv_Sel->value());
}

}  // namespace dialogs
