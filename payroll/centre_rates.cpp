// ValeurdesCharges: the URSSAF centre's rate over the quarter and the reduced hourly values
// derived from it.
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/history.h"
#include "payroll/payroll.h"

namespace payroll {

using dnt::Floor;

void ValeurdesCharges(dnt::SharedState& s, const dnt::Quarter& quarter) {
    dnt::Long32 debut = MoisDebut(quarter);
    s.W_TauxCentre = 0;
    for (int m = 0; m <= 2; ++m) {
        s.W_TauxCentre = s.W_TauxCentre + dnt::CDbl(ValeurDuMois(s.RecCentre, 20, 21, debut + dnt::Long32(m)));
        s.W_TauxCentreBis = 0;
    }

    const double vc = s.W_ValeurConstante;
    const double rubCharge = s.W_TauxRubCharge.value() / 1000.0;

    double t1 = s.W_TauxCentre / 3 / 1000;
    s.W_TauxCentre = t1;
    s.W_TauxCentreNet = t1 - rubCharge;
    s.W_ValeurReduite = Floor((vc - vc * t1 / 100) * 100) / 100;

    double t2 = s.W_TauxCentreBis / 3 / 1000;
    s.W_TauxCentreBis = t2;
    s.W_TauxCentreBisNet = t2 - rubCharge;
    s.W_ValeurReduiteBis = Floor((vc - vc * t2 / 100) * 100) / 100;

    // The second constant is rounded, not cut: to cents, then per hour of a 174-hour month.
    const double vc1 = s.W_ValeurConstante1;
    double k = vc1 - vc1 * t1 / 100;
    double c = Floor(k * 100 + 0.5);
    double q = c / 17400;
    s.W_Valeur1Reduite = Floor(q * 100 + 0.5) / 100;
}

}  // namespace payroll
