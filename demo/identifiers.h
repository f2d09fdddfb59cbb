// Identification numbers with their real check digits: social-security numbers of
// aidants, SIRET numbers of employers and French IBANs.
#pragma once

#include <string>

#include "demo/random.h"

namespace demo {

struct Nir {
    std::string numero;  // 13 digits
    std::string cle;     // 2 digits
    // "2 55 09 69 164 472": sex, year, month, département, commune, order.
    std::string groupe() const;
};

// A social-security number of a person born in `annee`; `femme` gives the sex digit.
Nir nir(Random& r, bool femme, int annee);

// A 14-digit SIRET whose SIREN and whole number pass the Luhn check.
std::string siret(Random& r);

// The check digit that makes `digits` followed by it pass the Luhn check.
char luhnDigit(const std::string& digits);

// A French IBAN for a bank code, written in groups of four ("FR76 3000 2005 ...").
std::string iban(Random& r, const std::string& codeBanque);

// The remainder of a long decimal text divided by 97.
int mod97(const std::string& digits);

}  // namespace demo
