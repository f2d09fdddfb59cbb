// Random aidés and aidants.
#include "demo/people.h"

#include "demo/centres.h"
#include "demo/french_names.h"
#include "demo/identifiers.h"

namespace demo {

namespace {

std::string numeroDeVoie(Random& r) {
    std::string n = std::to_string(r.between(1, 199));
    if (r.chance(5)) n += r.chance(70) ? " BIS" : " TER";
    return n + " " + r.pick(voies());
}

std::string lettre(Random& r) { return std::string(1, static_cast<char>('A' + r.below(4))); }

}  // namespace

Adresse adresse(Random& r, const std::string& departement, FormeAdresse forme) {
    Adresse a;
    const Commune& c = r.pick(communes(departement));
    a.codePostal = c.codePostal;
    a.ville = c.ville;
    switch (forme) {
    case FormeAdresse::Rue: a.ligne2 = numeroDeVoie(r); break;
    case FormeAdresse::Batiment:
        a.ligne1 = "BAT " + lettre(r);
        a.ligne2 = numeroDeVoie(r);
        a.ligne3 = "ESC " + std::to_string(r.between(1, 4));
        break;
    case FormeAdresse::RueEtLieu:
        a.ligne4 = numeroDeVoie(r);
        a.complement = r.pick(lieux());
        break;
    case FormeAdresse::LieuSeul: a.complement = r.pick(lieux()); break;
    case FormeAdresse::QuatreLignes:
        a.ligne1 = "BAT " + lettre(r);
        a.ligne2 = r.pick(lieux());
        a.ligne3 = "ESC " + std::to_string(r.between(1, 4));
        a.ligne4 = numeroDeVoie(r);
        break;
    case FormeAdresse::Vide: break;
    }
    return a;
}

Adresse adresse(Random& r, const std::string& departement) {
    int d = r.below(100);
    FormeAdresse f = d < 55   ? FormeAdresse::Rue
                     : d < 72 ? FormeAdresse::Batiment
                     : d < 82 ? FormeAdresse::RueEtLieu
                     : d < 88 ? FormeAdresse::LieuSeul
                     : d < 96 ? FormeAdresse::QuatreLignes
                              : FormeAdresse::Vide;
    return adresse(r, departement, f);
}

Aide aide(Random& r, const std::string& code, const std::string& centreCode) {
    Aide a;
    a.code = code;
    bool femme = r.chance(62);
    a.civilite = femme ? "MADAME" : "MONSIEUR";
    a.nom = r.pick(nomsDeFamille());
    a.prenom = r.pick(femme ? prenomsFeminins() : prenomsMasculins());
    a.adresse = adresse(r, centre(centreCode).departement);
    a.secteur = r.pick(secteurs());
    a.responsable = r.pick(responsables());
    a.centre = centreCode;
    a.numUrssaf = std::to_string(r.between(1, 9)) + r.digits(9);
    if (r.chance(15)) a.numUrssaf2 = std::to_string(r.between(1, 9)) + r.digits(11);
    a.siret = siret(r);
    int p = r.below(100);
    a.payeur = p < 25 ? "1" : p < 70 ? "0" : "";
    int b = r.below(100);
    a.base = b < 45 ? "00" : b < 65 ? "01" : b < 85 ? "02" : "03";
    a.facturation = r.chance(82);
    if (a.facturation) {
        a.codeBanque = r.pick(banques()).code;
        if (r.chance(80)) a.iban = iban(r, a.codeBanque);
    }
    return a;
}

Aidant aidant(Random& r, const std::string& code) {
    Aidant a;
    a.code = code;
    bool femme = r.chance(85);
    a.civilite = femme ? "MME" : "M.";
    a.nom = r.pick(nomsDeFamille());
    if (femme && r.chance(40)) a.nee = "NÉE " + r.pick(nomsDeFamille());
    a.prenom = r.pick(femme ? prenomsFeminins() : prenomsMasculins());
    a.adresse = adresse(r, "IDF");
    int i = r.below(100);
    if (i < 86) {
        Nir n = nir(r, femme, r.between(1958, 2003));
        a.identification = i < 62 ? n.groupe() : n.numero;
        a.cle = n.cle;
    } else if (i < 90) {
        a.identification = "0";
    } else if (i < 95) {
        // nothing known yet
    } else {
        a.identification = "EN COURS";
    }
    return a;
}

}  // namespace demo
