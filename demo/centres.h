// The URSSAF centres, their establishments and associations, and the banks: the
// reference records the payment paragraph and the page header read.
#pragma once

#include <string>
#include <vector>

#include "demo/calendar.h"
#include "demo/record_text.h"

namespace demo {

struct Centre {
    std::string code;           // key of CENTREURSSAF, two digits
    std::string departement;    // where its aidés live
    std::string etablissement;  // field 25: key of ETABLISSEMENT; its first three characters name the entity
    std::string entite() const { return etablissement.substr(0, 3); }
};

struct Banque {
    std::string cle;   // key of BIC
    std::string code;  // field 1: the bank code found in ELTSFACTAIDE field 17
    std::string bic;   // field 2
    std::string nom;   // field 3
};

// 75 and 92 share the entity E75; 93 and 94 have their own.
const std::vector<Centre>& centres();
const Centre& centre(const std::string& code);
const std::vector<Banque>& banques();

// ASSOCIATION, CENTREURSSAF (with rate histories around the quarter) and ETABLISSEMENT.
void writeCentres(RecordSink& sink, const Quarter& latest);
// BIC.
void writeBanques(RecordSink& sink);

}  // namespace demo
