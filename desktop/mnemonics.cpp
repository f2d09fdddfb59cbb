// The letters of the selection screen and of the individual selection window.
#include "desktop/mnemonics.h"

#include <map>
#include <utility>

#include "desktop/text.h"

namespace desktop {

namespace {

struct Letter {
    const char* letter;  // UTF-8: "à" is a letter of its own
    const char* buddy = "";
};

const std::map<std::pair<std::string, std::string>, Letter>& letters() {
    static const std::map<std::pair<std::string, std::string>, Letter> table = {
        {{"Ctr_ControleEditVardec", "Etq_Trimestre"}, {"T", "Cbo_Trimestre"}},
        {{"Ctr_ControleEditVardec", "Etq_CtrUrssaf"}, {"C", "Txt_CtrUrssaf"}},
        {{"Ctr_ControleEditVardec", "Etq_De"}, {"d", "Txt_De"}},
        {{"Ctr_ControleEditVardec", "Etq_A"}, {"à", "Txt_A"}},
        {{"Ctr_ControleEditVardec", "Cac_SelecInd"}, {"i"}},
        {{"Ctr_ControleEditVardec", "Opt_Alpha"}, {"a"}},
        {{"Ctr_ControleEditVardec", "Opt_Commune"}, {"m"}},
        {{"Ctr_ControleEditVardec", "Opt_Sect"}, {"e"}},
        {{"Ctr_ControleEditVardec", "Opt_Resp"}, {"R"}},
        {{"Ctr_ControleEditVardec", "Cac_RegltParAide"}, {"v"}},
        {{"Ctr_ControleEditVardec", "Cac_PrelevCpteAide"}, {"P"}},
        {{"Ctr_ControleEditVardec", "Cac_RegltParEntite"}, {"j"}},
        {{"Ctr_ControleEditVardec", "Etq_DateRetour"}, {"D", "Txt_DateRetour"}},
        {{"Ctr_ControleEditVardec", "Cmd_OK"}, {"O"}},
        {{"Ctr_ControleEditVardec", "Cmd_Sortir"}, {"S"}},
        {{"Frm_SelindDnt", "Etq_Aide"}, {"A", "Txt_CodAide"}},
        {{"Frm_SelindDnt", "Cmd_Recherche"}, {"R"}},
        {{"Frm_SelindDnt", "Cmd_Imprimer"}, {"I"}},
        {{"Frm_SelindDnt", "Cmd_Retour"}, {"t"}},
    };
    return table;
}

}  // namespace

QString withMnemonic(const std::string& form, const std::string& widget, const std::string& caption) {
    QString text = toQ(caption);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto it = letters().find({form, widget});
    if (it == letters().end()) return text;
    const int at = text.indexOf(QString::fromUtf8(it->second.letter));
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    return text;
}

std::string buddyOf(const std::string& form, const std::string& label) {
    auto it = letters().find({form, label});
    return it == letters().end() ? std::string() : it->second.buddy;
}

}  // namespace desktop
