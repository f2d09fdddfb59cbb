// The pages and sentences of the fields of the selection screen and of the individual
// selection window.
#include "desktop/help_pages.h"

#include <map>
#include <utility>

namespace desktop {

namespace {

struct FieldHelp {
    const char* page;
    const char* sentence;
};

const std::map<std::pair<std::string, std::string>, FieldHelp>& fields() {
    static const std::map<std::pair<std::string, std::string>, FieldHelp> table = {
        {{"Ctr_ControleEditVardec", "Cbo_Trimestre"}, {"trimestre.html", "Le trimestre dont les déclarations sont imprimées."}},
        {{"Ctr_ControleEditVardec", "Txt_CtrUrssaf"},
         {"trimestre.html", "Le code à deux chiffres du centre URSSAF ; un chiffre seul est complété par un zéro."}},
        {{"Ctr_ControleEditVardec", "Cbo_CtrUrssaf"}, {"trimestre.html", "Le centre URSSAF choisi par son nom."}},
        {{"Ctr_ControleEditVardec", "Txt_De"}, {"filtres.html", "Le premier nom de la plage d'aidés (vide : depuis le début)."}},
        {{"Ctr_ControleEditVardec", "Txt_A"}, {"filtres.html", "Le dernier nom de la plage d'aidés (vide : jusqu'à la fin)."}},
        {{"Ctr_ControleEditVardec", "Cac_SelecInd"},
         {"selection-individuelle.html", "Coché, les aidés sont choisis un par un après OK."}},
        {{"Ctr_ControleEditVardec", "Opt_Alpha"}, {"filtres.html", "L'ordre d'impression des déclarations."}},
        {{"Ctr_ControleEditVardec", "Opt_Commune"}, {"filtres.html", "L'ordre d'impression des déclarations."}},
        {{"Ctr_ControleEditVardec", "Opt_Sect"}, {"filtres.html", "L'ordre d'impression des déclarations."}},
        {{"Ctr_ControleEditVardec", "Opt_Resp"}, {"filtres.html", "L'ordre d'impression des déclarations."}},
        {{"Ctr_ControleEditVardec", "Cac_RegltParAide"}, {"filtres.html", "Garder les aidés qui envoient eux-mêmes leur règlement."}},
        {{"Ctr_ControleEditVardec", "Cac_PrelevCpteAide"}, {"filtres.html", "Garder les aidés prélevés sur leur compte."}},
        {{"Ctr_ControleEditVardec", "Cac_RegltParEntite"}, {"filtres.html", "Garder les aidés dont l'entité juridique règle."}},
        {{"Ctr_ControleEditVardec", "Txt_DateRetour"},
         {"trimestre.html#date-retour", "La fin du trimestre plus dix jours, pour information : elle n'est pas imprimée."}},
        {{"Ctr_ControleEditVardec", "Cmd_OK"}, {"trimestre.html", "Lance l'impression (touche Entrée)."}},
        {{"Ctr_ControleEditVardec", "Cmd_Sortir"}, {"application.html", "Ferme l'écran sans rien imprimer (touche Échap)."}},
        {{"Frm_SelindDnt", "Txt_CodAide"}, {"selection-individuelle.html", "Le code à cinq chiffres d'un aidé du centre."}},
        {{"Frm_SelindDnt", "Txt_NomPrenomAide"},
         {"selection-individuelle.html", "Le début d'un nom ; Entrée ou Recherche liste les aidés du centre."}},
    };
    return table;
}

}  // namespace

std::string helpPageFor(const std::string& form, const std::string& widget) {
    auto it = fields().find({form, widget});
    if (it != fields().end()) return it->second.page;
    return form == "Frm_SelindDnt" ? "selection-individuelle.html" : std::string();
}

std::string whatsThisFor(const std::string& form, const std::string& widget) {
    auto it = fields().find({form, widget});
    return it == fields().end() ? std::string() : it->second.sentence;
}

std::function<void(const std::string&)>& helpPageOpener() {
    static std::function<void(const std::string&)> opener;
    return opener;
}

}  // namespace desktop
