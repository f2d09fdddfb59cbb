// The name search: the name box, the sentence on CIVILAIDE for the run's centre, and the
// candidates it adds to the possible block.
#include <string>

#include "common/procs.h"
#include "dba/errors.h"
#include "dba/sentence.h"
#include "dialogs/adresse_aide.h"
#include "dialogs/frm_selind_dnt.h"
#include "selection/majuscules.h"
#include "ui/keys.h"

namespace dialogs {

void Frm_SelindDnt::Txt_NomPrenomAide_Change() {
    const std::string& nom = Txt_NomPrenomAide->text();
    if (nom.find_first_not_of(' ') == std::string::npos) {
        // Emptying the code runs its change handling, which clears the possible block.
        if (Txt_CodAide->text().empty()) {
            Txt_CodAide_Change();
        } else {
            Txt_CodAide->setText("");
        }
        Cmd_Recherche->setEnabled(false);
    } else {
        Cmd_Recherche->setEnabled(true);
    }
}

void Frm_SelindDnt::Txt_NomPrenomAide_KeyPress(int& keyAscii) {
    if (keyAscii == ui::kKeyReturn) {
        keyAscii = 0;
        Cmd_Recherche_Click();
    }
}

void Frm_SelindDnt::Cmd_Recherche_Click() {
    // A double quote would end the value inside the sentence: the search is not run.
    if (Txt_NomPrenomAide->text().find('"') != std::string::npos) {
        message("Le nom recherché ne peut pas contenir de guillemet (\").");
        Txt_NomPrenomAide->trySetFocus();
        return;
    }
    occupe();
    try {
        RequeteAides();
    } catch (...) {
        disponible();
        throw;
    }
    if (ResultatAides.element(1, 1).empty()) {
        disponible();
        message("Pas d'aidé correspondant à la sélection.");
    } else {
        Remplir_ListsPosRequete();
        Fra_Pos->setEnabled(true);
        Cmd_SelectAides->setEnabled(true);
        Cmd_SuppAides->setEnabled(true);
        dnt::AjusterDefilement(*Bdv_Pos, *Lst_CodPos, kLignesPos);
    }
    services_.doEvents();
    disponible();
}

void Frm_SelindDnt::RequeteAides() {
    // The "]" asks for every name that begins with the text.
    std::string phrase = "SSELECT CIVILAIDE AVEC NomPrenomAide = " +
                         dba::quoted(selection::upperCaseFrench(Txt_NomPrenomAide->text()) + "]") +
                         " AND AVEC CentreUrssafAide = " + dba::quoted(W_CentreUrssaf) + " PAR 2 PAR 3";
    s.Requete.clear();
    s.Requete.setElement(1, phrase);
    s.Requete.setElement(2, "CIVILAIDE");
    s.Requete.setElement(3, "0 2 3 5 6 7 8 9 10 11");
    ResultatAides.setText(s.TheDatabase->DBExecute(s.Requete.text()));
}

// Successive searches add up: the possible lists are not emptied first.
void Frm_SelindDnt::Remplir_ListsPosRequete() {
    for (int i = 1; i <= ResultatAides.DCount(); ++i) {
        Lst_CodPos->addItem(ResultatAides.element(i, 1));
        Lst_NomPrenomPos->addItem(ResultatAides.element(i, 2) + " " + ResultatAides.element(i, 3));
        Lst_AdressePos->addItem(LigneAdresseAide(MiseEnFormeAdresse1Req(ResultatAides, 4, i),
                                                 ResultatAides.element(i, 8), ResultatAides.element(i, 9),
                                                 ResultatAides.element(i, 10)));
    }
}

std::string Frm_SelindDnt::MiseEnFormeAdresse1Req(const dba::DynArray& Requete, int Indice, int IndiceReq) const {
    std::string adresse;
    for (int v = Indice; v <= Indice + 2; ++v) {
        std::string valeur = Requete.element(IndiceReq, v);
        if (!valeur.empty()) adresse += valeur + " ";
    }
    adresse += Requete.element(IndiceReq, Indice + 3);
    return adresse;
}

}  // namespace dialogs
