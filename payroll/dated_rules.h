// The rules of the declaration that hold for some quarters only: the rate of real-wage
// contracts lowered by 15 points up to 2010, and the hourly deduction from 2013 on.
#pragma once

#include <string>

#include "common/state.h"
#include "common/quarter.h"

namespace payroll {

// Up to the fourth quarter of 2010 (quarter keys compared as texts), the contribution rate
// of a real-wage contract (field 30 of the current contract "B") is lowered by 15 points;
// each caller says which declaration bases this applies to.
bool AbattementAvant2011(const dnt::SharedState& s, const dnt::Quarter& quarter);
double TauxAbattu(double taux);

// From the 2013 quarters on, an aidé declared on basis "00" (field 9 of ELTSPARTEMP) pays
// less by the hours worked at the centre's amount per hour (field 22 of the centre, in
// hundredths; empty or "0" when it has none).
bool DeductionHoraireEnVigueur(const dnt::SharedState& s, const dnt::Quarter& quarter);

// The deduction of the aidé's contributions: the whole hours of each line less its whole
// hours left out, at the centre's amount, rounded to units; 0 when the centre has none.
double DeductionHoraireAide(const dnt::SharedState& s);

// The deduction of one line's S.SOC. amount: its hours less the hours left out (when
// given), at the centre's amount, taken in currency and rounded to units; 0 when the
// centre has none.
double DeductionHoraireLigne(const dnt::SharedState& s, const std::string& heures, const std::string& exclues);

}  // namespace payroll
