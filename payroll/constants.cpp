// LectureConstantesPaie, the payroll constant of the quarter (CONSTANTESPAIE "1"): its
// amount month by month and on average, the second constant, and the date before which
// amounts were in francs.
#include "numbers/numtext.h"
#include "dba/dates.h"
#include "payroll/history.h"
#include "payroll/payroll.h"
#include "payroll/text_parts.h"

namespace payroll {

void LectureConstantesPaie(dnt::SharedState& s, const dnt::Quarter& quarter) {
    s.TabConstantesPaie = dba::DynArray();
    dba::Record rec = ouvrirFichier(s, "CONSTANTESPAIE").DBRead("1");

    dnt::Long32 debut = MoisDebut(quarter);
    for (int m = 0; m <= 2; ++m)
        s.TabConstantesPaie.setElement(m + 1, ValeurDuMois(rec, 4, 3, debut + dnt::Long32(m)));

    // Equal months give the amount itself; otherwise the mean, in double precision.
    dnt::Int16 a1 = dnt::CIntText(s.TabConstantesPaie.element(1));
    double a2 = dnt::CDbl(s.TabConstantesPaie.element(2));
    double a3 = dnt::CDbl(s.TabConstantesPaie.element(3));
    if (a2 == a1.value() && a3 == a1.value())
        s.W_ValeurConstante = a1.value() / 100.0;
    else
        s.W_ValeurConstante = ((a1.value() + a2 + a3) / 3) / 100;
    s.W_ValeurConstanteTrim = s.W_ValeurConstante;

    s.W_MoisConstante9 = rec.element(9);
    s.W_Constante9Depassee = dnt::CLng(static_cast<double>(s.Aujourdhui)) > dnt::CLngText(s.W_MoisConstante9);
    s.W_MoisConstante9 = CleMoisInterne(s.W_MoisConstante9);

    s.W_ValeurConstante1 = dnt::CDbl(rec.element(1, 1)) / 100;
}

}  // namespace payroll
