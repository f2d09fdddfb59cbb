// MoisDebut and ValeurDuMois: dated histories of constants and rates, resolved month by
// month.
#include "payroll/history.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/text_parts.h"

namespace payroll {

dba::File& ouvrirFichier(dnt::SharedState& s, const std::string& nom) {
    auto it = s.Fichiers.find(nom);
    if (it != s.Fichiers.end() && it->second) return *it->second;
    auto fichier = s.TheDatabase->DBOpenFile(nom);
    s.Fichiers[nom] = fichier;
    return *fichier;
}

dnt::Long32 MoisDebut(const dnt::Quarter& quarter) { return dnt::CLngText(CleMois(quarter.firstDate())); }

std::string ValeurDuMois(const dba::DynArray& rec, int champDates, int champValeurs, dnt::Long32 mois) {
    // An empty date ends the history; its month key is never taken.
    int j = 1;
    bool trouve = false;
    while (!trouve && !rec.element(champDates, j).empty()) {
        std::string cle = CleMoisInterne(rec.element(champDates, j));
        if (dnt::Floor(dnt::CDbl(cle)) <= mois.value())
            trouve = true;
        else
            ++j;
    }
    return rec.element(champValeurs, j);
}

}  // namespace payroll
