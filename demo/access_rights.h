// The users' rights of the demo: everyone has full access through "*", and three named
// users show the other cases (restricted sectors, read only, another module only).
#pragma once

#include "demo/record_text.h"

namespace demo {

// Logins of the named users.
inline constexpr const char* kUtilisateurSecteurs = "secteurs";  // full access to sectors S01 and S03 only
inline constexpr const char* kUtilisateurLecteur = "lecteur";    // access level 1: no OK button
inline constexpr const char* kUtilisateurAucun = "aucun";        // rights to another module only

void writeDroits(RecordSink& sink);

}  // namespace demo
