// Adding people and numbering contracts.
#include "demo/population.h"

#include <cstdio>

namespace demo {

size_t Population::ajouterAide(Aide a) {
    aides.push_back(std::move(a));
    return aides.size() - 1;
}

size_t Population::ajouterAidant(Aidant a) {
    aidants.push_back(std::move(a));
    return aidants.size() - 1;
}

Contrat& Population::ajouterContrat(size_t aide, size_t aidant, long debut, long fin) {
    Aidant& a = aidants[aidant];
    char numero[8];
    std::snprintf(numero, sizeof numero, "%03d", ++a.contrats % 1000);
    Contrat c;
    c.cle = a.code + numero;
    c.aide = aide;
    c.aidant = aidant;
    c.debut = debut;
    c.fin = fin;
    contrats.push_back(std::move(c));
    return contrats.back();
}

}  // namespace demo
