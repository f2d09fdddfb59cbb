// SommeRubriquesHeuresSup and HeuresSupDuMois: the overtime of one month of calculation
// details, recognised by the overtime rubrics.
#pragma once

#include "numbers/integers.h"
#include "common/state.h"

namespace payroll {

// Adds the month's quantities of the overtime rubrics into their value 3 (cleared first) and
// gives the sum of field 5 over the overtime pay lines.
dnt::Int16 SommeRubriquesHeuresSup(dnt::SharedState& s, const dba::Record& d);

// The month's whole overtime hours at 125 % and 150 % (W_HeuresSup125, W_HeuresSup150), cut.
void HeuresSupDuMois(dnt::SharedState& s);

}  // namespace payroll
