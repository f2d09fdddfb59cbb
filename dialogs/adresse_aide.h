// LigneAdresseAide: the address line of an aidé as the columns "Adresse" of the selection
// window show it.
#pragma once

#include <string>

namespace dialogs {

// `adresse` is the aidé's address (up to four lines joined); when it is empty the
// further address line stands in for it. The postal code and the town follow, each
// after one blank (no blank in front when there is no address at all).
std::string LigneAdresseAide(const std::string& adresse, const std::string& complement,
                             const std::string& codePostal, const std::string& ville);

}  // namespace dialogs
