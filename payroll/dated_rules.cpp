// The 15 points off up to 2010 and the hourly deduction from 2013 on.
#include "payroll/dated_rules.h"

#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/text_parts.h"

namespace payroll {

using dnt::CDbl;
using dnt::Floor;

namespace {

// The centre's amount per hour in hundredths, or empty when it deducts nothing.
std::string MontantHoraireCentre(const dnt::SharedState& s) {
    std::string montant = s.RecCentre.element(22);
    return montant == "0" ? std::string() : montant;
}

}  // namespace

bool AbattementAvant2011(const dnt::SharedState& s, const dnt::Quarter& quarter) {
    return quarter.key() <= std::string("20104") && s.RecContrat.element(30) == "B";
}

double TauxAbattu(double taux) { return taux - 15; }

bool DeductionHoraireEnVigueur(const dnt::SharedState& s, const dnt::Quarter& quarter) {
    return s.RecEltsPartemp.element(9) == "00" && Left(quarter.key(), 4) >= std::string("2013");
}

double DeductionHoraireAide(const dnt::SharedState& s) {
    const std::string montant = MontantHoraireCentre(s);
    if (montant.empty()) return 0;
    double h = 0;
    for (long L = 1; L <= s.W_LignesAidants.count(); ++L) {
        const dnt::AidantLine& ligne = s.W_LignesAidants[L];
        if (!ligne.hoursExcluded.empty())
            h = h + Floor(CDbl(ligne.hours) - Floor(CDbl(ligne.hoursExcluded)));
        else
            h = h + Floor(CDbl(ligne.hours));
    }
    return Floor(h * (CDbl(montant) / 100) + 0.5);
}

double DeductionHoraireLigne(const dnt::SharedState& s, const std::string& heures, const std::string& exclues) {
    const std::string montant = MontantHoraireCentre(s);
    if (montant.empty()) return 0;
    dnt::Currency base = dnt::Currency::fromText(heures);
    if (!exclues.empty()) base -= dnt::Currency::fromText(exclues);
    const dnt::Currency produit = base * dnt::Currency::fromText(montant);
    const dnt::Currency deduction = dnt::CCur(produit.toDouble() / 100);
    return Floor(deduction.toDouble() + 0.5);
}

}  // namespace payroll
