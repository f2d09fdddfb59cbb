// CotisationsDeBase, the aidé's base contributions: above and below a monthly or quarterly ceiling for basis
// "02", else one rate, lowered by 15 points for real-wage contracts up to the end of 2010,
// with an hourly deduction from 2013 on for basis "00".
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/dated_rules.h"
#include "payroll/tep_steps.h"

namespace payroll {

using dnt::CCur;
using dnt::CDbl;

namespace {

// r x x / 100 in double precision.
double pourcent(double r, double x) { return r * x / 100; }

double taux(const dnt::SharedState& s, int n) { return CDbl(s.TabTauxCharges.element(n)); }

}  // namespace

Tranches CotisationsDeBase(dnt::SharedState& s, const dnt::Quarter& quarter, const BaseDeclaration& base) {
    Tranches t;
    const double totalLignes = s.W_TotalLignes.toDouble();

    if (base.CodeBase == "02" && s.W_CodeConvention == "M") {
        // Monthly ceiling: 65 hours at the month's constant.
        s.W_TotalCharges = dnt::Currency();
        for (int i = 1; i <= 3; ++i) {
            double plafond = CDbl(s.TabConstantesPaie.element(i)) * 65 / 100;
            double mois = CDbl(s.W_Totaux.element(i));
            if (mois > plafond) {
                double c1 = pourcent(taux(s, 1), mois - plafond);
                double c2 = pourcent(taux(s, 2), plafond);
                t.PartTranche1 = t.PartTranche1 + c1;
                t.PartTranche2 = t.PartTranche2 + c2;
                s.W_TotalCharges = s.W_TotalCharges + CCur(c1);
                s.W_TotalCharges = s.W_TotalCharges + CCur(c2);
            } else {
                double c2 = pourcent(taux(s, 2), mois);
                t.PartTranche2 = t.PartTranche2 + c2;
                s.W_TotalCharges = s.W_TotalCharges + CCur(c2);
            }
        }
        return t;
    }

    if (base.CodeBase == "02") {
        // Quarterly ceiling: 195 hours at the quarter's average constant.
        double plafond = s.W_ValeurConstanteTrim * 195;
        if (totalLignes > plafond) {
            t.PartTranche1 = pourcent(taux(s, 1), (s.W_TotalLignes - CCur(plafond)).toDouble());
            t.PartTranche2 = pourcent(taux(s, 2), plafond);
            s.W_TotalCharges = CCur(t.PartTranche1) + CCur(t.PartTranche2);
        } else {
            t.PartTranche2 = pourcent(taux(s, 2), totalLignes);
            s.W_TotalCharges = CCur(t.PartTranche2);
        }
        return t;
    }

    const bool baseReelle = base.CodeBase == "00" || base.CodeBase == "01";
    if (baseReelle && AbattementAvant2011(s, quarter)) {
        s.W_TotalCharges = CCur(TauxAbattu(taux(s, base.IndiceTaux)) * totalLignes / 100);
        return t;
    }

    s.W_TotalCharges = CCur(taux(s, base.IndiceTaux) * totalLignes / 100);
    if (DeductionHoraireEnVigueur(s, quarter)) s.W_DeductionHeures = DeductionHoraireAide(s);
    return t;
}

}  // namespace payroll
