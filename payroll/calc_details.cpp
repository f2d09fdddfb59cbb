// LectureDetailCalcul: reads the calculation details of one selected contract for the
// months of the quarter in which it runs, and adds them into the aidé's aidant lines.
#include "payroll/calc_details.h"

#include <optional>

#include "numbers/numtext.h"
#include "dba/dates.h"
#include "dba/errors.h"
#include "common/error_trap.h"
#include "payroll/payroll.h"
#include "payroll/text_parts.h"

namespace payroll {

using dnt::CLngText;

void LectureDetailCalcul(dnt::SharedState& s, const dnt::Quarter& quarter, int Indice, const dba::DynArray& Tableau) {
    // Every statement is passed over when it fails, and the next one runs.
    dnt::PassageErreurs passer(true);
    std::string aidant, contrat;
    passer([&] { contrat = Tableau.Extract(Indice, 1, -1); });
    passer([&] { aidant = Left(contrat, 5); });
    int32_t err = passer([&] { s.RecAidant = s.fichier("CIVILAIDANT").DBRead(aidant); });
    if (err == dba::kErrKeyAbsent) passer([&] { s.RecAidant = dba::Record(); });

    passer([&] { Recherche_Age_Aidant(s); });
    passer([&] {
        if (s.RecContrat.element(30) == "F") {
            s.W_TauxLigne = s.W_TauxCentreBis;
            s.W_ValeurConstante = s.W_ValeurReduiteBis;
        } else {
            s.W_TauxLigne = s.W_TauxCentre;
            s.W_ValeurConstante = s.W_ValeurReduite;
        }
    });

    // A contract that starts after the quarter adds nothing.
    bool apresTrimestre = false;
    passer([&] { apresTrimestre = CLngText(quarter.lastDayText()) < CLngText(s.RecContrat.element(7)); });
    if (apresTrimestre) {
        passer([&] { s.W_DateCalcul = dnt::Long32(99999); });
        return;
    }

    // The months of the contract inside the quarter; when either end cannot be found, no
    // month is read.
    std::optional<int> premier, dernier;
    passer([&] {
        std::string debut = s.RecContrat.element(7);
        std::string date = CLngText(quarter.firstDayText()) > CLngText(debut) ? quarter.firstDate()
                                                                              : dba::DateExterneText(debut);
        premier = dnt::CIntText(Mid(date, 4, 2)).value();
    });
    passer([&] {
        std::string fin = s.RecContrat.element(8);
        std::string date = !fin.empty() && CLngText(quarter.lastDayText()) > CLngText(fin) ? dba::DateExterneText(fin)
                                                                                           : quarter.lastDate();
        dernier = dnt::CIntText(Mid(date, 4, 2)).value();
    });
    const std::string annee = quarter.key().substr(0, 4);
    if (premier && dernier)
        for (int m = *premier; m <= *dernier; ++m) LectureMoisDetailCalcul(s, quarter, contrat, aidant, annee, m);

    // The latest contract end of the aidé; an open-ended contract counts as 99999.
    passer([&] {
        std::string fin = s.RecContrat.element(8);
        if (!fin.empty()) {
            if (CLngText(fin) > s.W_DateCalcul) s.W_DateCalcul = CLngText(fin);
        } else {
            s.W_DateCalcul = dnt::Long32(99999);
        }
    });
}

}  // namespace payroll
