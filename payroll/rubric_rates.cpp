// The rates of a charge rubric at the quarter's end.
#include "payroll/rubric_rates.h"

#include "numbers/numtext.h"

namespace payroll {

int PeriodeEnVigueur(const dba::DynArray& rubrique, const dnt::Quarter& quarter, EmptyDate rule) {
    const std::string fin = quarter.lastDayText();
    if (rule == EmptyDate::EndsTheWalk) {
        for (int n = 1;; ++n) {
            const std::string date = rubrique.element(17, n);
            if (date.empty()) return 0;
            if (date.compare(fin) <= 0) return n;
        }
    }
    for (int i = 1; i <= rubrique.CountValues(17); ++i)
        if (rubrique.element(17, i).compare(fin) <= 0) return i;
    return 0;
}

dnt::Long32 TauxRubCharge(const dba::DynArray& rubrique, const dnt::Quarter& quarter) {
    const int n = PeriodeEnVigueur(rubrique, quarter, EmptyDate::EndsTheWalk);
    return dnt::CLngText(rubrique.element(10, n ? n : 1));
}

dnt::Long32 TauxRubrique(const dba::DynArray& rubrique, const dnt::Quarter& quarter) {
    const int pris = PeriodeEnVigueur(rubrique, quarter, EmptyDate::IsBefore);
    const int i = pris ? pris : 1;
    const std::string a = rubrique.element(10, i), b = rubrique.element(14, i);
    const dnt::Long32 partA = a.empty() ? dnt::Long32(0) : dnt::CLngText(a);
    const dnt::Long32 partB = b.empty() ? dnt::Long32(0) : dnt::CLngText(b);
    return partA + partB;
}

}  // namespace payroll
