// The plan of the demo database before it becomes records: aidés, aidants and their
// contracts, with what each contract's monthly pay looks like.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "demo/calendar.h"

namespace demo {

// Address fields as CIVILAIDE and CIVILAIDANT keep them: four lines (fields 5 to 8),
// an extra line (9), postal code (10) and town (11).
struct Adresse {
    std::string ligne1, ligne2, ligne3, ligne4, complement, codePostal, ville;
};

// One extra pay line of a month: a pay rubric and its quantity in hundredths of an hour.
struct LigneSup {
    std::string rubrique;
    int quantite;
};

struct Aide {
    std::string code;  // five digits
    std::string civilite, nom, prenom;
    Adresse adresse;
    std::string secteur, responsable;
    bool employeur = true;  // has an ELTSPARTEMP record
    std::string centre = "75";
    std::string numUrssaf, numUrssaf2, siret;
    std::string payeur;  // ELTSPARTEMP field 8: "1" when the entity pays, "0" or empty otherwise
    std::string base = "00";  // field 9: declaration basis
    bool facturation = false;  // has an ELTSFACTAIDE record
    std::string iban, codeBanque;
    std::vector<std::string> regulMontants, regulTrimestres;  // REGULDNT fields 1 and 2
};

struct Aidant {
    std::string code;  // five characters
    std::string civilite, nee, prenom, nom;
    Adresse adresse;
    std::string identification, cle;  // fields 17 and 18
    int contrats = 0;  // contracts numbered so far
};

struct Contrat {
    std::string cle;  // aidant code and a three-digit number
    size_t aide = 0, aidant = 0;
    std::string type = "02";  // field 1
    long debut = 0, fin = 0;  // fields 7 and 8 (day numbers); fin 0 when open-ended
    std::string nature;       // field 30: "B", "F", "M" or empty
    std::string exclu;        // field 65: "O" keeps the contract out of declarations
    int heuresMois = 6000;    // usual hours of a month, in hundredths
    int tauxSalaire = 1100;   // hourly wage over the minimum wage, in thousandths
    int salaireHoraire = 0;   // a fixed hourly wage in cents, when not 0
    std::set<std::string> moisSansDetail;                // months (yyyymm) with no calculation record
    std::map<std::string, std::vector<LigneSup>> lignesSup;  // fixed overtime lines by month
    bool heuresSupAleatoires = true;                     // other months may draw overtime
};

struct Population {
    Quarter dernier;  // the latest quarter, whose last month is the current pay period
    std::vector<Aide> aides;
    std::vector<Aidant> aidants;
    std::vector<Contrat> contrats;

    size_t ajouterAide(Aide a);
    size_t ajouterAidant(Aidant a);
    // A new contract of the aidant for the aidé, numbered after the aidant's others.
    Contrat& ajouterContrat(size_t aide, size_t aidant, long debut, long fin = 0);
    // The first month whose calculation records are written.
    Month premierMoisDetaille() const { return dernier.plus(-8).month(1); }
};

}  // namespace demo
