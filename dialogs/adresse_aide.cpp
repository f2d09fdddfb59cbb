// LigneAdresseAide: the composition of the address line of an aidé for the selection lists.
#include "dialogs/adresse_aide.h"

namespace dialogs {

std::string LigneAdresseAide(const std::string& adresse, const std::string& complement,
                             const std::string& codePostal, const std::string& ville) {
    std::string a = adresse.empty() ? complement : adresse;
    if (!a.empty()) return a + " " + codePostal + " " + ville;
    return codePostal + " " + ville;
}

}  // namespace dialogs
