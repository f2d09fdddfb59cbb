// The contract selection: the one sentence that selects the contracts of a run, built
// from the screen's choices, and its execution on CONTRAT.
#pragma once

#include <string>

#include "common/quarter.h"
#include "common/state.h"
#include "dba/dynarray.h"

namespace selection {

enum class Tri { Alpha, Commune, Secteur, Responsable };

// What the selection screen says about the contracts wanted.
struct CriteresContrat {
    dnt::Quarter quarter;           // the quarter of the run
    std::string ctrUrssaf;          // the text of the centre entry
    std::string de, a;              // the name range, as typed (may be empty)
    bool regltParEntite = true;     // paid by the legal entity
    bool prelevCpteAide = true;     // direct debit from the aidé's account
    bool regltParAide = true;       // payment sent by the aidé
    Tri tri = Tri::Alpha;
};

// The sentence for the quarter of `c` and the centre in `s` (W_CodeEntite) and the aidés
// chosen one by one (field i = i-th code; an empty
// array when none). A person's text holding a double quote cannot be put in a
// sentence: it raises DbError(kErrBadSentence).
std::string PhraseContrat(const dnt::SharedState& s, const CriteresContrat& c, const dba::DynArray& ListeAideSelect);

// Builds the request in s.Requete, runs it and keeps the result in s.ResultatContrats.
void RequeteContrat(dnt::SharedState& s, const CriteresContrat& c, const dba::DynArray& ListeAideSelect);

// Upper case of a name as typed: ASCII letters and the accented letters of French.
std::string MajusculesNom(const std::string& text);

}  // namespace selection
