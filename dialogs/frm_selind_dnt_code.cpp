// The typed code: its keys, its padding to five digits, and the look-up that lists the
// aidé of that code as the one possible aidé.
#include <string>

#include "common/procs.h"
#include "dba/errors.h"
#include "dialogs/adresse_aide.h"
#include "dialogs/frm_selind_dnt.h"
#include "rights/droits.h"
#include "ui/keys.h"

namespace dialogs {

namespace {

constexpr std::size_t kLongueurCode = 5;

std::string completerCode(const std::string& code) {
    return code.size() < kLongueurCode ? std::string(kLongueurCode - code.size(), '0') + code : code;
}

}  // namespace

void Frm_SelindDnt::Txt_CodAide_KeyPress(int& keyAscii) {
    if (keyAscii == ui::kKeyBack) return;
    if (keyAscii == ui::kKeyReturn) Txt_CodAide->setText(completerCode(Txt_CodAide->text()));
    if (keyAscii < '0' || keyAscii > '9') keyAscii = 0;
}

void Frm_SelindDnt::Txt_CodAide_LostFocus() {
    const std::string& code = Txt_CodAide->text();
    if (!code.empty() && code.size() < kLongueurCode) Txt_CodAide->setText(completerCode(code));
}

void Frm_SelindDnt::refuserCode(const std::string& text) {
    message(text);
    Txt_CodAide->setText("");
    Txt_CodAide->trySetFocus();
}

void Frm_SelindDnt::Txt_CodAide_Change() {
    const std::string code = Txt_CodAide->text();
    // 1. Not a whole code: nothing is possible any more.
    if (code.size() != kLongueurCode) {
        ClearListesPos();
        Fra_Pos->setEnabled(false);
        Cmd_SelectAides->setEnabled(false);
        Cmd_SuppAides->setEnabled(false);
        Txt_NomPrenomAide->setText("");
        dnt::AjusterDefilement(*Bdv_Pos, *Lst_CodPos, kLignesPos);
        return;
    }
    // 2-3. The reads are trapped: only a missing key is reported, any other failure
    // leaves the record held before and the checks go on with it.
    try {
        s.RecAide = fichier("CIVILAIDE").DBRead(code);
    } catch (const dnt::Error& e) {
        if (e.number() == dba::kErrKeyAbsent) return refuserCode("Cet aidé n'existe pas.");
    }
    try {
        s.RecEltsPartemp = fichier("ELTSPARTEMP").DBRead(code);
    } catch (const dnt::Error& e) {
        if (e.number() == dba::kErrKeyAbsent)
            return refuserCode("Cet aidé n'est pas reconnu comme Particulier-Employeur.");
    }
    // 4. An employer of another centre is refused as not an employer.
    if (s.RecEltsPartemp.element(1) != W_CentreUrssaf)
        return refuserCode("Cet aidé n'est pas reconnu comme Particulier-Employeur.");
    // 5. The user's rights on the aidé's sector (no rights component: every sector).
    if (s.Droits && !s.Droits->AccesSecteur(s.RecAide.element(40)))
        return refuserCode("Vous n'avez pas les droits d'accès au secteur de cet aidé.");
    // 6. The aidé becomes the one possible aidé.
    occupe();
    std::string nom = s.RecAide.element(2) + " " + s.RecAide.element(3);
    Txt_NomPrenomAide->setText(nom);
    ClearListesPos();
    Remplir_ListsPos(code, nom,
                     LigneAdresseAide(dnt::MiseEnFormeAdresse(s.RecAide, 5), s.RecAide.element(9),
                                      s.RecAide.element(10), s.RecAide.element(11)));
    disponible();
    Fra_Pos->setEnabled(true);
    Cmd_SelectAides->setEnabled(true);
    Cmd_SuppAides->setEnabled(true);
    dnt::AjusterDefilement(*Bdv_Pos, *Lst_CodPos, kLignesPos);
}

void Frm_SelindDnt::Remplir_ListsPos(const std::string& code, const std::string& nom, const std::string& adresse) {
    Lst_CodPos->addItem(code);
    Lst_NomPrenomPos->addItem(nom);
    Lst_AdressePos->addItem(adresse);
}

}  // namespace dialogs
