// LectureMoisDetailCalcul, the month-by-month part of reading a contract's calculation
// details, shared by the procedure that walks the contract's months.
#pragma once

#include <string>

#include "common/state.h"
#include "common/quarter.h"

namespace payroll {

// Adds the DETAILCALCUL record of contract `contrat` for month m of year `annee` into the
// line of aidant `aidant`. A month whose record cannot be read adds nothing.
void LectureMoisDetailCalcul(dnt::SharedState& s, const dnt::Quarter& quarter, const std::string& contrat,
                             const std::string& aidant, const std::string& annee, int m);

}  // namespace payroll
