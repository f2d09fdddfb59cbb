// MoyenneTaux, the quarter-average rates of the contribution lines: for each month of the
// quarter, the CHGPARTEMP rate of the period that the month's first day falls in, averaged
// over three.
#include "payroll/average_rate.h"

#include "numbers/numtext.h"
#include "dba/dates.h"
#include "payroll/payroll.h"

namespace payroll {

void PreparerDebutsMois(dnt::SharedState& s, const dnt::Quarter& quarter) {
    s.TabDebutsMois = dba::DynArray();
    s.TabDebutsMois.setElement(1, quarter.firstDayText());
    const std::string debut = dba::DateExterneText(s.TabDebutsMois.element(1));
    const long m = dnt::CLngText(debut.substr(3, 2)).value();
    const std::string annee = debut.substr(6, 4);
    s.TabDebutsMois.setElement(2, dba::DateInterneText("01/" + std::to_string(m + 1) + "/" + annee));
    s.TabDebutsMois.setElement(3, dba::DateInterneText("01/" + std::to_string(m + 2) + "/" + annee));
}

double MoyenneTaux(dnt::SharedState& s, const std::string& cle, double diviseur) {
    s.RecChgPartemp = s.fichier("CHGPARTEMP").DBRead(cle);
    const dba::Record& rec = s.RecChgPartemp;
    const int n = rec.DCount(3);
    double cumul = 0;
    for (int j = 1; j <= 3; ++j) {
        // Dates are compared as texts, character code by character code.
        const std::string D = s.TabDebutsMois.element(j);
        for (int i = 1; i <= n; ++i) {
            const std::string date = rec.element(3, i);
            const std::string suivante = rec.element(3, i + 1);
            if ((date <= D && suivante <= D) || (date <= D && suivante.empty())) {
                cumul += dnt::CDbl(rec.element(2, i)) / diviseur;
                break;
            }
        }
    }
    return cumul / 3;
}

}  // namespace payroll
