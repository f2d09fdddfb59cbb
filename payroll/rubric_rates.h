// The rate of a charge rubric (RUBCHARGE) in force at the quarter's end: its field 17 holds
// the effective dates of its periods, newest first, and fields 10 and 14 the rates of each.
// Two readings of it exist: the control's rate at Init (W_TauxRubCharge), and the rates of
// rubrics 922 and 908 of a run (TauxRub922, TauxRub908).
#pragma once

#include <string>

#include "common/quarter.h"
#include "dba/dynarray.h"
#include "numbers/integers.h"

namespace payroll {

// The position of the period in force at the quarter's end: the first date of field 17 that
// is not after the quarter's last day (dates compared as texts). At Init an empty date ends
// the walk and gives no position; in a run every value counts (an empty date is before any
// day). 0: none.
enum class EmptyDate { EndsTheWalk, IsBefore };
int PeriodeEnVigueur(const dba::DynArray& rubrique, const dnt::Quarter& quarter, EmptyDate rule);

// W_TauxRubCharge: field 10 of the period in force (of the first period when none is),
// as a whole number.
dnt::Long32 TauxRubCharge(const dba::DynArray& rubrique, const dnt::Quarter& quarter);

// TauxRub922 and TauxRub908: fields 10 and 14 of the period in force (of the first period
// when none is), each 0 when empty, summed.
dnt::Long32 TauxRubrique(const dba::DynArray& rubrique, const dnt::Quarter& quarter);

}  // namespace payroll
